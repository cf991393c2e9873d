#include "data/Codes.h"

#include <algorithm>

namespace dorvani::codes {

const QStringList &sxesh()
{
    static const QStringList t = {"ΠΥΡΗΝΑΣ", "ΜΕΣΑΙΟΣ-Α", "ΑΠΛΟΣ-Η", "ΓΝΩΣΤΟΣ-Η", "ΑΓΝΩΣΤΟΣ-Η"};
    return t;
}

const QStringList &koma()
{
    static const QStringList t = {"ΠΑΣΟΚ - ΦΙΛΟΣ",   "ΠΑΣΟΚ - ΜΕΛΟΣ",    "ΠΑΣΟΚ - ΠΡΩΗΝ ΜΕΛΟΣ",
                                  "ΝΔ",              "ΝΔ - ΣΥΜΠΑΘΩΝ",    "ΚΚΕ",
                                  "ΚΚΕ - ΣΥΜΠΑΘΩΝ",  "ΣΥΝ",              "ΣΥΝ - ΣΥΜΠΑΘΩΝ",
                                  "ΔΗΚΚΙ",           "ΔΗΚΚΙ - ΣΥΜΠΑΘΩΝ", "ΑΛΛΟ",
                                  "ΑΛΛΟ - ΣΥΜΠΑΘΩΝ", "ΑΓΝΩΣΤΟ"};
    return t;
}

const QStringList &fylo()
{
    static const QStringList t = {"ΑΝΔΡΑΣ", "ΓΥΝΑΙΚΑ"};
    return t;
}

const QStringList &oikogKat()
{
    static const QStringList t = {"ΑΓΑΜΟΣ", "ΕΓΓΑΜΟΣ", "ΧΩΡΙΣΜΕΝΟΣ", "ΧΗΡΟΣ"};
    return t;
}

const QStringList &yesNo()
{
    static const QStringList t = {"ΝΑΙ", "ΟΧΙ"};
    return t;
}

const QStringList &epafes()
{
    static const QStringList t = {"ΕΠΙΣΤΟΛΗ", "ΤΗΛΕΦΩΝΙΚΗ", "ΣΥΝΑΝΤΗΣΗ", "ΚΑΜΜΙΑ", "ΨΗΦΟΔΕΛΤΙΑ", "ΟΜΙΛΙΑ"};
    return t;
}

const QStringList &idiothta()
{
    static const QStringList t = [] {
        const QStringList offices = {"ΒΟΥΛΕΥΤΗΣ",
                                     "ΝΟΜΑΡΧΗΣ",
                                     "ΔΗΜΑΡΧΟΣ",
                                     "ΝΟΜΑΡΧΙΑΚΟΣ ΣΥΜΒΟΥΛΟΣ",
                                     "ΔΗΜΟΤΙΚΟΣ ΣΥΜΒΟΥΛΟΣ",
                                     "ΠΡΟΕΔΡΟΣ ΤΟΠΙΚΟΥ ΣΥΜΒΟΥΛΙΟΥ",
                                     "ΤΟΠΙΚΟΣ ΣΥΜΒΟΥΛΟΣ",
                                     "ΓΡΑΜΜΑΤΕΑΣ ΝΟΜΑΡΧΙΑΚΗΣ ΕΠΙΤΡΟΠΗΣ",
                                     "ΜΕΛΟΣ ΝΟΜΑΡΧΙΑΚΗΣ ΕΠΙΤΡΟΠΗΣ"};
        QStringList out;
        for (const QString &o : offices)
            out << o << o + " ΠΡΩΗΝ" << o + " ΥΠΟΨΗΦΙΟΣ";
        return out;
    }();
    return t;
}

QString text(const QStringList &table, const QVariant &code)
{
    if (code.isNull())
        return {};
    bool ok = false;
    const int c = code.toString().trimmed().toInt(&ok);
    if (!ok || c < 0 || c >= table.size())
        return {};
    return table.at(c);
}

QList<int> listItems(const QString &stored)
{
    QList<int> out;
    if (stored.isEmpty())
        return out;
    for (const QString &item : stored.split(',')) {
        bool ok = false;
        const int n = item.trimmed().toInt(&ok);
        if (ok)
            out << n;
    }
    return out;
}

QString listDisplay(const QString &stored, const std::function<QString(int)> &resolve)
{
    QStringList texts;
    for (int n : listItems(stored)) {
        const QString t = resolve(n);
        if (!t.isEmpty())
            texts << t;
    }
    return texts.join(',');
}

QString listDisplay(const QString &stored, const QStringList &table)
{
    return listDisplay(stored, [&](int n) { return n >= 0 && n < table.size() ? table.at(n) : QString(); });
}

QString joinList(const QList<int> &codes)
{
    QList<int> sorted = codes;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QStringList parts;
    for (int c : sorted)
        parts << QString::number(c);
    return parts.join(',');
}

} // namespace dorvani::codes
