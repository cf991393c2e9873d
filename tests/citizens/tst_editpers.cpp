// The editing screen and the citizen list: opening from the list and coming back, a
// round trip that changes nothing, saving changes, stepping, deleting with and without
// full access, stored values no longer in their lists, e-mail and web, printing.
#include "citizens/CitizenScreens.h"
#include "citizens/CitizenStore.h"
#include "widgets/DbControls.h"
#include "platform/Desktop.h"
#include "shell/EntryKeys.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"
#include "data/Store.h"
#include "citizens/UntEditPers.h"
#include "citizens/UntLISTAPOL.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QToolButton>

using namespace dorvani;
using test::Program;

namespace {

class FakeDesktop : public Desktop {
public:
    QList<QUrl> opened;
    bool start(Program) override { return false; }
    bool openUrl(const QUrl &u) override
    {
        opened << u;
        return true;
    }
};

// Every column of a citizen's row, and its vote rows, as text.
QStringList snapshot(int autonum)
{
    QStringList out;
    QSqlQuery q = Store::instance().exec("SELECT * FROM POLITES WHERE AUTONUM = ?", {autonum});
    if (q.next())
        for (int i = 0; i < q.record().count(); ++i)
            out << q.record().fieldName(i) + "=" + (q.value(i).isNull() ? "<null>" : q.value(i).toString());
    QSqlQuery v = Store::instance().exec(
        "SELECT SYNYPOPS, VOTES FROM POLITES_Synypops WHERE POLITESID = ? ORDER BY SYNYPOPS", {autonum});
    while (v.next())
        out << v.value(0).toString() + ":" + (v.value(1).isNull() ? "<null>" : v.value(1).toString());
    return out;
}

} // namespace

