// The parties' three parallel tables and the co-candidates' vote rows stay consistent
// through insert, rename and delete, and a failure changes nothing at all.
#include "data/DataModule.h"
#include "reference/ReferenceData.h"
#include "ReferenceTestSupport.h"

using namespace dorvani;
using namespace dorvani::test;

namespace {
// The party rows of the three tables as "number:name", in number order.
QStringList partyRows(const QString &table)
{
    QStringList out;
    QSqlQuery q = Store::instance().exec(QString("SELECT AUTONUM, KOMMA FROM %1 ORDER BY AUTONUM").arg(table));
    while (q.next())
        out << q.value(0).toString() + ':' + q.value(1).toString();
    return out;
}

QStringList votes()
{
    QStringList out;
    QSqlQuery q = Store::instance().exec("SELECT POLITESID, SYNYPOPS, VOTES FROM POLITES_Synypops ORDER BY AUTONUM");
    while (q.next())
        out << QString("%1 %2 %3").arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
    return out;
}
} // namespace

class TstParties : public QObject {
    Q_OBJECT

private slots:
    void partyCopiesStayParallel()
    {
        Program p;
        QVERIFY(p.start());
        // The copies' own numbering has run ahead of the parties': the numbers must still agree.
        insertRow("INSERT INTO KOMMATASTRUCT (KOMMA) VALUES ('ΠΑΛΙΟ')");
        insertRow("INSERT INTO KOMMATASTRUCT (KOMMA) VALUES ('ΠΑΛΙΟ 2')");
        Store::instance().exec("DELETE FROM KOMMATASTRUCT");
        insertRow("INSERT INTO SYMMAXIES (KOMMA) VALUES ('ΠΑΛΙΟ')");
        Store::instance().exec("DELETE FROM SYMMAXIES");

        playScreen(p, "ΚΟΜΜΑΤΑ", "KommataDlg", [&](TListEditorDlg *d) {
            QVERIFY(p.dm().TblKommataStruct->active());
            QVERIFY(p.dm().TblSymmaxies->active());
            p.ui.inputs << QString("νεα δημοκρατια") << QString("πασοκ");
            p.ui.answers << true << true;
            d->OKBtn->click();
            d->OKBtn->click();
            const QStringList both{"1:ΝΕΑ ΔΗΜΟΚΡΑΤΙΑ", "2:ΠΑΣΟΚ"};
            QCOMPARE(partyRows("KOMMATA"), both);
            QCOMPARE(partyRows("KOMMATASTRUCT"), both);
            QCOMPARE(partyRows("SYMMAXIES"), both);

            QVERIFY(chooseRow(d, "ΠΑΣΟΚ"));
            p.ui.inputs << QString("πα.σο.κ.");
            d->BtnEdit->click();
            const QStringList renamed{"1:ΝΕΑ ΔΗΜΟΚΡΑΤΙΑ", "2:ΠΑ.ΣΟ.Κ."};
            QCOMPARE(partyRows("KOMMATA"), renamed);
            QCOMPARE(partyRows("KOMMATASTRUCT"), renamed);
            QCOMPARE(partyRows("SYMMAXIES"), renamed);
            QCOMPARE(p.dm().TblKommataStruct->recordCount(), 2);

            // A party of a prefectural authority stays, in all three tables.
            insertRow("INSERT INTO NOMARXIES (Nomos, Onomasia, KOMMAID) VALUES (1, 'ΝΟΜΑΡΧΙΑ ΑΧΑΪΑΣ', 2)");
            p.ui.clearLog();
            p.ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(p.ui.messages(),
                     QStringList{"Υπάρχουν καταχωρημένες Νομαρχίες με αυτό το Κόμμα.Δεν επιτρέπεται η διαγραφή"});
            QCOMPARE(partyRows("SYMMAXIES"), renamed);
            QVERIFY(chooseRow(d, "ΝΕΑ ΔΗΜΟΚΡΑΤΙΑ"));
            p.ui.answers << true;
            d->BtnDelete->click();
            const QStringList left{"2:ΠΑ.ΣΟ.Κ."};
            QCOMPARE(partyRows("KOMMATA"), left);
            QCOMPARE(partyRows("KOMMATASTRUCT"), left);
            QCOMPARE(partyRows("SYMMAXIES"), left);

            // A copy that cannot be stored leaves no party anywhere.
            insertRow("INSERT INTO SYMMAXIES (KOMMA, AUTONUM) VALUES ('ΣΥΡΙΖΑ', 50)");
            p.ui.clearLog();
            p.ui.inputs << QString("ΣΥΡΙΖΑ");
            p.ui.answers << true;
            d->OKBtn->click();
            QCOMPARE(p.ui.messages(), QStringList{"Παρουσιάστηκε σφάλμα στην αποθήκευση."});
            QCOMPARE(partyRows("KOMMATA"), left);
            QCOMPARE(partyRows("KOMMATASTRUCT"), left);
            QCOMPARE(shownNames(d), QStringList{"ΠΑ.ΣΟ.Κ."});
            QVERIFY(!d->table()->editing());
            // A rename that one copy refuses changes none of them.
            QVERIFY(chooseRow(d, "ΠΑ.ΣΟ.Κ."));
            p.ui.clearLog();
            p.ui.inputs << QString("ΣΥΡΙΖΑ");
            d->BtnEdit->click();
            QCOMPARE(p.ui.messages(), QStringList{"Παρουσιάστηκε σφάλμα στην αποθήκευση."});
            QCOMPARE(partyRows("KOMMATA"), left);
            QCOMPARE(partyRows("KOMMATASTRUCT"), left);
            QVERIFY(p.ui.unexpected.isEmpty());
        });
    }

