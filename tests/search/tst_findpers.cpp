// The citizen search screen, driven through its widgets: one instance brought to the front
// as it is, the home prefecture, the reset and the clearing, the cascades, the capacities,
// the keyboard, and the search itself: the field chooser, no rows, a rejected statement,
// a digit field that is not a number, and the hand-off of the found rows.
#include "citizens/CitizenPage.h"
#include "citizens/CitizenScreens.h"
#include "widgets/DbControls.h"
#include "ProgramFixture.h"
#include "search/SearchScreens.h"
#include "SearchTestSupport.h"
#include "search/UntFindPers.h"
#include "citizens/UntIdiothta.h"
#include "search/UntPedia.h"
#include "search/UntSearchRes.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace dorvani;
using test::Program;

class TstFindPers : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    test::RegisterFixture f;
    test::SearchCitizens c;

    TFindPersFrm *screen()
    {
        for (QWidget *w : p->main()->openChildren())
            if (auto *s = qobject_cast<TFindPersFrm *>(w))
                return s;
        return nullptr;
    }
    TFindPersFrm *open()
    {
        QAction *a = p->main()->action("ΑΝΑΖΗΤΗΣΗ");
        if (!a || !a->isEnabled() || p->main()->screenOf(a) != "TFindPersFrm")
            return nullptr;
        a->trigger();
        return screen();
    }
    // The chooser confirmed with surname and first name; the results screen recorded.
    struct Shown {
        bool results = false;
        QString description, count;
    };
    Shown searchWithChooser(TFindPersFrm *s)
    {
        Shown shown;
        p->ui.onExecOnce["PediaDlg"].enqueue([](QDialog *d) {
            auto *dlg = static_cast<TPediaDlg *>(d);
            dlg->ChkPedia->item(1)->setCheckState(Qt::Checked);
            dlg->ChkPedia->item(2)->setCheckState(Qt::Checked);
            dlg->BitBtn1->click();
            return d->result();
        });
        p->ui.onExecOnce["SearchResDlg"].enqueue([&shown](QDialog *d) {
            auto *r = static_cast<TSearchResDlg *>(d);
            shown.results = true;
            shown.description = r->Label6->text();
            shown.count = r->Label1->text();
            return int(QDialog::Rejected);
        });
        s->BtnFind->click();
        p->ui.onExecOnce.remove("SearchResDlg");
        return shown;
    }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        f = test::RegisterFixture::fill();
        c = test::SearchCitizens::fill(f);
        p->ui.clearLog();
    }
    void cleanup() { p.reset(); }

    void opensOnceAndComesBackAsItWas()
    {
        TFindPersFrm *s = open();
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QString("ΑΝΑΖΗΤΗΣΗ ΠΟΛΙΤΩΝ"));
        QCOMPARE(s->objectName(), QString("FindPersFrm"));
        QVERIFY(qobject_cast<QMdiSubWindow *>(s->parentWidget())->isMaximized());
        QCOMPARE(s->DBLookupComboBox6->text(), QString("ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(s->DBLookupComboBox3->count(), 3); // the towns of the home prefecture
        QCOMPARE(s->DBLookupComboBox3->text(), QString());
        QCOMPARE(s->ChkBox2->count(), 2);
        QCOMPARE(s->ChkBox2->item(0)->text(), QString("ΕΝΟΡΙΑ"));
        QCOMPARE(s->ChkLstEpafes->count(), 6);
        QCOMPARE(s->ComboBox3->count(), 14);
        QCOMPARE(s->EdtBirthDay->displayText(), QString("XX/XX"));
        QCOMPARE(s->BtnDel->toolTip(), QString("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ ΤΩΝ ΒΑΣΙΚΩΝ"));

        s->EdtEpitheto->setText("ΠΑΠ*");
        s->DBLookupComboBox6->selectText("ΑΧΑΪΑΣ");
        QCOMPARE(open(), s); // brought to the front without a reset
        QCOMPARE(s->EdtEpitheto->text(), QString("ΠΑΠ*"));
        QCOMPARE(s->DBLookupComboBox6->text(), QString("ΑΧΑΪΑΣ"));
        QCOMPARE(p->main()->openChildren().size(), 1);

        // The address labeller greets first and then shows the same screen.
        p->main()->action("ΔΙΕΥΘΥΝΣΙΟΓΡΑΦΟΣ")->trigger();
        QVERIFY(p->ui.messages().last().startsWith("Καλώς ήρθατε στον έξυπνο Διευθυνσιογράφο"));
        QCOMPARE(screen(), s);
        QCOMPARE(s->EdtEpitheto->text(), QString("ΠΑΠ*"));

        // Closed, it is built afresh the next time.
        s->CancelBtn->click();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen());
        TFindPersFrm *again = open();
        QVERIFY(again);
        QCOMPARE(again->EdtEpitheto->text(), QString());
        QCOMPARE(again->DBLookupComboBox6->text(), QString("ΑΡΚΑΔΙΑΣ"));
    }

    void aFreshScreenSearchesTheHomePrefecture()
    {
        TFindPersFrm *s = open();
        const Shown shown = searchWithChooser(s);
        QVERIFY(shown.results);
        QCOMPARE(shown.description, QString("ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(shown.count, QString("Βρέθηκαν 3 εγγραφές"));
        QCOMPARE(p->dm().SearchQry->sql(), QString("Select * From POLITES Where \nNOMOS = %1").arg(f.arkadia));
        // A first search offers the list's usual columns; the ones confirmed are kept.
        QCOMPARE(TPediaDlg::savedChoice(), QString("1,2,4,9,11,31"));
        // The criteria stay for a refined search.
        QCOMPARE(s->DBLookupComboBox6->text(), QString("ΑΡΚΑΔΙΑΣ"));
    }

    void clearingKeepsTelephonesAndEndDays()
    {
        TFindPersFrm *s = open();
        s->EdtEpitheto->setText("ΠΑΠ*");
        s->EdtTELO[0]->setText("2710*");
        s->EdtBirthDay->setText("01/03");
        s->EdtBirthDayEos->setText("05/03");
        s->MskCelebrEos->setText("10/10");
        s->Edit17->setText("3");
        s->ChkMemos->setChecked(true);
        s->RadioGroup1->setItemIndex(1);
        s->ComboBox1->setCurrentIndex(2);
        s->ChkLstEpafes->item(1)->setCheckState(Qt::Checked);
        s->ChkBox2->item(0)->setCheckState(Qt::Checked);
        QVERIFY(s->DBLookupComboBox13->selectText("ΑΝΩΤΑΤΗ"));
        s->BtnDel->click();
        QCOMPARE(s->DBLookupComboBox6->text(), QString()); // the prefecture box too
        QCOMPARE(s->DBLookupComboBox3->count(), 3);        // still the home prefecture's towns
        QCOMPARE(s->EdtEpitheto->text(), QString());
        QCOMPARE(s->Edit17->text(), QString());
        QVERIFY(!s->ChkMemos->isChecked());
        QCOMPARE(s->RadioGroup1->itemIndex(), -1);
        QCOMPARE(s->ComboBox1->currentIndex(), -1);
        QCOMPARE(s->ChkLstEpafes->item(1)->checkState(), Qt::Unchecked);
        QCOMPARE(s->ChkBox2->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(s->DBLookupComboBox13->text(), QString());
        QCOMPARE(s->EdtBirthDay->displayText(), QString("XX/XX"));
        QCOMPARE(s->EdtBirthDayEos->displayText(), QString("05/03")); // the "to" fields keep their days
        QCOMPARE(s->MskCelebrEos->displayText(), QString("10/10"));
        QCOMPARE(s->EdtTELO[0]->text(), QString("2710*")); // and the telephones their numbers
        BuiltSearch b = SearchBuilder::build(s->criteria());
        QCOMPARE(b.sql(), QString("Select * From POLITES Where \nTELO_1 LIKE '2710%'"));
        QCOMPARE(b.description, QString("1)ΤΗΛ.ΟΙΚΙΑΣ=2710*"));
        s->EdtTELO[0]->clear();
        QCOMPARE(SearchBuilder::build(s->criteria()).sql(), QString("Select * From POLITES"));

        // Nothing found on a register with nobody in it: the message ends with the empty description.
        Store::instance().exec("DELETE FROM POLITES");
        searchWithChooser(s);
        QCOMPARE(p->ui.messages().last(), QString("Δεν βρέθηκαν εγγραφές που να πληρούν αυτά τα κριτήρια "));
    }

    void cancellingTheChooserRunsNothing()
    {
        TFindPersFrm *s = open();
        p->dm().SearchQry->setSql("Select * From POLITES Where AUTONUM = 0");
        p->ui.onExecOnce["PediaDlg"].enqueue(test::rejectDialog);
        s->BtnFind->click();
        QCOMPARE(p->ui.dialogs(), QStringList{"PediaDlg"});
        QCOMPARE(p->dm().SearchQry->sql(), QString("Select * From POLITES Where AUTONUM = 0"));
        QVERIFY(p->ui.messages().isEmpty());
    }

    void failuresLeaveTheScreenAsItWas_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing found") << "EdtEpitheto" << "ΧΧΧ"
                                       << "Δεν βρέθηκαν εγγραφές που να πληρούν αυτά τα κριτήρια ΕΠΙΘΕΤΟ=ΧΧΧ - "
                                          "ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ";
        // A period over the new year is searched (here nobody of the prefecture has a birthday in it).
        QTest::newRow("a day range over the new year")
            << "EdtBirthDay" << "20/12"
            << "Δεν βρέθηκαν εγγραφές που να πληρούν αυτά τα κριτήρια ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ - ΓΕΝΕΘΛΙΑ ΑΠΟ 20/12 ΕΩΣ KAI 05/01";
        QTest::newRow("a pasted expression in a digit field")
            << "Edit17" << "1 OR 1=1" << "Παρουσιάστηκε σφάλμα στην αναζήτηση\n";
        QTest::newRow("letters in the family members") << "Edit3" << "ΔΥΟ" << "Παρουσιάστηκε σφάλμα στην αναζήτηση\n";
    }
    void failuresLeaveTheScreenAsItWas()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TFindPersFrm *s = open();
        s->EdtBirthDayEos->setText("05/01");
        auto *e = s->findChild<QLineEdit *>(field);
        QVERIFY(e);
        e->setText(text); // as if pasted, past the field's key handling
        const QString before = p->dm().SearchQry->sql();
        const Shown shown = searchWithChooser(s);
        QVERIFY(!shown.results);
        QVERIFY2(p->ui.messages().last().startsWith(message), qPrintable(p->ui.messages().last()));
        if (message.endsWith('\n'))
            QVERIFY(p->ui.messages().last().size() > message.size()); // the reason follows
        if (field.startsWith("Edit"))
            QCOMPARE(p->dm().SearchQry->sql(), before); // refused before any SQL
        QCOMPARE(e->displayText(), text);
        QCOMPARE(s->DBLookupComboBox6->text(), QString("ΑΡΚΑΔΙΑΣ"));
        QVERIFY(screen() == s);
    }

    void geographicCascades()
    {
        TFindPersFrm *s = open();
        QVERIFY(s->DBLookupComboBox3->selectText("ΚΑΨΑΣ"));
        QCOMPARE(s->DBLookupComboBox4->text(), QString("ΤΡΙΠΟΛΗΣ"));
        QCOMPARE(s->DBLookupComboBox5->text(), QString("ΜΑΝΤΙΝΕΙΑΣ"));
        QCOMPARE(s->DBLookupComboBox6->text(), QString("ΑΡΚΑΔΙΑΣ"));
        BuiltSearch b = SearchBuilder::build(s->criteria());
        QCOMPARE(b.condition, QString("POLH = %1 AND DHMOS = %2 AND EPARXIA = %3 AND NOMOS = %4")
                                  .arg(f.kapsas)
                                  .arg(f.tripolis)
                                  .arg(f.mantineia)
                                  .arg(f.arkadia));
        QCOMPARE(test::namesFound(b.sql()), QStringList{"ΠΑΠΑΣ ΝΙΚΟΣ"});

        // Another prefecture: the lower boxes are blanked and the towns are its own.
        QVERIFY(s->DBLookupComboBox6->selectText("ΑΧΑΪΑΣ"));
        QCOMPARE(s->DBLookupComboBox3->text(), QString());
        QCOMPARE(s->DBLookupComboBox4->text(), QString());
        QCOMPARE(s->DBLookupComboBox5->text(), QString());
        QCOMPARE(s->DBLookupComboBox3->count(), 1);
        QCOMPARE(s->DBLookupComboBox5->count(), 1); // the provinces of ΑΧΑΪΑΣ

        // A province sets the prefecture; a municipality the province and prefecture.
        s->DBLookupComboBox6->clearChoice();
        QVERIFY(s->DBLookupComboBox5->selectText("ΠΑΤΡΩΝ"));
        QCOMPARE(s->DBLookupComboBox6->text(), QString("ΑΧΑΪΑΣ"));
        s->DBLookupComboBox5->clearChoice();
        s->DBLookupComboBox6->clearChoice();
        QVERIFY(s->DBLookupComboBox4->selectText("ΠΑΤΡΕΩΝ"));
        QCOMPARE(s->DBLookupComboBox5->text(), QString("ΠΑΤΡΩΝ"));
        QCOMPARE(s->DBLookupComboBox6->text(), QString("ΑΧΑΪΑΣ"));
        QCOMPARE(s->DBLookupComboBox3->text(), QString());
    }

    void partyCascades()
    {
        TFindPersFrm *s = open();
        QCOMPARE(s->DBLookupComboBox8->count(), 1); // the cells of the current organisation
        QVERIFY(s->DBLookupComboBox8->selectText("ΠΛΑΤΕΙΑΣ"));
        QCOMPARE(s->DBLookupComboBox10->text(), QString("Τ.Ο. ΤΡΙΠΟΛΗΣ"));
        QCOMPARE(s->DBLookupComboBox11->text(), QString("Ν.Ε. ΚΕΝΤΡΟΥ"));
        QCOMPARE(s->DBLookupComboBox12->text(), QString("Ν.Ο. ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(s->cellQuery()->sql(), QString("Select * From PYRHNAS Where N_O=%1").arg(f.no));

        QVERIFY(s->DBLookupComboBox10->selectText("Τ.Ο. ΤΡΙΠΟΛΗΣ"));
        QCOMPARE(s->DBLookupComboBox8->text(), QString());
        QCOMPARE(s->cellQuery()->sql(),
                 QString("Select * From PYRHNAS Where N_O=%1\nand N_E=%2\nand T_O=%3").arg(f.no).arg(f.ne).arg(f.to));
        QVERIFY(s->DBLookupComboBox11->selectText("Ν.Ε. ΚΕΝΤΡΟΥ"));
        QCOMPARE(s->DBLookupComboBox10->text(), QString());
        QCOMPARE(s->DBLookupComboBox12->text(), QString("Ν.Ο. ΑΡΚΑΔΙΑΣ"));
        QCOMPARE(s->cellQuery()->sql(), QString("Select * From PYRHNAS Where N_O=%1\nand N_E=%2").arg(f.no).arg(f.ne));
        QVERIFY(s->DBLookupComboBox12->selectText("Ν.Ο. ΑΧΑΪΑΣ"));
        QCOMPARE(s->DBLookupComboBox11->text(), QString());
        QCOMPARE(s->cellQuery()->sql(), QString("Select * From PYRHNAS Where N_O=%1").arg(f.noAchaia));
        QCOMPARE(s->DBLookupComboBox8->count(), 0);
    }

    void capacitiesAreChosenInTheirDialog()
    {
        TFindPersFrm *s = open();
        p->ui.onExecOnce["IdiothtaDlg"].enqueue([](QDialog *d) {
            auto *dlg = static_cast<TIdiothtaDlg *>(d);
            dlg->ChkBox1->item(10)->setCheckState(Qt::Checked);
            dlg->ChkBox1->item(3)->setCheckState(Qt::Checked);
            dlg->BitBtn1->click();
            return d->result();
        });
        s->SpeedButton1->click();
        QCOMPARE(s->capacityList(), QString("3,10"));
        QCOMPARE(s->Edit5->text(), QString("ΝΟΜΑΡΧΗΣ"));
        QCOMPARE(SearchBuilder::build(s->criteria()).description,
                 QString("ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ - (ΙΔΙΟΤΗΤΑ=ΝΟΜΑΡΧΗΣ,ΝΟΜΑΡΧΙΑΚΟΣ ΣΥΜΒΟΥΛΟΣ ΠΡΩΗΝ)"));

        // A cancelled dialog keeps the chosen list; the marks changed in it stay for next time.
        QString marksShown;
        p->ui.onExecOnce["IdiothtaDlg"].enqueue([](QDialog *d) {
            static_cast<TIdiothtaDlg *>(d)->ChkBox1->item(5)->setCheckState(Qt::Checked);
            return test::rejectDialog(d);
        });
        p->ui.onExecOnce["IdiothtaDlg"].enqueue([&marksShown](QDialog *d) {
            marksShown = static_cast<TIdiothtaDlg *>(d)->list();
            return test::rejectDialog(d);
        });
        s->SpeedButton1->click();
        QCOMPARE(s->capacityList(), QString("3,10"));
        // Another screen sharing the dialog does not change the marks this one shows.
        CitizenScreens::idiothta()->setList("20");
        s->SpeedButton1->click();
        QCOMPARE(marksShown, QString("3,5,10"));

        s->BtnDel->click();
        QCOMPARE(s->capacityList(), QString());
        QCOMPARE(s->Edit5->text(), QString());
    }

    void typedGreekBecomesCapitals()
    {
        TFindPersFrm *s = open();
        test::typeText(s->EdtEpitheto, "παπαδοπουλος");
        QCOMPARE(s->EdtEpitheto->text(), QString("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
        test::typeText(s->EdtOnoma, "γιώργος");
        QCOMPARE(s->EdtOnoma->text(), QString("ΓΙΩΡΓΟΣ")); // capitals without tonos
        test::typeText(s->Edit17, "1α2");
        QCOMPARE(s->Edit17->text(), QString("12"));
        s->EdtBirthDay->setCursorPosition(0);
        test::typeText(s->EdtBirthDay, "2a802");
        QCOMPARE(s->EdtBirthDay->displayText(), QString("28/02"));
        // A text set without typing is searched in its stored form: capitals without tonos.
        s->EdtEpitheto->clear();
        s->EdtOnoma->setText("γιώργος");
        QCOMPARE(SearchBuilder::build(s->criteria()).condition.section(" AND ", 0, 0),
                 QString("(ONOMA LIKE 'ΓΙΩΡΓΟΣ')"));
    }

    void everyCriterionReachesTheRecord()
    {
        TFindPersFrm *s = open();
        s->Edit4->setText("Α1");
        s->EdtEpitheto->setText("Α");
        s->EdtOnoma->setText("Β");
        s->EdtPatr->setText("Γ");
        s->EdtMhtr->setText("Δ");
        QVERIFY(s->DBLookupComboBox1->selectText("ΕΛΛΗΝΙΚΗ"));
        QVERIFY(s->DBLookupComboBox13->selectText("ΑΝΩΤΑΤΗ"));
        QVERIFY(s->DBLookupComboBox2->selectText("ΓΙΑΤΡΟΣ"));
        s->Edit1->setText("Ε");
        s->Edit2->setText("221");
        QVERIFY(s->DBLookupComboBox3->selectText("ΤΡΙΠΟΛΗ"));
        s->EdtBirthDay->setText("01/01");
        s->EdtBirthDayEos->setText("01/01");
        s->MskCelebr->setText("02/02");
        s->MskCelebrEos->setText("02/02");
        s->RadioGroup4->setItemIndex(0);
        s->RadioGroup2->setItemIndex(1);
        s->ComboBox1->setCurrentIndex(4);
        s->ComboBox3->setCurrentIndex(13);
        QVERIFY(s->DBLookupComboBox7->selectText("ΑΡΚΑΔΙΑΣ  ΤΡΙΠΟΛΗΣ / 1ο ΔΗΜΟΤΙΚΟ  ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ"));
        QVERIFY(s->DBLookupComboBox9->selectText("ΤΑΚΤΙΚΟ"));
        QVERIFY(s->DBLookupComboBox8->selectText("ΠΛΑΤΕΙΑΣ"));
        s->RadioGroup1->setItemIndex(0);
        s->RadioGroup3->setItemIndex(3);
        s->Edit3->edit()->setText("2");
        for (int i = 0; i < 5; ++i) {
            s->EdtTELO[i]->setText(QString("1%1").arg(i));
            s->EdtTELE[i]->setText(QString("2%1").arg(i));
        }
        s->Edit10->setText("31");
        s->Edit11->setText("32");
        s->EdtFAX->setText("4");
        s->EdtEMAIL->setText("a@b");
        s->EdtWEB->setText("w");
        QVERIFY(s->DBLookupComboBox14->selectText("ΑΞΙΟΠΙΣΤΟΣ"));
        s->ChkLstEpafes->item(5)->setCheckState(Qt::Checked);
        s->ChkBox2->item(0)->setCheckState(Qt::Checked);
        s->ChkBox2->item(1)->setCheckState(Qt::Checked);
        s->Edit17->setText("1");
        s->Edit18->setText("2");
        s->Edit6->setText("3");
        s->Edit12->setText("4");
        s->Edit13->setText("5");
        s->ChkMemos->setChecked(true);
        p->ui.onExecOnce["IdiothtaDlg"].enqueue([](QDialog *d) {
            static_cast<TIdiothtaDlg *>(d)->ChkBox1->item(0)->setCheckState(Qt::Checked);
            static_cast<TIdiothtaDlg *>(d)->BitBtn1->click();
            return d->result();
        });
        s->SpeedButton1->click();

        const BuiltSearch b = SearchBuilder::build(s->criteria());
        QVERIFY(b.ok());
        QCOMPARE(int(b.condition.count(" AND ")) + 1, 54);
        QCOMPARE(int(b.description.count(" - ")) + 1, 54);
        const QString l = QString("%1,%2").arg(f.influenceB).arg(f.influenceA); // list order, by name
        QVERIFY(b.condition.contains("(EPIROH = ('" + l + "')"));
        QVERIFY(b.description.contains("ΕΠΙΡΡΟΗ ΑΠΟ=(ΕΝΟΡΙΑ,ΣΥΛΛΟΓΟΣ)"));
        QVERIFY(b.description.startsWith("ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡ.=Α1 - ΕΠΙΘΕΤΟ=Α - ΟΝΟΜΑ=Β"));
        QVERIFY(b.description.endsWith("ΨΗΦΟΔΕΛΤΙΑ ΠΟΥ ΠΑΡΑΔΟΘΗΚΑΝ=5 - ΝΑ ΕΧΕΙ ΠΑΡΑΤΗΡΗΣΕΙΣ"));
        Store::instance().exec(b.sql()); // a valid statement
        // The search runs and finds nobody.
        searchWithChooser(s);
        QVERIFY(p->ui.messages().last().startsWith("Δεν βρέθηκαν εγγραφές που να πληρούν αυτά τα κριτήρια ΕΙΔΙΚΟΣ"));
    }

    void foundRowsGoToTheScreenThatTakesThem()
    {
        TFindPersFrm *s = open();
        QStringList taken;
        SearchScreens::setResultsTaker([&taken](const QStringList &fields, const QString &description) {
            taken << QString::number(fields.size()) << description;
            return true;
        });
        Shown shown = searchWithChooser(s);
        QVERIFY(!shown.results);
        QCOMPARE(taken, (QStringList{"55", "ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ"}));
        // A taker that declines leaves the rows to the results screen.
        SearchScreens::setResultsTaker([](const QStringList &, const QString &) { return false; });
        shown = searchWithChooser(s);
        QVERIFY(shown.results);
        SearchScreens::setResultsTaker(nullptr);
    }
};

QTEST_MAIN(TstFindPers)
#include "tst_findpers.moc"
