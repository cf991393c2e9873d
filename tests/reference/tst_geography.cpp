// The geography editors: each level is edited within the chosen parent, the home
// prefecture is chosen when an editor opens, the choices cascade, towns where citizens
// live are kept, postal codes are typed into the grid and a renamed town keeps its votes.
#include "ReferenceTestSupport.h"
#include "platform/Registry.h"
#include "reference/UntPoleis.h"

#include <QLineEdit>

using namespace dorvani;
using namespace dorvani::test;

namespace {
const QString needPrefecture = "Παρακαλώ επιλέξτε πρώτα ένα Νομό.";
const QString needAllThree = "Παρακαλώ επιλέξτε πρώτα ένα Νομό ,μία επαρχία και ένα δήμο.";

} // namespace

class TstGeography : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    qlonglong achaia = 0, ileia = 0, patron = 0, aigialeia = 0, patreon = 0, riou = 0, aigiou = 0;

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        Registry(Registry::General).writeString("Settings", "Nomos", "ΑΧΑΪΑΣ");
        QVERIFY(p->start());
        achaia = insertRow("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΧΑΪΑΣ')");
        ileia = insertRow("INSERT INTO NOMOI (NOMOS) VALUES ('ΗΛΕΙΑΣ')");
        patron = insertRow("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, 'ΠΑΤΡΩΝ')", {achaia});
        aigialeia = insertRow("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, 'ΑΙΓΙΑΛΕΙΑΣ')", {achaia});
        patreon = insertRow("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΠΑΤΡΕΩΝ')", {achaia, patron});
        riou = insertRow("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΡΙΟΥ')", {achaia, patron});
        aigiou = insertRow("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΑΙΓΙΟΥ')", {achaia, aigialeia});
        insertRow("INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH, TK) VALUES (?, ?, ?, 'ΑΙΓΙΟ', '25100')",
                  {achaia, aigialeia, aigiou});
    }
    void cleanup() { p.reset(); }

    void provincesUnderTheChosenPrefecture()
    {
        playScreen(*p, "ΕΠΑΡΧΙΑ", "EparxiesDlg", [&](TListEditorDlg *d) {
            QCOMPARE(parentText(d, 0), QString("ΑΧΑΪΑΣ"));
            QCOMPARE(d->windowTitle(), QString("Διαχείριση Επαρχιών Νομού ΑΧΑΪΑΣ"));
            QCOMPARE(d->Label1->text(), QString("ΕΠΑΡΧΙΕΣ"));
            QCOMPARE(shownNames(d), (QStringList{"ΑΙΓΙΑΛΕΙΑΣ", "ΠΑΤΡΩΝ"}));

            p->ui.inputs << QString("καλαβρυτων");
            p->ui.answers << true;
            d->OKBtn->click();
            QCOMPARE(sqlValue("SELECT NOMOS FROM EPARXIES WHERE EPARXIA = 'ΚΑΛΑΒΡΥΤΩΝ'").toLongLong(), achaia);

            // Another prefecture: the caption and the list follow; the same name is accepted there.
            QVERIFY(chooseParent(d, 0, "ΗΛΕΙΑΣ"));
            QCOMPARE(d->windowTitle(), QString("Διαχείριση Επαρχιών Νομού ΗΛΕΙΑΣ"));
            QVERIFY(shownNames(d).isEmpty());
            p->ui.inputs << QString("ΠΑΤΡΩΝ");
            p->ui.answers << true;
            d->OKBtn->click();
            QCOMPARE(rowsWith("EPARXIES", "EPARXIA", "ΠΑΤΡΩΝ"), 2);
            QCOMPARE(shownNames(d), QStringList{"ΠΑΤΡΩΝ"});

            // A province with municipalities is deleted; they stay behind, unreachable.
            QVERIFY(chooseParent(d, 0, "ΑΧΑΪΑΣ"));
            QVERIFY(chooseRow(d, "ΠΑΤΡΩΝ"));
            p->ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(shownNames(d), (QStringList{"ΑΙΓΙΑΛΕΙΑΣ", "ΚΑΛΑΒΡΥΤΩΝ"}));
            QCOMPARE(rowsWith("DHMOI", "EPARXIA", patron), 2);
            QVERIFY(p->ui.unexpected.isEmpty());
        });
    }

    void municipalitiesFollowTheProvince()
    {
        playScreen(*p, "ΔΗΜΟΣ", "DhmoiDlg", [&](TListEditorDlg *d) {
            QCOMPARE(d->windowTitle(), QString("Διαχείριση Δήμων Νομού ΑΧΑΪΑΣ"));
            QCOMPARE(parentText(d, 1), QString("ΑΙΓΙΑΛΕΙΑΣ")); // the prefecture's first province
            QCOMPARE(shownNames(d), QStringList{"ΑΙΓΙΟΥ"});
            QVERIFY(chooseParent(d, 1, "ΠΑΤΡΩΝ"));
            QCOMPARE(shownNames(d), (QStringList{"ΠΑΤΡΕΩΝ", "ΡΙΟΥ"}));
            p->ui.inputs << QString("μεσσατιδος");
            p->ui.answers << true;
            d->OKBtn->click();
            QCOMPARE(sqlValue("SELECT EPARXIA FROM DHMOI WHERE DHMOS = 'ΜΕΣΣΑΤΙΔΟΣ'").toLongLong(), patron);
            QCOMPARE(sqlValue("SELECT NOMOS FROM DHMOI WHERE DHMOS = 'ΜΕΣΣΑΤΙΔΟΣ'").toLongLong(), achaia);

            // A prefecture without provinces leaves nothing to insert under.
            QVERIFY(chooseParent(d, 0, "ΗΛΕΙΑΣ"));
            QCOMPARE(d->windowTitle(), QString("Διαχείριση Δήμων Νομού ΗΛΕΙΑΣ"));
            QCOMPARE(parentText(d, 1), QString());
            p->ui.clearLog();
            d->OKBtn->click();
            d->BtnEdit->click();
            d->BtnDelete->click();
            const QString msg = "Παρακαλώ επιλέξτε πρώτα ένα Νομό και μία επαρχία.";
            QCOMPARE(p->ui.messages(), (QStringList{msg, msg, msg}));
        });
    }

    void townsWithinTheirMunicipality()
    {
        const qlonglong citizen =
            insertRow("INSERT INTO POLITES (EPITHETO, ONOMA, POLH) VALUES ('ΠΑΠΑΣ', 'ΙΩΑΝΝΗΣ', NULL)");
        playScreen(*p, "ΠΟΛΗ", "PoleisDlg", [&](TListEditorDlg *d) {
            auto *towns = static_cast<TPoleisDlg *>(d);
            // The home prefecture, its first province, that province's first municipality.
            QCOMPARE(d->windowTitle(), QString("Διαχείριση Πόλεων Νομού ΑΧΑΪΑΣ"));
            QCOMPARE(parentText(d, 0), QString("ΑΧΑΪΑΣ"));
            QCOMPARE(parentText(d, 1), QString("ΑΙΓΙΑΛΕΙΑΣ"));
            QCOMPARE(parentText(d, 2), QString("ΑΙΓΙΟΥ"));
            QCOMPARE(shownNames(d), QStringList{"ΑΙΓΙΟ"});
            QCOMPARE(d->DBGrid1->model()->headerData(0, Qt::Horizontal).toString(), QString("ΠΟΛΕΙΣ"));
            QCOMPARE(d->DBGrid1->model()->headerData(1, Qt::Horizontal).toString(), QString("Τ.Κ."));
            QCOMPARE(towns->BitBtn1->text(), QString("Ε&ΝΗΜΕΡΩΣΗ"));
            QCOMPARE(towns->BitBtn1->toolTip(), QString("ΕΝΗΜΕΡΩΣΗ ΑΡΧΕΙΟΥ ΠΟΛΙΤΩΝ"));
            QVERIFY(!towns->BitBtn1->isEnabled());

            QVERIFY(chooseParent(d, 1, "ΠΑΤΡΩΝ"));
            QCOMPARE(parentText(d, 2), QString("ΠΑΤΡΕΩΝ"));
            p->ui.inputs << QString("καστριτσι") << QString("ΚΑΣΤΡΙΤΣΙ");
            p->ui.answers << true << true;
            d->OKBtn->click();
            d->OKBtn->click(); // the same town again in the same municipality: nothing
            QCOMPARE(rowsWith("POLEIS", "POLH", "ΚΑΣΤΡΙΤΣΙ"), 1);
            QCOMPARE(sqlValue("SELECT DHMOS FROM POLEIS WHERE POLH = 'ΚΑΣΤΡΙΤΣΙ'").toLongLong(), patreon);
            QCOMPARE(sqlValue("SELECT TK FROM POLEIS WHERE POLH = 'ΚΑΣΤΡΙΤΣΙ'").toString(), QString(""));
            QVERIFY(chooseParent(d, 2, "ΡΙΟΥ"));
            p->ui.inputs << QString("ΚΑΣΤΡΙΤΣΙ");
            p->ui.answers << true;
            d->OKBtn->click(); // elsewhere it is another town
            QCOMPARE(rowsWith("POLEIS", "POLH", "ΚΑΣΤΡΙΤΣΙ"), 2);
            QCOMPARE(shownNames(d), QStringList{"ΚΑΣΤΡΙΤΣΙ"});

            // A postal code typed into the grid is stored.
            typeIntoCell(d->DBGrid1, 0, 1, "26504");
            QCOMPARE(sqlValue("SELECT TK FROM POLEIS WHERE DHMOS = ?", {riou}).toString(), QString("26504"));
            // The town's name is not edited in the grid.
            d->DBGrid1->edit(d->DBGrid1->model()->index(0, 0));
            QVERIFY(!d->DBGrid1->findChild<QLineEdit *>("CellEdit"));

            // A town where a citizen lives is kept; once he has moved it can go.
            const qlonglong town = d->table()->value("AUTONUM").toLongLong();
            Store::instance().exec("UPDATE POLITES SET POLH = ? WHERE AUTONUM = ?", {town, citizen});
            p->ui.clearLog();
            p->ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(p->ui.messages(),
                     QStringList{"Υπάρχουν καταχωρημένοι πολίτες σε αυτή τη Πόλη.Δεν επιτρέπεται η διαγραφή"});
            QCOMPARE(rowsWith("POLEIS", "AUTONUM", town), 1);
            Store::instance().exec("UPDATE POLITES SET POLH = NULL");
            p->ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(rowsWith("POLEIS", "AUTONUM", town), 0);
            QVERIFY(shownNames(d).isEmpty());

            // No town chosen, nothing to correct or delete; no municipality, nothing to insert.
            p->ui.clearLog();
            d->BtnEdit->click();
            d->BtnDelete->click();
            QCOMPARE(p->ui.messages(), (QStringList{"Παρακαλώ επιλέξτε μία πόλη για διόρθωση.",
                                                    "Παρακαλώ επιλέξτε μία πόλη για διαγραφή."}));
            QVERIFY(chooseParent(d, 0, "ΗΛΕΙΑΣ"));
            QCOMPARE(parentText(d, 1), QString());
            QCOMPARE(parentText(d, 2), QString());
            QVERIFY(chooseParent(d, 0, "ΑΧΑΪΑΣ"));
            QCOMPARE(parentText(d, 1), QString("ΑΙΓΙΑΛΕΙΑΣ"));
            QCOMPARE(parentText(d, 2), QString()); // cleared until chosen
            p->ui.clearLog();
            d->OKBtn->click();
            d->BtnEdit->click();
            d->BtnDelete->click();
            QCOMPARE(p->ui.messages(), (QStringList{needAllThree, needAllThree, needAllThree}));
            QVERIFY(chooseParent(d, 1, "ΠΑΤΡΩΝ"));
            QVERIFY(chooseParent(d, 2, "ΡΙΟΥ"));
            QVERIFY(p->ui.unexpected.isEmpty());
        });
        // The geography stays where it was left for the next screen.
        QCOMPARE(p->dm().TblEPARXIES->text("EPARXIA"), QString("ΠΑΤΡΩΝ"));
        QCOMPARE(p->dm().TblDHMOI->text("DHMOS"), QString("ΡΙΟΥ"));
    }

    void renamedTownKeepsItsVotes()
    {
        const qlonglong citizen = insertRow("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES ('ΠΑΠΑΣ', 'ΙΩΑΝΝΗΣ')");
        insertRow("INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH) VALUES (?, ?, ?, 'ΡΙΟ')", {achaia, patron, riou});
        insertRow("INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH) VALUES (?, ?, ?, 'ΣΕΛΛΑ')", {achaia, patron, riou});
        insertRow("INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH) VALUES (?, ?, ?, 'ΣΕΛΛΑ')",
                  {achaia, patron, patreon});
        for (const char *town : {"ΡΙΟ", "ΣΕΛΛΑ", "ΑΙΓΙΟ"})
            insertRow("INSERT INTO TOT_PSHFOI (POLITESID, POLH, VOTES) VALUES (?, ?, 3)", {citizen, QString(town)});
        playScreen(*p, "ΠΟΛΗ", "PoleisDlg", [&](TListEditorDlg *d) {
            QVERIFY(chooseParent(d, 1, "ΠΑΤΡΩΝ"));
            QVERIFY(chooseParent(d, 2, "ΡΙΟΥ"));
            QVERIFY(chooseRow(d, "ΡΙΟ"));
            p->ui.inputs << QString("αγιος βασιλειος ριου");
            d->BtnEdit->click();
            QCOMPARE(rowsWith("POLEIS", "POLH", "ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ ΡΙΟΥ"), 1);
            QCOMPARE(rowsWith("TOT_PSHFOI", "POLH", "ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ ΡΙΟΥ"), 1);
            QCOMPARE(rowsWith("TOT_PSHFOI", "POLH", "ΡΙΟ"), 0);
            // A name that another town of the prefecture still has keeps its votes there.
            QVERIFY(chooseRow(d, "ΣΕΛΛΑ"));
            p->ui.inputs << QString("ΣΕΛΛΑ ΡΙΟΥ");
            d->BtnEdit->click();
            QCOMPARE(rowsWith("POLEIS", "POLH", "ΣΕΛΛΑ ΡΙΟΥ"), 1);
            QCOMPARE(rowsWith("TOT_PSHFOI", "POLH", "ΣΕΛΛΑ"), 1);
            // A correction to a town that exists in the municipality fails whole.
            QVERIFY(chooseRow(d, "ΣΕΛΛΑ ΡΙΟΥ"));
            p->ui.inputs << QString("ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ ΡΙΟΥ");
            p->ui.clearLog();
            d->BtnEdit->click();
            QCOMPARE(p->ui.messages(), QStringList{"Παρουσιάστηκε σφάλμα στην αποθήκευση."});
            QCOMPARE(rowsWith("POLEIS", "POLH", "ΣΕΛΛΑ ΡΙΟΥ"), 1);
            QCOMPARE(rowsWith("TOT_PSHFOI", "POLH", "ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ ΡΙΟΥ"), 1);
        });
        // A town outside the home prefecture has no votes of its own: they stay.
        const qlonglong pyrgou = insertRow("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, 'ΠΥΡΓΟΥ')", {ileia});
        const qlonglong pyrgos =
            insertRow("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΠΥΡΓΟΥ')", {ileia, pyrgou});
        insertRow("INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH) VALUES (?, ?, ?, 'ΑΙΓΙΟ')", {ileia, pyrgou, pyrgos});
        playScreen(*p, "ΠΟΛΗ", "PoleisDlg", [&](TListEditorDlg *d) {
            QVERIFY(chooseParent(d, 0, "ΗΛΕΙΑΣ"));
            QVERIFY(chooseParent(d, 2, "ΠΥΡΓΟΥ"));
            QVERIFY(chooseRow(d, "ΑΙΓΙΟ"));
            p->ui.inputs << QString("ΑΙΓΙΟ ΗΛΕΙΑΣ");
            d->BtnEdit->click();
            QCOMPARE(rowsWith("POLEIS", "POLH", "ΑΙΓΙΟ ΗΛΕΙΑΣ"), 1);
            QCOMPARE(rowsWith("TOT_PSHFOI", "POLH", "ΑΙΓΙΟ"), 1);
        });
    }

    void withoutAHomePrefecture()
    {
        Registry(Registry::General).deleteValue("Settings", "Nomos");
        playScreen(*p, "ΕΠΑΡΧΙΑ", "EparxiesDlg", [&](TListEditorDlg *d) {
            QCOMPARE(parentText(d, 0), QString());
            p->ui.clearLog();
            d->OKBtn->click();
            d->BtnEdit->click();
            d->BtnDelete->click();
            QCOMPARE(p->ui.messages(), (QStringList{needPrefecture, needPrefecture, needPrefecture}));
            QVERIFY(p->ui.unexpected.isEmpty());
        });
        // The prefecture editor chooses the home prefecture when there is one.
        Registry(Registry::General).writeString("Settings", "Nomos", "ΗΛΕΙΑΣ");
        playScreen(*p, "ΝΟΜΟΣ", "NomoiDlg", [&](TListEditorDlg *d) {
            QCOMPARE(d->DBLstRem->currentText(), QString("ΗΛΕΙΑΣ"));
        });
    }
};

QTEST_MAIN(TstGeography)
#include "tst_geography.moc"
