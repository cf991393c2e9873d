// The entry screen, driven through its widgets: a full citizen stored field by field, the
// defaults, the cascades, the name day and vocatives, the votes, the refusals, a save that
// fails midway, clearing and the note buttons.
#include "citizens/CitizenScreens.h"
#include "widgets/DbControls.h"
#include "shell/EntryKeys.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"
#include "data/Store.h"
#include "citizens/UntIdiothta.h"
#include "citizens/UntNOTES.h"
#include "citizens/UntNewPers.h"
#include "citizens/UntSpecialNotes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace dorvani;
using test::Program;

namespace {

void leave(QWidget *w)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(w, &out);
}

QVariant stored(const QString &field, int autonum)
{
    return Store::instance().scalar(QString("SELECT %1 FROM POLITES WHERE AUTONUM = ?").arg(field), {autonum});
}

QString typeOf(const QString &field, int autonum)
{
    return Store::instance()
        .scalar(QString("SELECT typeof(%1) FROM POLITES WHERE AUTONUM = ?").arg(field), {autonum})
        .toString();
}

} // namespace

class TstNewPers : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    test::RegisterFixture f;
    TNewPersFrm *frm = nullptr;

    TNewPersFrm *open()
    {
        p->main()->action("ΝΕΟI")->trigger();
        for (QWidget *w : p->main()->openChildren())
            if (auto *f = qobject_cast<TNewPersFrm *>(w))
                return f;
        return nullptr;
    }
    int lastCitizen() { return Store::instance().scalar("SELECT MAX(AUTONUM) FROM POLITES").toInt(); }
    int rows(const QString &table) { return Store::instance().scalar("SELECT COUNT(*) FROM " + table).toInt(); }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        f = test::RegisterFixture::fill();
        frm = open();
        QVERIFY(frm);
    }
    void cleanup()
    {
        p.reset();
        frm = nullptr;
    }

    void opensOnceWithTheDefaults()
    {
        QCOMPARE(frm->windowTitle(), QString("ΝΕΟΙ ΠΟΛΙΤΕΣ"));
        QVERIFY(p->main()->action("ΝΕΟI")->isEnabled());
        QCOMPARE(open(), frm); // the open screen comes to the front
        QCOMPARE(p->main()->openChildren().size(), 1);
        QCOMPARE(frm->DBLookupComboBox6->text(), QString("ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(frm->DBLookupComboBox12->text(), QString("Ν.Ο. ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(frm->DBLookupComboBox1->text(), QString("ΕΛΛΗΝΙΚΗ"));
        QCOMPARE(frm->RadioGroup4->itemIndex(), 1); // ΟΧΙ
        QCOMPARE(frm->RadioGroup2->itemIndex(), 1);
        QCOMPARE(frm->RadioGroup1->itemIndex(), -1);
        QCOMPARE(frm->ComboBox1->currentIndex(), -1);
        QVERIFY(!frm->BBtnSpecialNotes->isEnabled());
        QVERIFY(!frm->BBtnInfo->isEnabled());
        // The town list holds the towns of the home prefecture.
        QCOMPARE(frm->DBLookupComboBox3->count(), 3);
        QCOMPARE(frm->ChkBox2->count(), 2);
        QCOMPARE(frm->ChkBox2->item(0)->text(), QString("ΕΝΟΡΙΑ")); // influences by name
        QCOMPARE(frm->votes->rowCount(), 2);
        QCOMPARE(frm->ComboBox3->count(), 14);
    }

    void aFullCitizenIsStoredFieldByField()
    {
        test::typeText(frm->EdtEpitheto, "παπαδοπουλος");
        test::typeText(frm->EdtOnoma, "νικος");
        leave(frm->EdtOnoma);
        QCOMPARE(frm->MskCelebr->displayText(), QString("06/12"));
        QCOMPARE(frm->CmbKLHTIKH->count(), 2);
        frm->CmbKLHTIKH->setCurrentIndex(1);
        test::typeText(frm->EdtPatr, "ΓΕΩΡΓΙΟΣ");
        test::typeText(frm->EdtMhtr, "ΜΑΡΙΑ");
        QVERIFY(frm->DBLookupComboBox13->selectText("ΑΝΩΤΑΤΗ"));
        QVERIFY(frm->DBLookupComboBox2->selectText("ΓΙΑΤΡΟΣ"));
        test::typeText(frm->Edit1, "οδός 3");
        test::typeText(frm->Edit2, "22100α");
        QVERIFY(frm->DBLookupComboBox3->selectText("ΚΑΨΑΣ"));
        QCOMPARE(frm->DBLookupComboBox4->text(), QString("ΤΡΙΠΟΛΗΣ"));
        QCOMPARE(frm->DBLookupComboBox5->text(), QString("ΜΑΝΤΙΝΕΙΑΣ"));
        QCOMPARE(frm->DBLookupComboBox6->text(), QString("ΑΡΚΑΔΙΑΣ"));
        frm->EdtBirthDay->setCursorPosition(0);
        test::typeText(frm->EdtBirthDay, "05031961");
        frm->RadioGroup4->setItemIndex(0);
        p->ui.onExec["IdiothtaDlg"] = [](QDialog *d) {
            auto *dlg = static_cast<TIdiothtaDlg *>(d);
            dlg->ChkBox1->item(12)->setCheckState(Qt::Checked);
            dlg->ChkBox1->item(4)->setCheckState(Qt::Checked);
            dlg->BitBtn1->click();
            return d->result();
        };
        frm->BtnIdiothta->click();
        QCOMPARE(frm->Edit5->text(), QString("ΝΟΜΑΡΧΗΣ ΠΡΩΗΝ"));
        frm->ComboBox1->setCurrentIndex(2);
        frm->ComboBox3->setCurrentIndex(13);
        QVERIFY(frm->DBLookupComboBox7->selectText("ΑΡΚΑΔΙΑΣ  ΤΡΙΠΟΛΗΣ / 1ο ΔΗΜΟΤΙΚΟ  ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ"));
        QVERIFY(frm->DBLookupComboBox8->selectText("ΠΛΑΤΕΙΑΣ"));
        QCOMPARE(frm->DBLookupComboBox10->text(), QString("Τ.Ο. ΤΡΙΠΟΛΗΣ"));
        QCOMPARE(frm->DBLookupComboBox11->text(), QString("Ν.Ε. ΚΕΝΤΡΟΥ"));
        QVERIFY(frm->DBLookupComboBox9->selectText("ΤΑΚΤΙΚΟ"));
        frm->RadioGroup1->setItemIndex(1);
        frm->RadioGroup3->setItemIndex(1);
        test::typeText(frm->Edit3->edit(), "4");
        test::typeText(frm->EdtTELO[0], "2710222222");
        test::typeText(frm->EdtTELE[4], "2710333333");
        test::typeText(frm->Edit10, "6944444444");
        test::typeText(frm->EdtFAX, "2710555555");
        test::typeText(frm->EdtEMAIL, "nikos@example.gr");
        test::typeText(frm->EdtWEB, "www.example.gr");
        QVERIFY(frm->DBLookupComboBox14->selectText("ΑΞΙΟΠΙΣΤΟΣ"));
        frm->ChkLstEpafes->item(0)->setCheckState(Qt::Checked);
        frm->ChkLstEpafes->item(2)->setCheckState(Qt::Checked);
        frm->ChkBox2->item(1)->setCheckState(Qt::Checked); // ΣΥΛΛΟΓΟΣ
        test::typeText(frm->Edit17, "3");
        test::typeText(frm->Edit18, "2");
        QCOMPARE(frm->Label25->text(), QString("ΣΥΝΟΛΟ ΨΗΦΩΝ 5"));
        QCOMPARE(frm->votes->votes("ΑΛΦΑ ΑΛΦΑΣ").toInt(), 5);
        frm->votes->setData(frm->votes->index(1, 1), "7", Qt::EditRole);
        test::typeText(frm->Edit12, "10");
        test::typeText(frm->Edit13, "8");
        test::typeText(frm->Edit4, "ΑΒ123");
        p->ui.onExec["NOTESDlg"] = [](QDialog *d) {
            test::typeText(static_cast<TNOTESDlg *>(d)->RichEdit1, "καλός φίλος");
            return test::acceptDialog(d);
        };
        frm->BitBtn2->click();

        frm->BtnSave->click();
        QCOMPARE(p->ui.messages().last(), QString("Η αποθήκευση ολοκληρώθηκε"));
        const int id = lastCitizen();
        QCOMPARE(frm->citizenNumber(), id);
        QVERIFY(frm->BBtnSpecialNotes->isEnabled());
        QVERIFY(frm->BBtnInfo->isEnabled());

        const QList<QPair<QString, QVariant>> expected = {
            {"EPITHETO", "ΠΑΠΑΔΟΠΟΥΛΟΣ"},
            {"ONOMA", "ΝΙΚΟΣ"},
            {"PATR", "ΓΕΩΡΓΙΟΣ"},
            {"MHTR", "ΜΑΡΙΑ"},
            {"KLHTIKH", "ΝΙΚΟΛΑ"},
            {"ETHNIKOTHTA", "ΕΛΛΗΝΙΚΗ"},
            {"MORFOSH", f.morfosh},
            {"EPAGELMA", "ΓΙΑΤΡΟΣ"},
            {"ADDRESS", "ΟΔΟΣ 3"},
            {"TK", "22100"},
            {"POLH", f.kapsas},
            {"DHMOS", f.tripolis},
            {"EPARXIA", f.mantineia},
            {"NOMOS", f.arkadia},
            {"BIRTHDAY", "05/03/1961"},
            {"CELEBRDAY", "06/12"},
            {"ETERODHMOTHS", 0},
            {"SYMAXIA", 1},
            {"IDIOTHTA", "4,12"},
            {"SXESH", 2},
            {"KOMA", 13},
            {"ASKHSH", f.centre},
            {"PYRHNASID", f.cell},
            {"MelosID", f.melos},
            {"TO_ID", f.to},
            {"NE_ID", f.ne},
            {"NO_ID", f.no},
            {"FYLO", 1},
            {"OIKOGKAT", 1},
            {"MELHOIKOG", 4},
            {"TELO_1", "2710222222"},
            {"TELO_2", ""},
            {"TELE_5", "2710333333"},
            {"MOBILE1", "6944444444"},
            {"FAX", "2710555555"},
            {"EMAIL", "nikos@example.gr"},
            {"WEB", "www.example.gr"},
            {"AKSIOLOGHSH", f.aksiologhsh},
            {"EPAFES", "0,2"},
            {"EPIROH", QString::number(f.influenceA)},
            {"AVOTE", 3},
            {"PVOTE", 2},
            {"P_PSHFOI", 10},
            {"PSHFOI_P", 8},
            {"DATA1", "ΑΒ123"},
            {"NOTES", "ΚΑΛΟΣ ΦΙΛΟΣ"},
        };
        for (const auto &[field, value] : expected)
            QVERIFY2(stored(field, id).toString() == value.toString(),
                     qPrintable(field + ": " + stored(field, id).toString() + " != " + value.toString()));
        QCOMPARE(typeOf("PROORISMOSID", id), QString("null"));
        QCOMPARE(Store::instance()
                     .scalar("SELECT group_concat(SYNYPOPS || '=' || VOTES, ';') FROM (SELECT * FROM POLITES_Synypops "
                             "WHERE POLITESID = ? ORDER BY AUTONUM)",
                             {id})
                     .toString(),
                 QString("ΑΛΦΑ ΑΛΦΑΣ=5;ΒΗΤΑ ΒΗΤΑΣ=7"));

        // Saving the same again is refused as a duplicate.
        frm->BtnSave->click();
        QCOMPARE(p->ui.messages().last(), QString("Υπάρχει καταχωρημένος ο πολίτης με αυτό Επίθετο , Ονομα , Πατρώνυμο."));
        QCOMPARE(rows("POLITES"), 1);
    }

    void untouchedPageStoresTheDefaults()
    {
        test::typeText(frm->EdtEpitheto, "ΑΛΕΞΙΟΥ");
        test::typeText(frm->EdtOnoma, "ΑΡΗΣ");
        frm->BtnSave->click();
        const int id = lastCitizen();
        QCOMPARE(stored("BIRTHDAY", id).toString(), QString("XX/XX/XXXX"));
        QCOMPARE(stored("CELEBRDAY", id).toString(), QString("XX/XX"));
        QCOMPARE(stored("SXESH", id).toInt(), -1);
        QCOMPARE(stored("KOMA", id).toInt(), -1);
        QCOMPARE(stored("NOMOS", id).toInt(), f.arkadia);
        QCOMPARE(stored("NO_ID", id).toInt(), f.no);
        QCOMPARE(stored("ETHNIKOTHTA", id).toString(), QString("ΕΛΛΗΝΙΚΗ"));
        for (const char *empty : {"FYLO", "OIKOGKAT", "EPARXIA", "DHMOS", "POLH", "NE_ID", "TO_ID", "PYRHNASID",
                                  "AVOTE", "MELHOIKOG", "MORFOSH"})
            QVERIFY2(typeOf(empty, id) == "null", empty);
        for (const char *text : {"EPAFES", "EPIROH", "IDIOTHTA", "KLHTIKH", "TELO_1", "NOTES", "EPAGELMA"})
            QVERIFY2(typeOf(text, id) == "text" && stored(text, id).toString().isEmpty(), text);
        QCOMPARE(Store::instance().scalar("SELECT COUNT(*) FROM POLITES_Synypops WHERE POLITESID = ?", {id}).toInt(), 2);

        // A birthday without year.
        frm->BtnDel->click();
        test::typeText(frm->EdtEpitheto, "ΒΑΣΙΛΕΙΟΥ");
        test::typeText(frm->EdtOnoma, "ΑΡΗΣ");
        frm->EdtBirthDay->setCursorPosition(0);
        test::typeText(frm->EdtBirthDay, "2902");
        frm->BtnSave->click();
        QCOMPARE(stored("BIRTHDAY", lastCitizen()).toString(), QString("29/02/XXXX"));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("birthday");
        QTest::addColumn<QString>("nameDay");
        QTest::addColumn<QString>("message");
        const QString mandatory = "Σφάλμα!Τα πεδία ΕΠΙΘΕΤΟ , ΟΝΟΜΑ είναι υποχρεωτικά για την αποθήκευση.";
        QTest::newRow("no surname") << "" << "ΑΡΗΣ" << "" << "" << mandatory;
        QTest::newRow("blank name") << "ΑΛΕΞΙΟΥ" << "   " << "" << "" << mandatory;
        QTest::newRow("31 February") << "Α" << "Β" << "31021990" << "" << "Η ημερομηνία γέννησης";
        QTest::newRow("month 13") << "Α" << "Β" << "0013" << "" << "Η ημερομηνία γέννησης";
        QTest::newRow("half a year") << "Α" << "Β" << "010119" << "" << "Η ημερομηνία γέννησης";
        QTest::newRow("name day 30/02") << "Α" << "Β" << "" << "3002" << "Η ημερομηνία της γιορτής";
    }
    void refusals()
    {
        QFETCH(QString, surname);
        QFETCH(QString, name);
        QFETCH(QString, birthday);
        QFETCH(QString, nameDay);
        QFETCH(QString, message);
        test::typeText(frm->EdtEpitheto, surname);
        test::typeText(frm->EdtOnoma, name);
        frm->EdtBirthDay->setCursorPosition(0);
        test::typeText(frm->EdtBirthDay, birthday);
        frm->MskCelebr->setCursorPosition(0);
        test::typeText(frm->MskCelebr, nameDay);
        frm->BtnSave->click();
        QVERIFY2(p->ui.messages().last().startsWith(message), qPrintable(p->ui.messages().last()));
        QCOMPARE(rows("POLITES"), 0);
        // Returning with the save refused keeps the screen and what was typed.
        p->ui.answers << true;
        frm->CancelBtn->click();
        if (!surname.trimmed().isEmpty()) {
            QCOMPARE(p->main()->openChildren().size(), 1);
            QCOMPARE(frm->EdtEpitheto->text(), surname);
        }
    }

    void returning()
    {
        // With an empty surname the screen closes without asking.
        frm->CancelBtn->click();
        QVERIFY(p->ui.questions().isEmpty());
        QTRY_COMPARE(p->main()->openChildren().size(), 0);
        frm = open();
        test::typeText(frm->EdtEpitheto, "ΑΛΕΞΙΟΥ");
        test::typeText(frm->EdtOnoma, "ΑΡΗΣ");
        p->ui.answers << true;
        frm->CancelBtn->click();
        QCOMPARE(p->ui.questions().last(), QString("Θέλετε να αποθηκεύσετε τις αλλαγές;"));
        QCOMPARE(rows("POLITES"), 1);
        QTRY_COMPARE(p->main()->openChildren().size(), 0);
        frm = open();
        test::typeText(frm->EdtEpitheto, "ΑΛΕΞΙΟΥ");
        p->ui.answers << false;
        frm->CancelBtn->click();
        QCOMPARE(rows("POLITES"), 1);
        QTRY_COMPARE(p->main()->openChildren().size(), 0);
    }

    void cascades()
    {
        QVERIFY(frm->DBLookupComboBox3->selectText("ΔΗΜΗΤΣΑΝΑ"));
        QCOMPARE(frm->DBLookupComboBox4->text(), QString("ΔΗΜΗΤΣΑΝΑΣ"));
        QCOMPARE(frm->DBLookupComboBox5->text(), QString("ΓΟΡΤΥΝΙΑΣ"));
        // Choosing a prefecture blanks town, municipality and province and lists its towns.
        QVERIFY(frm->DBLookupComboBox6->selectText("ΑΧΑΪΑΣ"));
        QCOMPARE(frm->DBLookupComboBox3->text(), QString());
        QCOMPARE(frm->DBLookupComboBox4->text(), QString());
        QCOMPARE(frm->DBLookupComboBox5->text(), QString());
        QCOMPARE(frm->DBLookupComboBox3->count(), 1);
        QCOMPARE(frm->DBLookupComboBox5->count(), 1); // the provinces of the chosen prefecture
        QVERIFY(frm->DBLookupComboBox5->selectText("ΠΑΤΡΩΝ"));
        QCOMPARE(frm->DBLookupComboBox6->text(), QString("ΑΧΑΪΑΣ"));
        QVERIFY(frm->DBLookupComboBox4->selectText("ΠΑΤΡΕΩΝ"));
        QCOMPARE(frm->DBLookupComboBox5->text(), QString("ΠΑΤΡΩΝ"));
        QCOMPARE(frm->Edit2->text(), QString()); // the postal code is typed, never filled

        // Party: a cell fills T.O., N.E. and N.O.; an N.O. blanks them.
        QVERIFY(frm->DBLookupComboBox8->selectText("ΠΛΑΤΕΙΑΣ"));
        QCOMPARE(frm->DBLookupComboBox10->text(), QString("Τ.Ο. ΤΡΙΠΟΛΗΣ"));
        QCOMPARE(frm->DBLookupComboBox11->text(), QString("Ν.Ε. ΚΕΝΤΡΟΥ"));
        QCOMPARE(frm->DBLookupComboBox12->text(), QString("Ν.Ο. ΑΡΚΑΔΙΑΣ"));
        QVERIFY(frm->DBLookupComboBox12->selectText("Ν.Ο. ΑΧΑΪΑΣ"));
        QCOMPARE(frm->DBLookupComboBox8->text(), QString());
        QCOMPARE(frm->DBLookupComboBox10->text(), QString());
        QCOMPARE(frm->DBLookupComboBox11->text(), QString());
        QCOMPARE(frm->DBLookupComboBox8->count(), 0); // no cells in that organisation
        QVERIFY(frm->DBLookupComboBox12->selectText("Ν.Ο. ΑΡΚΑΔΙΑΣ"));
        QVERIFY(frm->DBLookupComboBox11->selectText("Ν.Ε. ΚΕΝΤΡΟΥ"));
        QVERIFY(frm->DBLookupComboBox10->selectText("Τ.Ο. ΤΡΙΠΟΛΗΣ"));
        QCOMPARE(frm->DBLookupComboBox8->count(), 1);
    }

    void townsInGreekOrderWithTheirMunicipalityWhenNamesRepeat()
    {
        const QString town = "INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH) VALUES (?, ?, ?, ?)";
        Store::instance().exec(town, {f.arkadia, f.gortynia, f.dimitsana, "ΑΓΙΟΣ ΓΕΩΡΓΙΟΣ"});
        Store::instance().exec(town, {f.arkadia, f.mantineia, f.tripolis, "ΑΓΙΟΣ ΓΕΩΡΓΙΟΣ"});
        Store::instance().exec(town, {f.arkadia, f.mantineia, f.tripolis, "ΑΛΕΑ"});
        frm->clearPage();
        QStringList shown;
        for (int i = 0; i < frm->DBLookupComboBox3->count(); ++i)
            shown << frm->DBLookupComboBox3->itemText(i);
        QCOMPARE(shown, (QStringList{"ΑΓΙΟΣ ΓΕΩΡΓΙΟΣ (ΔΗΜΗΤΣΑΝΑΣ)", "ΑΓΙΟΣ ΓΕΩΡΓΙΟΣ (ΤΡΙΠΟΛΗΣ)", "ΑΛΕΑ", "ΔΗΜΗΤΣΑΝΑ",
                                     "ΚΑΨΑΣ", "ΤΡΙΠΟΛΗ"}));
        // The namesake chosen is the one stored, with its own municipality.
        QVERIFY(frm->DBLookupComboBox3->selectText("ΑΓΙΟΣ ΓΕΩΡΓΙΟΣ (ΤΡΙΠΟΛΗΣ)"));
        QCOMPARE(frm->DBLookupComboBox4->text(), QString("ΤΡΙΠΟΛΗΣ"));
        QCOMPARE(frm->DBLookupComboBox5->text(), QString("ΜΑΝΤΙΝΕΙΑΣ"));
        test::typeText(frm->EdtEpitheto, "ΑΒΡΑΜΙΔΗΣ");
        test::typeText(frm->EdtOnoma, "ΠΕΤΡΟΣ");
        frm->BtnSave->click();
        QCOMPARE(stored("DHMOS", lastCitizen()).toInt(), f.tripolis);
        QCOMPARE(Store::instance()
                     .scalar("SELECT DHMOS FROM POLEIS WHERE AUTONUM = ?", {stored("POLH", lastCitizen())})
                     .toInt(),
                 f.tripolis);
    }

    void votesTotal()
    {
        test::typeText(frm->Edit17, "3");
        QCOMPARE(frm->Label25->text(), QString("ΣΥΝΟΛΟ ΨΗΦΩΝ "));
        test::typeText(frm->Edit18, "2");
        QCOMPARE(frm->Label25->text(), QString("ΣΥΝΟΛΟ ΨΗΦΩΝ 5"));
        QCOMPARE(frm->votes->votes("ΑΛΦΑ ΑΛΦΑΣ").toInt(), 5);
        frm->Edit18->clear();
        QCOMPARE(frm->Label25->text(), QString("ΣΥΝΟΛΟ ΨΗΦΩΝ "));
        QCOMPARE(frm->votes->votes("ΑΛΦΑ ΑΛΦΑΣ").toInt(), 5);
        // Another entry screen... the page keeps its own votes: the table's scratch column is untouched.
        QVERIFY(Store::instance().scalar("SELECT MAX(Votes) FROM Synypops").isNull());
    }

    void aFailedSaveLeavesNoRows()
    {
        Store::instance().exec("CREATE TRIGGER refuse BEFORE INSERT ON POLITES_Synypops WHEN NEW.SYNYPOPS = 'ΒΗΤΑ ΒΗΤΑΣ' "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        test::typeText(frm->EdtEpitheto, "ΑΛΕΞΙΟΥ");
        test::typeText(frm->EdtOnoma, "ΑΡΗΣ");
        frm->BtnSave->click();
        QCOMPARE(p->ui.messages().last(), QString("Παρουσιάστηκε σφάλμα στην αποθήκευση."));
        QCOMPARE(rows("POLITES"), 0);
        QCOMPARE(rows("POLITES_Synypops"), 0);
        QCOMPARE(frm->citizenNumber(), 0);
        QVERIFY(!frm->BBtnSpecialNotes->isEnabled());
        QCOMPARE(frm->EdtEpitheto->text(), QString("ΑΛΕΞΙΟΥ")); // the page keeps its contents
    }

    void clearingAndTheNoteButtons()
    {
        test::typeText(frm->EdtEpitheto, "ΑΛΕΞΙΟΥ");
        test::typeText(frm->EdtOnoma, "ΑΡΗΣ");
        test::typeText(frm->EdtTELO[1], "2710000000");
        test::typeText(frm->EdtFAX, "2710999999");
        frm->ChkBox2->item(0)->setCheckState(Qt::Checked);
        frm->ChkLstEpafes->item(1)->setCheckState(Qt::Checked);
        frm->BtnSave->click();
        const int first = frm->citizenNumber();
        QVERIFY(first > 0);

        // The confidential notes need full access.
        Access::setFull(false);
        frm->BBtnSpecialNotes->click();
        QCOMPARE(p->ui.messages().last(), QString("Η πρόσβαση δεν επιτρέπεται!"));
        Access::setFull(true);
        QString heading;
        int citizen = -1;
        p->ui.onExec["SpecialNotesFrm"] = [&](QDialog *d) {
            auto *s = static_cast<TSpecialNotesFrm *>(d);
            heading = s->LblEPAFES->text();
            citizen = s->citizen();
            return test::rejectDialog(d);
        };
        frm->BBtnSpecialNotes->click();
        QCOMPARE(heading, QString("ΕΠΑΦΕΣ : ΑΛΕΞΙΟΥ  ΑΡΗΣ"));
        QCOMPARE(citizen, first);
        Access::setFull(false);

        // Typing another name leaves the buttons without a citizen until it is saved.
        test::typeText(frm->EdtOnoma, "Σ");
        QVERIFY(!frm->BBtnSpecialNotes->isEnabled());
        QVERIFY(!frm->BBtnInfo->isEnabled());

        frm->BtnDel->click();
        QCOMPARE(frm->EdtEpitheto->text(), QString());
        QCOMPARE(frm->EdtFAX->text(), QString());
        QCOMPARE(frm->EdtTELO[1]->text(), QString("2710000000")); // telephones stay
        QCOMPARE(frm->ChkBox2->item(0)->checkState(), Qt::Checked); // and influence ticks
        QCOMPARE(frm->ChkLstEpafes->item(1)->checkState(), Qt::Unchecked);
        QCOMPARE(frm->citizenNumber(), first); // clearing keeps the number
        QVERIFY(!frm->BBtnSpecialNotes->isEnabled());
    }
};

QTEST_MAIN(TstNewPers)
#include "tst_newpers.moc"
