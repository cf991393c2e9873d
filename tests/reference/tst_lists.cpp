// Every simple list editor, one table of cases: its texts, insert in capitals, a repeated
// name ignored, names with quote and percent signs, blank and overlong names refused,
// correction, the duplicate that a correction produces, the use check and deletion.
#include "reference/ReferenceData.h"
#include "ReferenceTestSupport.h"
#include "reference/UntPersIdiothta.h"

#include <QComboBox>
#include <QLabel>

using namespace dorvani;
using namespace dorvani::test;

namespace {
const QString blankMessage = "Δεν δόθηκε όνομα. Πληκτρολογήστε ένα όνομα.";
QString tooLongMessage(int width)
{
    return QString("Το όνομα είναι πολύ μεγάλο: επιτρέπονται έως %1 χαρακτήρες.").arg(width);
}
} // namespace

class TstLists : public QObject {
    Q_OBJECT

private slots:
    void editor_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("texts"); // insert caption, prompt, correction caption, prompt, no selection
        QTest::addColumn<bool>("uniqueNames");
        QTest::addColumn<QString>("useSql"); // puts the entry %1 in use
        QTest::addColumn<QString>("inUse");
        QTest::addColumn<int>("extraQuestions"); // asked before a correction is made

        QTest::newRow("professions")
            << "ΕΠΑΓΓΕΛΜΑΤΑ" << "EpagelmaDlg" << "Διαχείριση Επαγγελμάτων" << "Επαγγέλματα" << "Epagelmata"
            << "Epagelma" << 100
            << QStringList{"Εισαγωγή Επαγγέλματος", "Δώστε επάγγελμα", "Διόρθωση Επαγγέλματος",
                           "Δώστε νέα κατηγορία επαγγέλματος",
                           "Παρακαλώ επιλέξτε μία κατηγορία επαγγέλματος για διαγραφή.",
                           "Παρακαλώ επιλέξτε μια κατηγορία επαγγέλματος για διόρθωση."}
            << true << QString() << QString() << 0;
        QTest::newRow("nationalities")
            << "ΕΘΝΙΚΟΤΗΤΑ" << "EthnikothtesDlg" << "Διαχείριση Εθνικοτήτων" << "Εθνικότητες" << "Ethinkothtes"
            << "ETHNIKOTHTA" << 100
            << QStringList{"Εισαγωγή Εθνικότητας", "Δώστε εθνικότητα", "Διόρθωση Εθνικότητας", "Δώστε νέα εθνικότητα",
                           "Παρακαλώ επιλέξτε μία εθνικότητα για διαγραφή.",
                           "Παρακαλώ επιλέξτε μια εθνικότητα για διόρθωση."}
            << true << QString() << QString() << 0;
        QTest::newRow("education")
            << "ΜΟΡΦΩΣΗ" << "MorfoshDlg" << "Διαχείριση Μόρφωσης" << "Μόρφωση" << "Morfosh" << "Morfosh" << 150
            << QStringList{"Εισαγωγή Μόρφωσης", "Δώστε επίπεδο μόρφωσης", "Διόρθωση Μόρφωσης",
                           "Δώστε νέο επίπεδο μόρφωσης", "Παρακαλώ επιλέξτε ένα επίπεδο μόρφωσης για διαγραφή.",
                           "Παρακαλώ επιλέξτε ένα επίπεδο μόρφωσης για διόρθωση."}
            << true << "INSERT INTO POLITES (EPITHETO, ONOMA, MORFOSH) VALUES ('Α', 'Β', %1)"
            << "Υπάρχουν καταχωρημένοι πολίτες με αυτό το επίπεδο μόρφωσης.Δεν επιτρέπεται η διαγραφή" << 0;
        QTest::newRow("evaluation")
            << "ΚΡΙΤΗΡΙΑ ΑΞΙΟΛΟΓΗΣΗΣ" << "AksiologhshDlg" << "Διαχείριση Κριτηρίων Αξιολόγησης"
            << "Κριτήρια Αξιολόγησης" << "Aksiologhsh" << "Aksiologhsh" << 100
            << QStringList{"Εισαγωγή Κριτηρίου Αξιολόγησης", "Δώστε Κριτήριο Αξιολόγησης",
                           "Διόρθωση Κριτηρίου Αξιολόγησης", "Δώστε νέο Κριτήριο Αξιολόγησης",
                           "Παρακαλώ επιλέξτε ένα Κριτήριο Αξιολόγησης για διαγραφή.",
                           "Παρακαλώ επιλέξτε ένα Κριτήριο Αξιολόγησης για διόρθωση."}
            << true << "INSERT INTO POLITES (EPITHETO, ONOMA, AKSIOLOGHSH) VALUES ('Α', 'Β', %1)"
            << "Υπάρχουν καταχωρημένοι πολίτες με αυτό το Κριτήριο Αξιολόγησης.Δεν επιτρέπεται η διαγραφή" << 0;
        QTest::newRow("influences")
            << "ΕΠΙΡΡΟΗ ΑΠΟ" << "EpirohDlg" << "Διαχείριση Επιρροών" << "ΕΠΙΡΡΟΗ ΑΠΟ" << "EPIROES" << "EPIROH" << 60
            << QStringList{"Εισαγωγή Επιρροής", "Δώστε Επιρροή από", "Διόρθωση Επιρροής", "Δώστε νέα επιρροή από",
                           "Παρακαλώ επιλέξτε μια επιρροή για διαγραφή.",
                           "Παρακαλώ επιλέξτε μια επιρροή για διόρθωση."}
            << false << QString() << QString() << 0;
        QTest::newRow("members")
            << "ΜΕΛΗ" << "MelosDlg" << "Διαχείριση Μελών" << "ΜΕΛΗ" << "MELOS" << "MELOS" << 70
            << QStringList{"Εισαγωγή Μέλους", "Δώστε Μέλος", "Διόρθωση Μέλους", "Δώστε νέο Μέλος",
                           "Παρακαλώ επιλέξτε ένα μέλος για διαγραφή.", "Παρακαλώ επιλέξτε ένα μέλος για διόρθωση."}
            << false << QString() << QString() << 0;
        QTest::newRow("co-candidates")
            << "ΣΥΝΥΠΟΨΗΦΙΟΙ" << "SynypopsDlg" << "Διαχείριση Συνυποψηφίων" << "ΣΥΝΥΠΟΨΗΦΙΟΙ" << "Synypops"
            << "Synypops" << 100
            << QStringList{"Εισαγωγή Συνυποψηφίου", "Δώστε Συνυποψήφιο", "Διόρθωση Συνυποψηφίου",
                           "Δώστε νέο Συνυποψήφιο", "Παρακαλώ επιλέξτε ένα Συνυποψήφιο για διαγραφή.",
                           "Παρακαλώ επιλέξτε έναν συνυποψήφιο για διόρθωση."}
            << true << QString() << QString() << 1;
        QTest::newRow("parties")
            << "ΚΟΜΜΑΤΑ" << "KommataDlg" << "Διαχείριση Κομμάτων" << "Κόμματα" << "KOMMATA" << "KOMMA" << 70
            << QStringList{"Εισαγωγή Κόμματος", "Δώστε Κόμμα", "Διόρθωση Κόμματος", "Δώστε νέο Κόμμα",
                           "Παρακαλώ επιλέξτε ένα Κόμμα για διαγραφή.", "Παρακαλώ επιλέξτε ένα Κόμμα για διόρθωση."}
            << true << "INSERT INTO NOMARXIES (Nomos, Onomasia, KOMMAID) VALUES (1, 'ΝΟΜΑΡΧΙΑ', %1)"
            << "Υπάρχουν καταχωρημένες Νομαρχίες με αυτό το Κόμμα.Δεν επιτρέπεται η διαγραφή" << 0;
        // Party positions are held by members of any kind of body; the municipal ones show it.
        QTest::newRow("party positions")
            << "ΚΟΜΜΑΤΙΚΕΣ ΘΕΣΕΙΣ" << "Kommatikes_TheseisDlg" << "Διαχείριση Κομματικών Θέσεων"
            << "Κομματικές Θέσεις" << "KOMMATIKES_THESEIS" << "KOMMATIKH_THESH" << 70
            << QStringList{"Εισαγωγή Κομματικής Θέσης", "Δώστε επίπεδο Κομματικής Θέσης", "Διόρθωση Κομματικής Θέσης",
                           "Δώστε νέο επίπεδο Κομματικής Θέσης",
                           "Παρακαλώ επιλέξτε ένα επίπεδο Κομματικής Θέσης για διαγραφή.",
                           "Παρακαλώ επιλέξτε ένα επίπεδο Κομματικής Θέσης για διόρθωση."}
            << true
            << "INSERT INTO DHMARXIES_STRUCT (DHMARXIES_ID, EPITHETO, ONOMA, KOMMATIKH_THESH_ID) VALUES (1, 'Α', 'Β', %1)"
            << "Υπάρχουν καταχωρημένοι πολίτες με αυτό το επίπεδο Κομματικής Θέσης.Δεν επιτρέπεται η διαγραφή" << 0;
        QTest::newRow("member roles")
            << "ΙΔΙΟΤΗΤΕΣ ΜΕΛΩΝ" << "PersIdiothtaDlg" << "Διαχείριση Ιδιοτήτων Μελών" << "Ιδιότητα"
            << "PERS_IDIOTHTA" << "PERS_IDIOTHTA" << 70
            << QStringList{"Εισαγωγή Ιδιότητας", "Δώστε Ιδιότητα", "Διόρθωση Ιδιότητας", "Δώστε νέα Ιδιότητα",
                           "Παρακαλώ επιλέξτε μία Ιδιότητα για διαγραφή.",
                           "Παρακαλώ επιλέξτε μία Ιδιότητα για διόρθωση."}
            << true
            << "INSERT INTO NOMARXIES_STRUCT (NOMARXIES_ID, EPITHETO, ONOMA, PERS_IDIOTHTA_ID) VALUES (1, 'Α', 'Β', %1)"
            << "Υπάρχουν καταχωρημένες Νομαρχίες με αυτή τήν Ιδιότητα.Δεν επιτρέπεται η διαγραφή" << 0;
        QTest::newRow("prefectures")
            << "ΝΟΜΟΣ" << "NomoiDlg" << "Διαχείριση Νομών" << "ΝΟΜΟΙ" << "NOMOI" << "NOMOS" << 30
            << QStringList{"Εισαγωγή Νομού", "Δώστε νομό", "Διόρθωση Νομού", "Δώστε νέο νομό",
                           "Παρακαλώ επιλέξτε ένα νομό για διαγραφή.", "Παρακαλώ επιλέξτε ένα νομό για διόρθωση."}
            << true << QString() << QString() << 0;
    }

    void editor()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(int, width);
        QFETCH(QStringList, texts);
        QFETCH(bool, uniqueNames);
        QFETCH(QString, useSql);
        QFETCH(QString, inUse);
        QFETCH(int, extraQuestions);

        Program p;
        QVERIFY(p.start());
        const QString quoted = "Ο'ΝΙΛ 100% ΚΑΙ _";
        const QString longest = QString(width, QChar(0x0391));

        playScreen(p, command, dialog, [&](TListEditorDlg *d) {
            QCOMPARE(d->windowTitle(), caption);
            QCOMPARE(d->Label1->text(), label);
            QCOMPARE(d->OKBtn->text(), QString("Ει&σαγωγή"));
            QCOMPARE(d->BtnEdit->text(), QString("Διόρ&θωση"));
            QCOMPARE(d->BtnDelete->text(), QString("&Διαγραφή"));
            QCOMPARE(d->BtnHelp->text(), QString("&Βοήθεια"));
            QCOMPARE(d->CancelBtn->text(), QString("&Επιστροφή"));
            QVERIFY(d->DBLstRem);
            if (auto *roles = dynamic_cast<TPersIdiothtaDlg *>(d)) {
                QCOMPARE(roles->CmbTAKO->currentIndex(), -1);
                roles->CmbTAKO->setCurrentIndex(1);
                emit roles->CmbTAKO->activated(1);
            }

            // Nothing to choose yet.
            p.ui.clearLog();
            d->BtnDelete->click();
            d->BtnEdit->click();
            QCOMPARE(p.ui.messages(), (QStringList{texts[4], texts[5]}));

            // Insert: capitals, the confirmation, the new row chosen.
            p.ui.clearLog();
            p.ui.inputs << QString("αθηνα");
            p.ui.answers << true;
            d->OKBtn->click();
            QCOMPARE(p.ui.log.size(), 2);
            QCOMPARE(p.ui.log[0].caption, texts[0]);
            QCOMPARE(p.ui.log[0].text, texts[1]);
            QCOMPARE(p.ui.log[1].text, QString("Να προχωρήσω στην καταχώρηση του ΑΘΗΝΑ;"));
            QCOMPARE(p.ui.log[1].caption, QString("ΕΠΙΒΕΒΑΙΩΣΗ"));
            QCOMPARE(rowsWith(table, field, "ΑΘΗΝΑ"), 1);
            QCOMPARE(d->DBLstRem->currentText(), QString("ΑΘΗΝΑ"));

            // The same name again: nothing happens and nothing is said.
            p.ui.clearLog();
            p.ui.inputs << QString("Αθηνα");
            p.ui.answers << true;
            d->OKBtn->click();
            QVERIFY(p.ui.messages().isEmpty());
            QCOMPARE(rowsWith(table, field, "ΑΘΗΝΑ"), 1);

            // Quotes and percent signs are stored and found as typed.
            p.ui.inputs << quoted << quoted;
            p.ui.answers << true << true;
            d->OKBtn->click();
            d->OKBtn->click();
            QCOMPARE(rowsWith(table, field, quoted), 1);

            // Blank and overlong names are refused with a message; the longest that fits is whole.
            p.ui.clearLog();
            const int before = rowCount(table);
            p.ui.inputs << QString("   ") << QString(width + 1, QChar(0x03b1)) << longest;
            p.ui.answers << true;
            d->OKBtn->click();
            d->OKBtn->click();
            QCOMPARE(p.ui.messages(), (QStringList{blankMessage, tooLongMessage(width)}));
            QCOMPARE(rowCount(table), before);
            d->OKBtn->click();
            QCOMPARE(rowsWith(table, field, longest), 1);
            QVERIFY(p.ui.unexpected.isEmpty());

            // Correction: the chosen entry, its text offered, capitals again.
            p.ui.clearLog();
            QVERIFY(chooseRow(d, "ΑΘΗΝΑ"));
            p.ui.inputs << QString("πάτρα");
            for (int i = 0; i < extraQuestions; ++i)
                p.ui.answers << true;
            d->BtnEdit->click();
            QCOMPARE(p.ui.log[0].caption, texts[2]);
            QCOMPARE(p.ui.log[0].text, texts[3]);
            QCOMPARE(rowsWith(table, field, "ΠΑΤΡΑ"), 1);
            QCOMPARE(rowsWith(table, field, "ΑΘΗΝΑ"), 0);

            // A correction to a name that exists fails and keeps the old name, where names are unique.
            p.ui.clearLog();
            QVERIFY(chooseRow(d, "ΠΑΤΡΑ"));
            p.ui.inputs << quoted;
            for (int i = 0; i < extraQuestions; ++i)
                p.ui.answers << true;
            d->BtnEdit->click();
            if (uniqueNames) {
                QCOMPARE(p.ui.messages(), QStringList{"Παρουσιάστηκε σφάλμα στην αποθήκευση."});
                QCOMPARE(p.ui.log.last().caption, QString("ΣΦΑΛΜΑ"));
                QCOMPARE(rowsWith(table, field, "ΠΑΤΡΑ"), 1);
                QCOMPARE(rowsWith(table, field, quoted), 1);
                QVERIFY(!d->table()->editing());
            } else {
                QVERIFY(p.ui.messages().isEmpty());
                QCOMPARE(rowsWith(table, field, quoted), 2);
            }

            // Deletion: confirmed with No as the default; an entry in use is kept.
            QVERIFY(chooseRow(d, longest));
            p.ui.clearLog();
            p.ui.answers << false;
            d->BtnDelete->click();
            QCOMPARE(p.ui.questions().size(), 1);
            QVERIFY(p.ui.questions()[0].endsWith("Παρακαλώ επιβεβαιώστε τη διαγραφή"));
            QCOMPARE(rowsWith(table, field, longest), 1);
            if (!useSql.isEmpty()) {
                const QString id = sqlValue(QString("SELECT rowid FROM \"%1\" WHERE \"%2\" = ?").arg(table, field),
                                            {longest})
                                       .toString();
                insertRow(useSql.arg(id));
                p.ui.clearLog();
                p.ui.answers << true;
                d->BtnDelete->click();
                QCOMPARE(p.ui.messages(), QStringList{inUse});
                QCOMPARE(rowsWith(table, field, longest), 1);
                const QString user = Store::writtenTable(useSql);
                Store::instance().exec(QString("DELETE FROM \"%1\"").arg(user));
            }
            p.ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(rowsWith(table, field, longest), 0);
            QVERIFY(p.ui.unexpected.isEmpty());
            d->CancelBtn->click();
            QVERIFY(!d->isVisible());
        });
    }

    // The roles editor lists one kind of body once a kind is chosen; a new role needs one.
    void rolesFollowTheKind()
    {
        Program p;
        QVERIFY(p.start());
        insertRow("INSERT INTO PERS_IDIOTHTA (TAKO, PERS_IDIOTHTA) VALUES (0, 'ΝΟΜΑΡΧΗΣ')");
        insertRow("INSERT INTO PERS_IDIOTHTA (TAKO, PERS_IDIOTHTA) VALUES (1, 'ΔΗΜΑΡΧΟΣ')");
        playScreen(p, "ΙΔΙΟΤΗΤΕΣ ΜΕΛΩΝ", "PersIdiothtaDlg", [&](TListEditorDlg *d) {
            auto *roles = static_cast<TPersIdiothtaDlg *>(d);
            QCOMPARE(roles->findChild<QLabel *>("LblTAKO")->text(), QString("T.A.-K.O"));
            QCOMPARE(roles->CmbTAKO->count(), 4);
            QCOMPARE(roles->CmbTAKO->itemText(2), QString("ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ/ΕΠΙΤΡΟΠΕΣ"));
            QCOMPARE(shownNames(d), (QStringList{"ΔΗΜΑΡΧΟΣ", "ΝΟΜΑΡΧΗΣ"}));
            p.ui.clearLog();
            d->OKBtn->click();
            QCOMPARE(p.ui.messages(), QStringList{"Παρακαλώ ,επιλέξτε μια Τ.Α.-Κ.Ο. για να ολοκληρωθεί η αποθήκευση."});
            QVERIFY(p.ui.unexpected.isEmpty()); // no input box was shown

            roles->CmbTAKO->setCurrentIndex(1);
            emit roles->CmbTAKO->activated(1);
            QCOMPARE(shownNames(d), QStringList{"ΔΗΜΑΡΧΟΣ"});
            // The list keeps its current row chosen through the new set of rows.
            QVERIFY(d->DBLstRem->hasSelection());
            QCOMPARE(d->DBLstRem->currentText(), QString("ΔΗΜΑΡΧΟΣ"));
            p.ui.inputs << QString("αντιδημαρχος");
            p.ui.answers << true;
            d->OKBtn->click();
            QCOMPARE(sqlValue("SELECT TAKO FROM PERS_IDIOTHTA WHERE PERS_IDIOTHTA = 'ΑΝΤΙΔΗΜΑΡΧΟΣ'").toInt(), 1);
            QCOMPARE(shownNames(d), (QStringList{"ΑΝΤΙΔΗΜΑΡΧΟΣ", "ΔΗΜΑΡΧΟΣ"}));
            // A role of the prefectural authorities' members is kept, whatever its kind.
            QVERIFY(chooseRow(d, "ΔΗΜΑΡΧΟΣ"));
            const qlonglong mayor = d->table()->value("AUTONUM").toLongLong();
            insertRow("INSERT INTO NOMARXIES_STRUCT (NOMARXIES_ID, EPITHETO, ONOMA, PERS_IDIOTHTA_ID) VALUES (1, 'Α', "
                      "'Β', ?)",
                      {mayor});
            p.ui.clearLog();
            p.ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(p.ui.messages(),
                     QStringList{"Υπάρχουν καταχωρημένες Νομαρχίες με αυτή τήν Ιδιότητα.Δεν επιτρέπεται η διαγραφή"});
        });
        // Closing removed the filter.
        QVERIFY(!p.dm().TblPersIdiothta->filtered());
        QCOMPARE(p.dm().TblPersIdiothta->recordCount(), 3);
    }

    // What people read is in Greek alphabetical order, accents aside.
    void listsInGreekOrder()
    {
        Program p;
        QVERIFY(p.start());
        for (const char *n : {"ΩΡΑΙΟΚΑΣΤΡΟ", "ΆΡΤΑ", "ΑΘΗΝΑ", "ΌΛΥΜΠΟΣ", "ΒΟΛΟΣ"})
            insertRow("INSERT INTO Epagelmata (Epagelma) VALUES (?)", {QString::fromUtf8(n)});
        playScreen(p, "ΕΠΑΓΓΕΛΜΑΤΑ", "EpagelmaDlg", [&](TListEditorDlg *d) {
            QCOMPARE(shownNames(d), (QStringList{"ΑΘΗΝΑ", "ΆΡΤΑ", "ΒΟΛΟΣ", "ΌΛΥΜΠΟΣ", "ΩΡΑΙΟΚΑΣΤΡΟ"}));
            // A new entry is chosen where it sorts.
            p.ui.inputs << QString("γιαννενα");
            p.ui.answers << true;
            d->OKBtn->click();
            QCOMPARE(d->DBLstRem->currentIndex().row(), 3);
            QCOMPARE(d->DBLstRem->currentText(), QString("ΓΙΑΝΝΕΝΑ"));
        });
    }
};

QTEST_MAIN(TstLists)
#include "tst_lists.moc"