    void coCandidateVotesFollowTheirName()
    {
        Program p;
        QVERIFY(p.start());
        for (const char *n : {"ΑΝΤΩΝΙΟΥ", "ΒΑΣΙΛΕΙΟΥ", "Ο'ΚΟΝΟΡ"})
            insertRow("INSERT INTO Synypops (Synypops) VALUES (?)", {QString::fromUtf8(n)});
        for (int citizen : {1, 2})
            for (const char *n : {"ΑΝΤΩΝΙΟΥ", "ΒΑΣΙΛΕΙΟΥ", "Ο'ΚΟΝΟΡ"})
                insertRow("INSERT INTO POLITES_Synypops (POLITESID, SYNYPOPS, VOTES) VALUES (?, ?, ?)",
                          {citizen, QString::fromUtf8(n), citizen * 10});
        const QStringList before = votes();

        playScreen(p, "ΣΥΝΥΠΟΨΗΦΙΟΙ", "SynypopsDlg", [&](TListEditorDlg *d) {
            const QString question = "Σημείωση.Η αλλαγή θα μεταβάλλει και όλους τους Πολίτες που έχουν αποδόσει "
                                     "ψήφους στο επιλεγμένο συνυποψήφιο!Να προχωρήσω;";
            // Answered No: nothing changes.
            QVERIFY(chooseRow(d, "ΑΝΤΩΝΙΟΥ"));
            p.ui.clearLog();
            p.ui.inputs << QString("ΑΝΤΩΝΙΑΔΗΣ");
            p.ui.answers << false;
            d->BtnEdit->click();
            QCOMPARE(p.ui.questions(), QStringList{question});
            QCOMPARE(votes(), before);

            // A name that exists already: the rename fails whole, list and votes as they were.
            p.ui.clearLog();
            p.ui.inputs << QString("ΒΑΣΙΛΕΙΟΥ");
            p.ui.answers << true;
            d->BtnEdit->click();
            QCOMPARE(p.ui.messages(), QStringList{"Παρουσιάστηκε σφάλμα στην αποθήκευση."});
            QCOMPARE(votes(), before);
            QCOMPARE(shownNames(d), (QStringList{"ΑΝΤΩΝΙΟΥ", "ΒΑΣΙΛΕΙΟΥ", "Ο'ΚΟΝΟΡ"}));

            // A new name: every vote row of the old one follows, quotes and all.
            QVERIFY(chooseRow(d, "Ο'ΚΟΝΟΡ"));
            p.ui.inputs << QString("ο'κονορ-σμιθ");
            p.ui.answers << true;
            d->BtnEdit->click();
            QCOMPARE(rowsWith("POLITES_Synypops", "SYNYPOPS", "Ο'ΚΟΝΟΡ-ΣΜΙΘ"), 2);
            QCOMPARE(rowsWith("POLITES_Synypops", "SYNYPOPS", "Ο'ΚΟΝΟΡ"), 0);
            QCOMPARE(rowsWith("Synypops", "Synypops", "Ο'ΚΟΝΟΡ-ΣΜΙΘ"), 1);

            // Deleting warns that the citizens' votes go too, and removes them.
            QVERIFY(chooseRow(d, "ΒΑΣΙΛΕΙΟΥ"));
            p.ui.clearLog();
            p.ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(p.ui.questions(), QStringList{"Προσοχή!Θα διαγραφεί και από τους Πολίτες ο επιλεγμένος "
                                                   "Συνυποψήφιος.\nΠαρακαλώ επιβεβαιώστε τη διαγραφή"});
            QCOMPARE(rowsWith("POLITES_Synypops", "SYNYPOPS", "ΒΑΣΙΛΕΙΟΥ"), 0);
            QCOMPARE(rowsWith("POLITES_Synypops", "SYNYPOPS", "ΑΝΤΩΝΙΟΥ"), 2);
            QCOMPARE(shownNames(d), (QStringList{"ΑΝΤΩΝΙΟΥ", "Ο'ΚΟΝΟΡ-ΣΜΙΘ"}));
            QVERIFY(p.ui.unexpected.isEmpty());
        });

        // The same rule without the screen.
        TDataMdl &dm = p.dm();
        QVERIFY(dm.TblSynypops->locate("Synypops", "ΑΝΤΩΝΙΟΥ"));
        const QStringList now = votes();
        bool failed = false;
        try {
            refdata::renameCoCandidate(dm, "Ο'ΚΟΝΟΡ-ΣΜΙΘ");
        } catch (const DbError &e) {
            failed = e.isKeyViolation();
        }
        QVERIFY(failed);
        QCOMPARE(votes(), now);
        QCOMPARE(dm.TblSynypops->text("Synypops"), QString("ΑΝΤΩΝΙΟΥ"));
        QVERIFY(!dm.TblSynypops->editing());
    }
};

QTEST_MAIN(TstParties)
#include "tst_parties.moc"
