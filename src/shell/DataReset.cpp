#include "shell/DataReset.h"

#include "data/DbError.h"
#include "data/Store.h"

#include <algorithm>

namespace dorvani {

const QVector<DataReset::Box> &DataReset::boxes()
{
    static const QVector<Box> b = {
        {"ChkPOL", "ΠΟΛΙΤΩΝ", {"Delete From POLITES", "Delete From POLITES_SYNYPOPS"},
         "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των πολιτών"},
        {"ChkSYN", "ΣΥΝΥΠΟΨΗΦΙΩΝ", {"Delete From SYNYPOPS"},
         "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Συνυποψηφίων"},
        {"ChkEP", "ΕΠΙΡΡΟΗ ΑΠΟ", {"Delete From EPIROES"},
         "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου ΕΠΙΡΡΟΗ ΑΠΟ"},
        {"ChkNO", "ΝΟΜΩΝ", {"Delete From NOMOI"}, "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Νομών"},
        {"ChkEPA", "ΕΠΑΡΧΙΩΝ", {"Delete From EPARXIES"},
         "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Επαρχιών"},
        {"ChkDH", "ΔΗΜΩΝ", {"Delete From DHMOI"}, "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Δήμων"},
        {"ChkPO", "ΠΟΛΕΩΝ", {"Delete From POLEIS"}, "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Πόλεων"},
        {"ChkETHN", "ΕΘΝΙΚΟΤΗΤΩΝ", {"Delete From Ethinkothtes"},
         "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Εθνικοτήτων"},
        {"ChkEPAG", "ΕΠΑΓΓΕΛΜΑΤΩΝ", {"Delete From EPAGELMATA"},
         "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Επαγγελμάτων"},
        {"ChkEOR", "ΕΟΡΤΟΛΟΓΙΟ", {"Delete From CELEBRITIES"},
         "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Εορτών"},
        {"ChkMELH", "ΜΕΛΩΝ", {"Delete From MELOS"}, "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Μελών"},
        {"ChkPYR", "ΠΥΡΗΝΩΝ", {"Delete From PYRHNAS"},
         "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Πυρήνων"},
        // TO and NO are words of SQLite: the table names are quoted.
        {"ChkTO", "Τ.Ο.", {"Delete From \"TO\""}, "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Τ.Ο."},
        {"ChkNE", "Ν.Ε.", {"Delete From NE"}, "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Ν.Ε."},
        {"ChkN_O", "Ν.Ο.", {"Delete From \"NO\""}, "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου των Ν.Ο."},
        {"ChkKLH", "ΚΛΗΤΙΚΗ", {"Delete From KLHTIKH"},
         "Παρουσιάστηκε σφάλμα στο μηδενισμό του αρχείου της Κλητικής Ονομάτων"},
    };
    return b;
}

int DataReset::indexOf(const QString &check)
{
    const QVector<Box> &b = boxes();
    for (int i = 0; i < b.size(); ++i)
        if (b[i].check == check)
            return i;
    return -1;
}

QStringList DataReset::run(Store &store, const QList<int> &chosen)
{
    QList<int> order = chosen;
    std::sort(order.begin(), order.end());
    order.erase(std::unique(order.begin(), order.end()), order.end());
    QStringList failed;
    for (int i : order) {
        if (i < 0 || i >= boxes().size())
            continue;
        const Box &box = boxes()[i];
        try {
            Transaction tx(store);
            for (const QString &sql : box.statements)
                store.exec(sql);
            tx.commit();
        } catch (const DbError &) {
            failed << box.error;
        }
    }
    return failed;
}

} // namespace dorvani
