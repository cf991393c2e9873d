// The party organisation editors: organisations of the chosen prefecture, committees,
// local organisations and cells each under the chosen parent, the home organisation
// chosen on opening, and a cell with citizens kept.
#include "ReferenceTestSupport.h"
#include "platform/Registry.h"

using namespace dorvani;
using namespace dorvani::test;

class TstPartyOrg : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    qlonglong achaia = 0, ileia = 0, noAchaia = 0, noIleia = 0, nePatras = 0, neAigiou = 0, toAigiou = 0;

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        Registry reg(Registry::General);
        reg.writeString("Settings", "Nomos", "ΑΧΑΪΑΣ");
        reg.writeString("Settings", "NO", "Ν.Ο. ΑΧΑΪΑΣ");
        QVERIFY(p->start());
        achaia = insertRow("INSERT INTO NOMOI (NOMOS) VALUES ('ΑΧΑΪΑΣ')");
        ileia = insertRow("INSERT INTO NOMOI (NOMOS) VALUES ('ΗΛΕΙΑΣ')");
        noAchaia = insertRow("INSERT INTO \"NO\" (NOMOS, N_O) VALUES (?, 'Ν.Ο. ΑΧΑΪΑΣ')", {achaia});
        noIleia = insertRow("INSERT INTO \"NO\" (NOMOS, N_O) VALUES (?, 'Ν.Ο. ΗΛΕΙΑΣ')", {ileia});
        nePatras = insertRow("INSERT INTO NE (N_O, N_E) VALUES (?, 'Ν.Ε. ΠΑΤΡΑΣ')", {noAchaia});
        neAigiou = insertRow("INSERT INTO NE (N_O, N_E) VALUES (?, 'Ν.Ε. ΑΙΓΙΟΥ')", {noAchaia});
        toAigiou = insertRow("INSERT INTO \"TO\" (N_O, N_E, T_O) VALUES (?, ?, 'Τ.Ο. ΑΙΓΙΟΥ')", {noAchaia, neAigiou});
        insertRow("INSERT INTO \"TO\" (N_O, N_E, T_O) VALUES (?, ?, 'Τ.Ο. ΠΑΤΡΑΣ')", {noAchaia, nePatras});
        insertRow("INSERT INTO PYRHNAS (N_O, N_E, T_O, PYRHNAS) VALUES (?, ?, ?, 'ΠΥΡΗΝΑΣ ΠΛΑΤΕΙΑΣ')",
                  {noAchaia, neAigiou, toAigiou});
    }
    void cleanup() { p.reset(); }

    void organisationsOfThePrefecture()
    {
        playScreen(*p, "Ν.Ο. (ΝΟΜΑΡΧΙΑΚΗ ΟΡΓΑΝΩΣΗ)", "NODlg", [&](TListEditorDlg *d) {
            QCOMPARE(d->windowTitle(), QString("Διαχείριση ΝΟΜΑΡΧΙΑΚΩΝ ΟΡΓΑΝΩΣΕΩΝ Νομού ΑΧΑΪΑΣ"));
            QCOMPARE(d->Label1->text(), QString("ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ"));
            QCOMPARE(shownNames(d), QStringList{"Ν.Ο. ΑΧΑΪΑΣ"});
            p->ui.clearLog();
            p->ui.inputs << QString("ν.ο. δυτικης αχαϊας");
            p->ui.answers << true;
            d->OKBtn->click();
            QCOMPARE(p->ui.log[0].caption, QString("Εισαγωγή "));
            QCOMPARE(p->ui.log[0].text, QString("Δώστε Ν.Ο."));
            QCOMPARE(sqlValue("SELECT NOMOS FROM \"NO\" WHERE N_O = 'Ν.Ο. ΔΥΤΙΚΗΣ ΑΧΑΪΑΣ'").toLongLong(), achaia);
            QVERIFY(chooseParent(d, 0, "ΗΛΕΙΑΣ"));
            QCOMPARE(d->windowTitle(), QString("Διαχείριση ΝΟΜΑΡΧΙΑΚΩΝ ΟΡΓΑΝΩΣΕΩΝ Νομού ΗΛΕΙΑΣ"));
            QCOMPARE(shownNames(d), QStringList{"Ν.Ο. ΗΛΕΙΑΣ"});
            // The same name in another prefecture is another organisation.
            p->ui.inputs << QString("Ν.Ο. ΔΥΤΙΚΗΣ ΑΧΑΪΑΣ");
            p->ui.answers << true;
            d->OKBtn->click();
            QCOMPARE(rowsWith("NO", "N_O", "Ν.Ο. ΔΥΤΙΚΗΣ ΑΧΑΪΑΣ"), 2);
        });
        QVERIFY(!p->dm().TblNO->filtered());
        // The committee editor then offers the organisations of every prefecture.
        playScreen(*p, "Ν.Ε. (ΝΟΜΑΡΧΙΑΚΗ ΕΠΙΤΡΟΠΗ)", "NEDlg",
                   [&](TListEditorDlg *d) { QCOMPARE(d->parentChoice(0)->count(), 4); });
    }

    void committeesOfTheOrganisation()
    {
        playScreen(*p, "Ν.Ε. (ΝΟΜΑΡΧΙΑΚΗ ΕΠΙΤΡΟΠΗ)", "NEDlg", [&](TListEditorDlg *d) {
            QCOMPARE(parentText(d, 0), QString("Ν.Ο. ΑΧΑΪΑΣ"));
            QCOMPARE(d->parentChoice(0)->count(), 2); // every prefecture's organisations
            QCOMPARE(d->windowTitle(), QString("Διαχείριση N.E. Ν.Ο. ΑΧΑΪΑΣ"));
            QCOMPARE(shownNames(d), (QStringList{"Ν.Ε. ΑΙΓΙΟΥ", "Ν.Ε. ΠΑΤΡΑΣ"}));
            p->ui.clearLog();
            p->ui.inputs << QString("Ν.Ε. ΠΑΤΡΑΣ");
            p->ui.answers << true;
            d->OKBtn->click(); // exists in this organisation: nothing
            QVERIFY(p->ui.messages().isEmpty());
            QCOMPARE(rowsWith("NE", "N_E", "Ν.Ε. ΠΑΤΡΑΣ"), 1);
            QVERIFY(chooseParent(d, 0, "Ν.Ο. ΗΛΕΙΑΣ"));
            QCOMPARE(d->windowTitle(), QString("Διαχείριση N.E. Ν.Ο. ΗΛΕΙΑΣ"));
            p->ui.inputs << QString("Ν.Ε. ΠΑΤΡΑΣ");
            p->ui.answers << true;
            d->OKBtn->click(); // under another organisation it is inserted
            QCOMPARE(rowsWith("NE", "N_E", "Ν.Ε. ΠΑΤΡΑΣ"), 2);
            QCOMPARE(sqlValue("SELECT COUNT(*) FROM NE WHERE N_O = ?", {noIleia}).toInt(), 1);

            // Deleting a committee leaves its local organisations and cells behind.
            QVERIFY(chooseParent(d, 0, "Ν.Ο. ΑΧΑΪΑΣ"));
            QVERIFY(chooseRow(d, "Ν.Ε. ΑΙΓΙΟΥ"));
            p->ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(rowsWith("NE", "AUTONUM", neAigiou), 0);
            QCOMPARE(rowsWith("TO", "N_E", neAigiou), 1);
            QCOMPARE(rowsWith("PYRHNAS", "N_E", neAigiou), 1);
        });
    }

    void localOrganisations()
    {
        playScreen(*p, "Τ.Ο. (ΤΟΠΙΚΗ ΟΡΓΑΝΩΣΗ)", "TODlg", [&](TListEditorDlg *d) {
            QCOMPARE(d->windowTitle(), QString("Διαχείριση Τ.Ο."));
            QCOMPARE(parentText(d, 0), QString("Ν.Ο. ΑΧΑΪΑΣ"));
            QCOMPARE(parentText(d, 1), QString("Ν.Ε. ΑΙΓΙΟΥ"));
            QCOMPARE(shownNames(d), QStringList{"Τ.Ο. ΑΙΓΙΟΥ"});
            QVERIFY(chooseParent(d, 1, "Ν.Ε. ΠΑΤΡΑΣ"));
            p->ui.inputs << QString("τ.ο. ριου");
            p->ui.answers << true;
            d->OKBtn->click();
            QCOMPARE(sqlValue("SELECT N_E FROM \"TO\" WHERE T_O = 'Τ.Ο. ΡΙΟΥ'").toLongLong(), nePatras);
            QCOMPARE(sqlValue("SELECT N_O FROM \"TO\" WHERE T_O = 'Τ.Ο. ΡΙΟΥ'").toLongLong(), noAchaia);
            // The save-error box here also gives the storage's reason.
            QVERIFY(chooseRow(d, "Τ.Ο. ΡΙΟΥ"));
            p->ui.clearLog();
            p->ui.inputs << QString("Τ.Ο. ΠΑΤΡΑΣ");
            d->BtnEdit->click();
            QCOMPARE(p->ui.messages().size(), 1);
            QVERIFY(p->ui.messages()[0].startsWith("Παρουσιάστηκε σφάλμα στην αποθήκευση. "));
            QVERIFY(p->ui.messages()[0].size() > QString("Παρουσιάστηκε σφάλμα στην αποθήκευση. ").size());
            QCOMPARE(rowsWith("TO", "T_O", "Τ.Ο. ΡΙΟΥ"), 1);
            // An organisation without committees leaves nothing to insert under.
            QVERIFY(chooseParent(d, 0, "Ν.Ο. ΗΛΕΙΑΣ"));
            QCOMPARE(parentText(d, 1), QString());
            p->ui.clearLog();
            d->OKBtn->click();
            d->BtnDelete->click();
            QCOMPARE(p->ui.messages(), (QStringList{"Παρακαλώ επιλέξτε πρώτα μία Ν.Ο. και μία Ν.Ε.",
                                                    "Παρακαλώ επιλέξτε πρώτα μία Ν.Ο. και μία Ν.Ε."}));
        });
    }

    void cellsOfTheLocalOrganisation()
    {
        const qlonglong citizen = insertRow("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES ('ΠΑΠΑΣ', 'ΙΩΑΝΝΗΣ')");
        playScreen(*p, "ΠΥΡΗΝΑΣ", "PYRHNASDlg", [&](TListEditorDlg *d) {
            QCOMPARE(d->windowTitle(), QString("Διαχείριση ΠΥΡΗΝΩΝ"));
            QCOMPARE(parentText(d, 0), QString("Ν.Ο. ΑΧΑΪΑΣ"));
            QCOMPARE(parentText(d, 1), QString("Ν.Ε. ΑΙΓΙΟΥ"));
            QCOMPARE(parentText(d, 2), QString("Τ.Ο. ΑΙΓΙΟΥ"));
            QCOMPARE(shownNames(d), QStringList{"ΠΥΡΗΝΑΣ ΠΛΑΤΕΙΑΣ"});
            p->ui.inputs << QString("πυρηνας λιμανιου");
            p->ui.answers << true;
            d->OKBtn->click();
            const QString where = " FROM PYRHNAS WHERE PYRHNAS = 'ΠΥΡΗΝΑΣ ΛΙΜΑΝΙΟΥ'";
            QCOMPARE(sqlValue("SELECT N_O" + where).toLongLong(), noAchaia);
            QCOMPARE(sqlValue("SELECT N_E" + where).toLongLong(), neAigiou);
            QCOMPARE(sqlValue("SELECT T_O" + where).toLongLong(), toAigiou);

            // A cell in which a citizen is placed is kept; once he has left it, it can go.
            QVERIFY(chooseRow(d, "ΠΥΡΗΝΑΣ ΠΛΑΤΕΙΑΣ"));
            const qlonglong cell = d->table()->value("AUTONUM").toLongLong();
            Store::instance().exec("UPDATE POLITES SET PYRHNASID = ? WHERE AUTONUM = ?", {cell, citizen});
            p->ui.clearLog();
            p->ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(p->ui.messages(),
                     QStringList{"Υπάρχουν καταχωρημένοι πολίτες σε αυτόν τον πυρήνα.Δεν επιτρέπεται η διαγραφή"});
            QCOMPARE(rowsWith("PYRHNAS", "AUTONUM", cell), 1);
            Store::instance().exec("UPDATE POLITES SET PYRHNASID = NULL");
            p->ui.answers << true;
            d->BtnDelete->click();
            QCOMPARE(rowsWith("PYRHNAS", "AUTONUM", cell), 0);
            QCOMPARE(shownNames(d), QStringList{"ΠΥΡΗΝΑΣ ΛΙΜΑΝΙΟΥ"});

            // Another committee: its first local organisation.
            QVERIFY(chooseParent(d, 1, "Ν.Ε. ΠΑΤΡΑΣ"));
            QCOMPARE(parentText(d, 2), QString("Τ.Ο. ΠΑΤΡΑΣ"));
            QVERIFY(shownNames(d).isEmpty());
            // Another organisation: its first committee, no local organisation yet.
            QVERIFY(chooseParent(d, 0, "Ν.Ο. ΑΧΑΪΑΣ"));
            QCOMPARE(parentText(d, 1), QString("Ν.Ε. ΑΙΓΙΟΥ"));
            QCOMPARE(parentText(d, 2), QString());
            p->ui.clearLog();
            d->OKBtn->click();
            const QString need = "Παρακαλώ επιλέξτε πρώτα μία Ν.Ο. ,μία Ν.Ε. και μία Τ.Ο.";
            QCOMPARE(p->ui.messages(), QStringList{need});
            QVERIFY(chooseParent(d, 1, "Ν.Ε. ΠΑΤΡΑΣ"));
            QVERIFY(p->ui.unexpected.isEmpty());
        });
        // The citizen screens start from the organisation, committee and local organisation left here.
        QCOMPARE(p->dm().TblNE->text("N_E"), QString("Ν.Ε. ΠΑΤΡΑΣ"));
        QCOMPARE(p->dm().TblTO->text("T_O"), QString("Τ.Ο. ΠΑΤΡΑΣ"));
    }

    void withoutTheHomeOrganisation()
    {
        Registry reg(Registry::General);
        reg.deleteValue("Settings", "NO");
        reg.deleteValue("Settings", "Nomos");
        playScreen(*p, "Ν.Ε. (ΝΟΜΑΡΧΙΑΚΗ ΕΠΙΤΡΟΠΗ)", "NEDlg", [&](TListEditorDlg *d) {
            QCOMPARE(parentText(d, 0), QString());
            p->ui.clearLog();
            d->OKBtn->click();
            d->BtnEdit->click();
            d->BtnDelete->click();
            QCOMPARE(p->ui.messages(), (QStringList{"Παρακαλώ επιλέξτε πρώτα μία Ν.O.", "Παρακαλώ επιλέξτε πρώτα μία Ν.Ο.",
                                                    "Παρακαλώ επιλέξτε πρώτα μία Ν.Ο."}));
        });
        playScreen(*p, "Ν.Ο. (ΝΟΜΑΡΧΙΑΚΗ ΟΡΓΑΝΩΣΗ)", "NODlg", [&](TListEditorDlg *d) {
            QCOMPARE(d->windowTitle(), QString("Διαχείριση ΝΟΜΑΡΧΙΑΚΩΝ ΟΡΓΑΝΩΣΕΩΝ Νομού "));
            QVERIFY(shownNames(d).isEmpty());
            p->ui.clearLog();
            d->OKBtn->click();
            QCOMPARE(p->ui.messages(), QStringList{"Παρακαλώ επιλέξτε πρώτα ένα Νομό."});
        });
    }
};

QTEST_MAIN(TstPartyOrg)
#include "tst_partyorg.moc"