class TstEditPers : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    test::RegisterFixture f;

    int fullCitizen(const QString &surname = "ΠΑΠΑΔΟΠΟΥΛΟΣ", const QString &name = "ΝΙΚΟΣ")
    {
        CitizenRecord r;
        r.fields = {{"EPITHETO", surname},
                    {"ONOMA", name},
                    {"PATR", "ΓΕΩΡΓΙΟΣ"},
                    {"MHTR", "ΜΑΡΙΑ"},
                    {"ETHNIKOTHTA", "ΕΛΛΗΝΙΚΗ"},
                    {"MORFOSH", f.morfosh},
                    {"EPAGELMA", "ΓΙΑΤΡΟΣ"},
                    {"ADDRESS", "ΟΔΟΣ 3"},
                    {"TK", "22100"},
                    {"POLH", f.kapsas},
                    {"DHMOS", f.tripolis},
                    {"EPARXIA", f.mantineia},
                    {"NOMOS", f.arkadia},
                    {"BIRTHDAY", "05/03/XXXX"},
                    {"CELEBRDAY", "06/12"},
                    {"ETERODHMOTHS", 0},
                    {"SYMAXIA", 1},
                    {"SXESH", 2},
                    {"KOMA", -1},
                    {"ASKHSH", f.centre},
                    {"FYLO", 0},
                    {"OIKOGKAT", QVariant()},
                    {"MELHOIKOG", 4},
                    {"TELO_1", "2710222222"},
                    {"TELE_3", "2710333333"},
                    {"MOBILE2", "6944444444"},
                    {"FAX", "2710555555"},
                    {"EMAIL", "nikos@example.gr"},
                    {"WEB", "www.example.gr"},
                    {"EPAFES", "1,5"},
                    {"EPIROH", QString::number(f.influenceB)},
                    {"AVOTE", 3},
                    {"PVOTE", 2},
                    {"PSHFOI_P", 8},
                    {"P_PSHFOI", 10},
                    {"IDIOTHTA", "4,12"},
                    {"DATA1", "ΑΒ123"},
                    {"NOTES", "ΦΙΛΟΣ"},
                    {"MelosID", f.melos},
                    {"PYRHNASID", f.cell},
                    {"TO_ID", f.to},
                    {"NE_ID", f.ne},
                    {"NO_ID", f.no},
                    {"KLHTIKH", "ΝΙΚΟΛΑ"},
                    {"AKSIOLOGHSH", f.aksiologhsh}};
        r.votes = {{"ΑΛΦΑ ΑΛΦΑΣ", 5}, {"ΒΗΤΑ ΒΗΤΑΣ", QVariant()}};
        return CitizenStore::insert(r);
    }
    TEditPersFrm *editor()
    {
        for (QWidget *w : p->main()->openChildren())
            if (auto *e = qobject_cast<TEditPersFrm *>(w))
                return e;
        return nullptr;
    }
    TEditPersFrm *edit(int autonum, int origin = CitizenScreens::SearchResults)
    {
        CitizenScreens::edit(autonum, origin);
        return editor();
    }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        f = test::RegisterFixture::fill();
    }
    void cleanup()
    {
        Access::setFull(false);
        p.reset();
    }

    void loadsEveryField()
    {
        const int id = fullCitizen();
        TEditPersFrm *e = edit(id);
        QVERIFY(e);
        QCOMPARE(e->windowTitle(), QString("ΔΙΟΡΘΩΣΗ ΠΟΛΙΤΗ"));
        QCOMPARE(e->citizenNumber(), id);
        QCOMPARE(e->EdtEpitheto->text(), QString("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
        QCOMPARE(e->CmbKLHTIKH->currentText(), QString("ΝΙΚΟΛΑ"));
        QCOMPARE(e->DBLookupComboBox2->text(), QString("ΓΙΑΤΡΟΣ"));
        QCOMPARE(e->DBLookupComboBox3->text(), QString("ΚΑΨΑΣ"));
        QCOMPARE(e->DBLookupComboBox4->text(), QString("ΤΡΙΠΟΛΗΣ"));
        QCOMPARE(e->DBLookupComboBox5->text(), QString("ΜΑΝΤΙΝΕΙΑΣ"));
        QCOMPARE(e->DBLookupComboBox6->text(), QString("ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(e->DBLookupComboBox8->text(), QString("ΠΛΑΤΕΙΑΣ"));
        QCOMPARE(e->DBLookupComboBox10->text(), QString("Τ.Ο. ΤΡΙΠΟΛΗΣ"));
        QCOMPARE(e->DBLookupComboBox12->text(), QString("Ν.Ο. ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(e->DBLookupComboBox9->text(), QString("ΤΑΚΤΙΚΟ"));
        QCOMPARE(e->DBLookupComboBox7->text().left(8), QString("ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(e->EdtBirthDay->displayText(), QString("05/03/____"));
        QCOMPARE(e->MskCelebr->displayText(), QString("06/12"));
        QCOMPARE(e->RadioGroup4->itemIndex(), 0);
        QCOMPARE(e->RadioGroup1->itemIndex(), 0);
        QCOMPARE(e->RadioGroup3->itemIndex(), -1);
        QCOMPARE(e->ComboBox1->currentIndex(), 2);
        QCOMPARE(e->ComboBox3->currentIndex(), -1);
        QCOMPARE(e->Edit5->text(), QString("ΝΟΜΑΡΧΗΣ ΠΡΩΗΝ"));
        QCOMPARE(e->capacityCodes(), QString("4,12"));
        QCOMPARE(e->EdtTELE[2]->text(), QString("2710333333"));
        QCOMPARE(e->ChkLstEpafes->item(5)->checkState(), Qt::Checked);
        QCOMPARE(e->ChkLstEpafes->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(e->Label25->text(), QString("ΣΥΝΟΛΟ ΨΗΦΩΝ 5"));
        QCOMPARE(e->votes->votes("ΑΛΦΑ ΑΛΦΑΣ").toInt(), 5);
        QCOMPARE(e->remarks(), QString("ΦΙΛΟΣ"));
        QCOMPARE(e->Edit4->text(), QString("ΑΒ123"));
        // The call buttons dial; the distribution over towns opens for the citizen.
        QVERIFY(e->DialButtons[0]->isEnabled());
        QVERIFY(e->SpeedButton18->isEnabled());
    }

    void aRoundTripChangesNothing()
    {
        const int id = fullCitizen();
        const QStringList before = snapshot(id);
        TEditPersFrm *e = edit(id);
        e->BtnSave->click();
        QCOMPARE(p->ui.messages().last(), QString("Η αποθήκευση ολοκληρώθηκε"));
        QCOMPARE(snapshot(id), before);
        // The vote distribution rows of the home prefecture's towns exist after a save.
        QCOMPARE(Store::instance().scalar("SELECT COUNT(*) FROM TOT_PSHFOI WHERE POLITESID = ?", {id}).toInt(), 3);
    }

    void storedValuesNoLongerInTheirListsAreKept()
    {
        const int id = fullCitizen();
        Store::instance().exec("UPDATE POLITES SET ETHNIKOTHTA = 'ΠΑΛΙΑ', EPAGELMA = 'ΚΑΤΑΡΓΗΜΕΝΟ', "
                               "KLHTIKH = 'ΑΓΝΩΣΤΗ', POLH = 9999, NOMOS = ?, DHMOS = 8888 WHERE AUTONUM = ?",
                               {f.achaia, id});
        TEditPersFrm *e = edit(id);
        QCOMPARE(e->DBLookupComboBox1->text(), QString());
        QCOMPARE(e->DBLookupComboBox4->text(), QString());
        test::typeText(e->EdtTELO[0], "9");
        e->BtnSave->click();
        const QVariantMap c = CitizenStore::load(id);
        QCOMPARE(c["ETHNIKOTHTA"].toString(), QString("ΠΑΛΙΑ"));
        QCOMPARE(c["EPAGELMA"].toString(), QString("ΚΑΤΑΡΓΗΜΕΝΟ"));
        QCOMPARE(c["KLHTIKH"].toString(), QString("ΑΓΝΩΣΤΗ"));
        QCOMPARE(c["DHMOS"].toInt(), 8888);
        QCOMPARE(c["POLH"].toInt(), 9999);
        QCOMPARE(c["TELO_1"].toString(), QString("27102222229"));
        QCOMPARE(c["SXESH"].toInt(), 2);
        // A profession chosen by the user replaces the old one.
        QVERIFY(e->DBLookupComboBox2->selectText("ΔΑΣΚΑΛΟΣ"));
        e->BtnSave->click();
        QCOMPARE(CitizenStore::load(id)["EPAGELMA"].toString(), QString("ΔΑΣΚΑΛΟΣ"));
    }

    void fromTheListAndBack()
    {
        const int a = fullCitizen("ΑΛΕΞΙΟΥ", "ΑΡΗΣ");
        fullCitizen("ΒΑΣΙΛΕΙΟΥ", "ΝΙΚΟΣ");
        int countShown = -1;
        QString countText;
        p->ui.onExecOnce["LISTAPOLDlg"] << [&](QDialog *d) {
            auto *list = static_cast<TLISTAPOLDlg *>(d);
            countText = list->Label2->text();
            countShown = list->DBGrid1->model()->rowCount();
            // The columns are sized to the font: common long names show whole.
            const QFontMetrics fm(list->DBGrid1->font());
            for (const auto &[column, name] : {std::pair{0, "ΚΩΝΣΤΑΝΤΙΝΙΔΗΣ"}, std::pair{1, "ΚΩΝΣΤΑΝΤΙΝΟΣ"},
                                               std::pair{2, "ΑΛΕΞΑΝΔΡΟΣ"}})
                if (list->DBGrid1->columnWidth(column) < fm.horizontalAdvance(QString::fromUtf8(name)))
                    countShown = -2;
            list->openRow(0);
            return d->result();
        };
        p->main()->action("ΕΜΦΑΝΙΣΗ - ΑΛΛΑΓΕΣ")->trigger();
        QCOMPARE(countText, QString("Βρέθηκαν 2 εγγραφές"));
        QCOMPARE(countShown, 2);
        TEditPersFrm *e = editor();
        QVERIFY(e);
        QCOMPARE(e->origin(), int(CitizenScreens::CitizenList));
        QCOMPARE(e->citizenNumber(), a);

        // A change stored on return, and the list comes back on that citizen.
        test::typeText(e->EdtTELO[4], "2710123456");
        int listRow = -1;
        p->ui.onExecOnce["LISTAPOLDlg"] << [&](QDialog *d) {
            listRow = p->dm().TblPOLITES->recNo();
            return test::rejectDialog(d);
        };
        p->ui.answers << true;
        e->CancelBtn->click();
        QTRY_COMPARE(p->ui.dialogs().count("LISTAPOLDlg"), 2);
        QCOMPARE(listRow, 0);
        QCOMPARE(CitizenStore::load(a)["TELO_5"].toString(), QString("2710123456"));
        QVERIFY(!editor());
    }

    // The list comes back on the citizen edited, on screen too, whether it was saved or not,
    // and on its neighbour after a delete.
    void theListKeepsItsPlace_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("row");
        QTest::newRow("without a save") << "close" << 1;
        QTest::newRow("after a save") << "save" << 1;
        QTest::newRow("after a delete") << "delete" << 1;
    }
    void theListKeepsItsPlace()
    {
        QFETCH(QString, how);
        QFETCH(int, row);
        fullCitizen("ΑΛΕΞΙΟΥ", "ΑΡΗΣ");
        fullCitizen("ΒΑΣΙΛΕΙΟΥ", "ΝΙΚΟΣ");
        fullCitizen("ΓΕΩΡΓΙΟΥ", "ΚΩΣΤΑΣ");
        p->ui.onExecOnce["LISTAPOLDlg"] << [&](QDialog *d) {
            static_cast<TLISTAPOLDlg *>(d)->openRow(1);
            return d->result();
        };
        p->main()->action("ΕΜΦΑΝΙΣΗ - ΑΛΛΑΓΕΣ")->trigger();
        TEditPersFrm *e = editor();
        QVERIFY(e);
        int shownRow = -1;
        QString shownName;
        p->ui.onExecOnce["LISTAPOLDlg"] << [&](QDialog *d) {
            auto *list = static_cast<TLISTAPOLDlg *>(d);
            QCoreApplication::processEvents();
            shownRow = list->DBGrid1->currentIndex().row();
            shownName = list->DBGrid1->model()->index(shownRow, 0).data().toString();
            return test::rejectDialog(d);
        };
        if (how == "save") {
            test::typeText(e->EdtTELO[4], "2710123456");
            p->ui.answers << true;
            e->CancelBtn->click();
        } else if (how == "delete") {
            Access::setFull(true);
            p->ui.answers << true;
            e->BitBtn3->click();
        } else {
            e->CancelBtn->click();
        }
        QTRY_COMPARE(p->ui.dialogs().count("LISTAPOLDlg"), 2);
        QCOMPARE(shownRow, row);
        QCOMPARE(shownName, QString(how == "delete" ? "ΓΕΩΡΓΙΟΥ" : "ΒΑΣΙΛΕΙΟΥ"));
    }

    void listSearchesASurname()
    {
        fullCitizen("ΑΛΕΞΙΟΥ", "ΑΡΗΣ");
        const int b = fullCitizen("ΒΑΣΙΛΕΙΟΥ", "ΝΙΚΟΣ");
        fullCitizen("ΒΑΣΙΛΑΚΗΣ", "ΝΙΚΟΣ");
        TLISTAPOLDlg *list = CitizenScreens::citizenList();
        p->dm().TblPOLITES->open();
        test::typeText(list->Edit1, "ΒΑΣΙΛΕ");
        QTest::keyClick(list->Edit1, Qt::Key_Return);
        QCOMPARE(p->dm().TblPOLITES->integer("AUTONUM"), b);
        list->Edit1->clear();
        list->Edit1->setText("ζ"); // not upper-cased: finds nothing, the list stays
        QTest::keyClick(list->Edit1, Qt::Key_Return);
        QCOMPARE(p->dm().TblPOLITES->integer("AUTONUM"), b);
    }

    void theListReadsOnlyWhatItShows()
    {
        {
            Transaction tx(Store::instance());
            for (int i = 0; i < 30000; ++i)
                Store::instance().exec("INSERT INTO POLITES (EPITHETO, ONOMA, POLH) VALUES (?, 'ΑΡΗΣ', ?)",
                                       {QString("ΕΠΩΝΥΜΟ%1").arg(i, 5, 10, QChar('0')), f.tripoli});
            tx.commit();
        }
        int rows = 0, cached = 0;
        QString town;
        p->ui.onExecOnce["LISTAPOLDlg"] << [&](QDialog *d) {
            auto *list = static_cast<TLISTAPOLDlg *>(d);
            rows = list->DBGrid1->model()->rowCount();
            list->DBGrid1->scrollToBottom();
            QCoreApplication::processEvents();
            town = list->DBGrid1->model()->index(29999, 3).data().toString();
            cached = p->dm().TblPOLITES->cachedRowCount();
            return test::rejectDialog(d);
        };
        p->main()->action("ΕΜΦΑΝΙΣΗ - ΑΛΛΑΓΕΣ")->trigger();
        QCOMPARE(rows, 30000);
        QCOMPARE(town, QString("ΤΡΙΠΟΛΗ"));
        QVERIFY2(cached <= 6 * 128, qPrintable(QString::number(cached)));
    }

    void steppingInSurnameOrder()
    {
        const int a = fullCitizen("ΑΛΕΞΙΟΥ", "ΑΡΗΣ");
        const int b = fullCitizen("ΒΑΣΙΛΕΙΟΥ", "ΝΙΚΟΣ");
        TEditPersFrm *e = edit(b);
        p->ui.answers << false << false << false;
        e->SpeedButton16->click();
        QCOMPARE(e->citizenNumber(), a);
        QCOMPARE(e->EdtEpitheto->text(), QString("ΑΛΕΞΙΟΥ"));
        e->SpeedButton16->click(); // the first reloads itself
        QCOMPARE(e->citizenNumber(), a);
        e->SpeedButton17->click();
        QCOMPARE(e->citizenNumber(), b);
        QCOMPARE(p->ui.questions().count("Θέλετε να αποθηκεύσετε τις αλλαγές;"), 3);
    }

    void deletingNeedsFullAccess()
    {
        const int a = fullCitizen("ΑΛΕΞΙΟΥ", "ΑΡΗΣ");
        const int b = fullCitizen("ΒΑΣΙΛΕΙΟΥ", "ΝΙΚΟΣ");
        Store::instance().exec("INSERT INTO SpecialNotes (POLITES_ID, AITHMATA) VALUES (?, 'ΜΕΤΑΘΕΣΗ')", {a});
        p->dm().TblPOLITES->open();
        TEditPersFrm *e = edit(a, CitizenScreens::CitizenList);
        e->BitBtn3->click();
        QCOMPARE(p->ui.messages().last(), QString("Η πρόσβαση δεν επιτρέπεται!"));
        QVERIFY(CitizenStore::exists(a));

        Access::setFull(true);
        p->ui.answers << false;
        e->BitBtn3->click();
        QCOMPARE(p->ui.questions().last(), QString("Παρακαλώ επιβεβαιώστε τη διαγραφή του πολίτη"));
        QVERIFY(CitizenStore::exists(a));
        int listAt = 0;
        p->ui.onExecOnce["LISTAPOLDlg"] << [&](QDialog *d) {
            listAt = p->dm().TblPOLITES->integer("AUTONUM");
            return test::rejectDialog(d);
        };
        p->ui.answers << true;
        e->BitBtn3->click();
        QVERIFY(!CitizenStore::exists(a));
        QCOMPARE(Store::instance().scalar("SELECT COUNT(*) FROM POLITES_Synypops WHERE POLITESID = ?", {a}).toInt(), 0);
        QCOMPARE(Store::instance().scalar("SELECT COUNT(*) FROM SpecialNotes WHERE POLITES_ID = ?", {a}).toInt(), 1);
        QTRY_VERIFY(!editor());
        QTRY_COMPARE(listAt, b); // the list comes back on the neighbouring citizen
    }

    void clearingThenSavingIsRefused()
    {
        const int id = fullCitizen();
        TEditPersFrm *e = edit(id);
        e->BtnDel->click();
        e->BtnSave->click();
        QCOMPARE(p->ui.messages().last(),
                 QString("Σφάλμα!Τα πεδία ΕΠΙΘΕΤΟ , ΟΝΟΜΑ είναι υποχρεωτικά για την αποθήκευση."));
        QCOMPARE(CitizenStore::load(id)["EPITHETO"].toString(), QString("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
        // A refused save on return keeps the screen open.
        p->ui.answers << true;
        e->CancelBtn->click();
        QVERIFY(editor());
    }

    void vocativesFollowTheFirstName()
    {
        TEditPersFrm *e = edit(fullCitizen());
        e->EdtOnoma->clear();
        QCOMPARE(e->CmbKLHTIKH->count(), 0);
        test::typeText(e->EdtOnoma, "ΓΙΑΝΝΗΣ");
        QCOMPARE(e->CmbKLHTIKH->count(), 2);
        QCOMPARE(e->CmbKLHTIKH->itemText(1), QString("ΑΓΙΕ ΓΙΑΝΝΗ"));
    }

    void mailWebAndPrint()
    {
        FakeDesktop d;
        Desktop::setInstance(&d);
        TEditPersFrm *e = edit(fullCitizen());
        e->SpeedButton14->click();
        e->SpeedButton15->click();
        e->EdtWEB->setText("javascript:alert(1)");
        e->SpeedButton15->click();
        e->EdtEMAIL->clear();
        e->SpeedButton14->click();
        Desktop::setInstance(nullptr);
        QCOMPARE(d.opened.size(), 2);
        QCOMPARE(d.opened[0].toString(), QString("mailto:nikos@example.gr?Subject=&Body="));
        QCOMPARE(d.opened[1].toString(), QString("http://www.example.gr"));

        e->BBtnPrint->click();
        QCOMPARE(p->ui.printouts.size(), 1);
        QCOMPARE(p->ui.printouts[0].pages.size(), 1);
        QCOMPARE(p->ui.printouts[0].pages[0].images, 1);
    }
};

QTEST_MAIN(TstEditPers)
#include "tst_editpers.moc"
