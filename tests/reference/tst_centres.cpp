// The electoral centres editor: the list follows the chosen prefecture, province and
// municipality; new centres carry the three numbers; districts are typed into the grid;
// a centre where citizens vote is kept; closing shows every centre again.
#include "reference/ReferenceData.h"
#include "ReferenceTestSupport.h"
#include "platform/Registry.h"
#include "reference/UntEklogikaK.h"

using namespace dorvani;
using namespace dorvani::test;

namespace {
const QString needAllThree = "Παρακαλώ επιλέξτε πρώτα ένα Νομό ,μία επαρχία και ένα δήμο.";
}

class TstCentres : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    qlonglong achaia = 0, patron = 0, aigialeia = 0, patreon = 0, aigiou = 0, diakoptou = 0;

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        Registry(Registry::General).writeString("Settings", "Nomos", "ΑΧΑΪΑΣ");
        QVERIFY(p->start());
        achaia = insertRow("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΧΑΪΑΣ')");
        insertRow("INSERT INTO NOMOI (NOMOS) VALUES ('ΗΛΕΙΑΣ')");
        patron = insertRow("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, 'ΠΑΤΡΩΝ')", {achaia});
        aigialeia = insertRow("INSERT INTO EPARXIES (NOMOS, EPARXIA) VALUES (?, 'ΑΙΓΙΑΛΕΙΑΣ')", {achaia});
        patreon = insertRow("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΠΑΤΡΕΩΝ')", {achaia, patron});
        aigiou = insertRow("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΑΙΓΙΟΥ')", {achaia, aigialeia});
        diakoptou =
            insertRow("INSERT INTO DHMOI (NOMOS, EPARXIA, DHMOS) VALUES (?, ?, 'ΔΙΑΚΟΠΤΟΥ')", {achaia, aigialeia});
        const QString centre = "INSERT INTO EklogikaK (NOMOS, EPARXIA, DHMOS, EKLOGIKOK) VALUES (?, ?, ?, ?)";
        insertRow(centre, {achaia, patron, patreon, "1Ο ΔΗΜΟΤΙΚΟ ΠΑΤΡΑΣ"});
        insertRow(centre, {achaia, aigialeia, aigiou, "1Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ"});
        insertRow(centre, {achaia, aigialeia, diakoptou, "ΓΥΜΝΑΣΙΟ ΔΙΑΚΟΠΤΟΥ"});
    }
    void cleanup() { p.reset(); }

    void centresOfTheChosenMunicipality()
    {
        const qlonglong citizen = insertRow("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES ('ΠΑΠΑΣ', 'ΙΩΑΝΝΗΣ')");
        playScreen(*p, "ΕΚΛΟΓΙΚΑ ΚΕΝΤΡΑ", "EklogikaKDlg", [&](TListEditorDlg *d) {
            auto *centres = static_cast<TEklogikaKDlg *>(d);
            QCOMPARE(d->windowTitle(), QString("Διαχείριση Εκλογικών Κέντρων Νομού ΑΧΑΪΑΣ"));
            QCOMPARE(parentText(d, 1), QString("ΑΙΓΙΑΛΕΙΑΣ"));
            QCOMPARE(parentText(d, 2), QString("ΑΙΓΙΟΥ"));
            QCOMPARE(shownNames(d), QStringList{"1Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ"});
            QCOMPARE(d->DBGrid1->model()->headerData(0, Qt::Horizontal).toString(), QString("ΕΚΛΟΓΙΚΟ ΚΕΝΤΡΟ"));
            QCOMPARE(d->DBGrid1->model()->headerData(1, Qt::Horizontal).toString(), QString("ΕΝΟΡΙΑ"));
            QCOMPARE(centres->BitBtn1->text(), QString("Ε&ΝΗΜΕΡΩΣΗ"));
            QVERIFY(!centres->BitBtn1->isEnabled());

            // A new centre carries the three numbers; the same centre again is ignored.
            p->ui.clearLog();
            p->ui.inputs << QString("2ο λυκειο αιγιου") << QString("2Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ");
            p->ui.answers << true << true;
            d->OKBtn->click();
            d->OKBtn->click();
            QCOMPARE(p->ui.log[0].caption, QString("Εισαγωγή Εκλογικό Κέντρο"));
            QCOMPARE(p->ui.log[0].text, QString("Δώστε Εκλογικό Κέντρο"));
            QCOMPARE(rowsWith("EklogikaK", "EKLOGIKOK", "2Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ"), 1);
            const QString where = "FROM EklogikaK WHERE EKLOGIKOK = '2Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ'";
            QCOMPARE(sqlValue("SELECT NOMOS " + where).toLongLong(), achaia);
            QCOMPARE(sqlValue("SELECT EPARXIA " + where).toLongLong(), aigialeia);
            QCOMPARE(sqlValue("SELECT DHMOS " + where).toLongLong(), aigiou);
            QCOMPARE(sqlValue("SELECT ENORIA " + where).toString(), QString(""));
            QCOMPARE(shownNames(d), (QStringList{"1Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ", "2Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ"}));

            // The district is typed into the grid, in capitals; the centre's name is not.
            QVERIFY(chooseRow(d, "2Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ"));
            typeIntoCell(d->DBGrid1, 1, 1, "αγιος ανδρεας");
            QCOMPARE(sqlValue("SELECT ENORIA " + where).toString(), QString("ΑΓΙΟΣ ΑΝΔΡΕΑΣ"));
            d->DBGrid1->edit(d->DBGrid1->model()->index(1, 0));
            QVERIFY(!d->DBGrid1->findChild<QLineEdit *>("CellEdit"));

            // A renamed centre shows its new name wherever its combined text is shown.
            QVERIFY(chooseRow(d, "2Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ"));
            p->ui.inputs << QString("3ο λυκειο αιγιου");
            d->BtnEdit->click();
            QCOMPARE(d->table()->text("AllStr"), QString("ΑΧΑΪΑΣ  ΑΙΓΙΟΥ / 3Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ  ΑΓΙΟΣ ΑΝΔΡΕΑΣ"));

            // Where a citizen votes, the centre stays.
            const qlonglong number = d->table()->value("AUTONUM").toLongLong();
            Store::instance().exec("UPDATE POLITES SET ASKHSH = ? WHERE AUTONUM = ?", {number, citizen});
            p->ui.clearLog();
            p->ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(p->ui.messages(), QStringList{"Υπάρχουν καταχωρημένοι πολίτες με αυτό τον Τόπο Άσκησης.Δεν "
                                                   "επιτρέπεται η διαγραφή"});
            Store::instance().exec("UPDATE POLITES SET ASKHSH = NULL");
            p->ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(rowsWith("EklogikaK", "AUTONUM", number), 0);
            QCOMPARE(shownNames(d), QStringList{"1Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ"});

            // A prefecture chosen: every centre of its first province, and no municipality yet.
            QVERIFY(chooseParent(d, 1, "ΠΑΤΡΩΝ"));
            QCOMPARE(parentText(d, 2), QString("ΠΑΤΡΕΩΝ"));
            QCOMPARE(shownNames(d), QStringList{"1Ο ΔΗΜΟΤΙΚΟ ΠΑΤΡΑΣ"});
            QVERIFY(chooseParent(d, 0, "ΑΧΑΪΑΣ"));
            QCOMPARE(parentText(d, 1), QString("ΑΙΓΙΑΛΕΙΑΣ"));
            QCOMPARE(parentText(d, 2), QString());
            QCOMPARE(shownNames(d), (QStringList{"1Ο ΛΥΚΕΙΟ ΑΙΓΙΟΥ", "ΓΥΜΝΑΣΙΟ ΔΙΑΚΟΠΤΟΥ"}));
            p->ui.clearLog();
            d->OKBtn->click();
            QVERIFY(chooseRow(d, "ΓΥΜΝΑΣΙΟ ΔΙΑΚΟΠΤΟΥ"));
            d->BtnEdit->click();
            d->BtnDelete->click();
            QCOMPARE(p->ui.messages(), (QStringList{needAllThree, needAllThree, needAllThree}));
            QVERIFY(chooseParent(d, 2, "ΔΙΑΚΟΠΤΟΥ"));
            QCOMPARE(shownNames(d), QStringList{"ΓΥΜΝΑΣΙΟ ΔΙΑΚΟΠΤΟΥ"});

            // A prefecture without provinces has no centres to show.
            QVERIFY(chooseParent(d, 0, "ΗΛΕΙΑΣ"));
            QVERIFY(shownNames(d).isEmpty());
            QCOMPARE(d->windowTitle(), QString("Διαχείριση Εκλογικών Κέντρων Νομού ΗΛΕΙΑΣ"));
            QVERIFY(p->ui.unexpected.isEmpty());
        });
        // Closing shows every centre again.
        QVERIFY(!p->dm().TblEklogikaK->filtered());
        QCOMPARE(p->dm().TblEklogikaK->recordCount(), 3);
    }

    void withoutAHomePrefectureNothingIsShown()
    {
        Registry(Registry::General).deleteValue("Settings", "Nomos");
        playScreen(*p, "ΕΚΛΟΓΙΚΑ ΚΕΝΤΡΑ", "EklogikaKDlg", [&](TListEditorDlg *d) {
            QCOMPARE(parentText(d, 0), QString());
            QVERIFY(shownNames(d).isEmpty());
            p->ui.clearLog();
            d->OKBtn->click();
            QCOMPARE(p->ui.messages(), QStringList{needAllThree});
        });
        QCOMPARE(refdata::centreFilter({}, {}, {}), QString("Nomos=0"));
        QCOMPARE(refdata::centreFilter(3, {}, {}), QString("Nomos=3 AND Eparxia=0"));
        QCOMPARE(refdata::centreFilter(3, 7, {}), QString("Nomos=3 AND Eparxia=7"));
        QCOMPARE(refdata::centreFilter(3, 7, 9), QString("Nomos=3 AND Eparxia=7 AND Dhmos=9"));
    }
};

QTEST_MAIN(TstCentres)
#include "tst_centres.moc"
