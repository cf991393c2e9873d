// The field chooser and the results screen: the saved choice, the chosen columns and their
// widths, the count and the vote sums from SQL, a double click to a citizen's card and
// back, and the printed list with its head on every page (also as a real PDF file).
#include "platform/AppContext.h"
#include "widgets/DbControls.h"
#include "ProgramFixture.h"
#include "platform/Registry.h"
#include "search/ResultFields.h"
#include "widgets/Screens.h"
#include "search/SearchScreens.h"
#include "SearchTestSupport.h"
#include "citizens/UntEditPers.h"
#include "search/UntFindPers.h"
#include "search/UntPedia.h"
#include "search/UntPrnPedia.h"
#include "search/UntSearchRes.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace dorvani;
using test::Program;

namespace {

QString pdfText(const QString &path)
{
    QProcess p;
    p.start("pdftotext", {"-enc", "UTF-8", "-layout", path, "-"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A double click as the window system delivers it: press, release, press with the
// double-click event, release.
void doubleClick(QWidget *w, const QPoint &pos)
{
    QTest::mousePress(w, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
    QTest::mousePress(w, Qt::LeftButton, {}, pos);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &dbl);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}

} // namespace

class TstSearchRes : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    test::RegisterFixture f;
    test::SearchCitizens c;

    TSearchResDlg *results() { return SearchScreens::results(); }
    TPediaDlg *pedia() { return SearchScreens::pedia(); }

    void choose(const QList<int> &positions)
    {
        for (int i = 0; i < pedia()->ChkPedia->count(); ++i)
            pedia()->ChkPedia->item(i)->setCheckState(positions.contains(i) ? Qt::Checked : Qt::Unchecked);
    }
    // Fills the results screen with every citizen, as a search would.
    void fillWith(const QList<int> &positions, const QString &sql = "Select * From POLITES")
    {
        choose(positions);
        Query *q = p->dm().SearchQry;
        q->setSql(sql);
        q->open();
        results()->fill(results::fields(), "ΠΕΡΙΓΡΑΦΗ");
    }
    TFindPersFrm *openSearch()
    {
        p->main()->action("ΑΝΑΖΗΤΗΣΗ")->trigger();
        for (QWidget *w : p->main()->openChildren())
            if (auto *s = qobject_cast<TFindPersFrm *>(w))
                return s;
        return nullptr;
    }
    // The search screen's search with the chooser confirmed as it is.
    void search(TFindPersFrm *s, const std::function<int(QDialog *)> &onResults)
    {
        p->ui.onExecOnce["PediaDlg"].enqueue(test::acceptDialog);
        p->ui.onExecOnce["SearchResDlg"].enqueue(onResults);
        s->BtnFind->click();
    }

private slots:
    void init()
    {
        Clock::setNow(QDateTime(QDate(2024, 3, 9), QTime(10, 0)));
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        f = test::RegisterFixture::fill();
        c = test::SearchCitizens::fill(f);
        p->ui.clearLog();
    }
    void cleanup()
    {
        p.reset();
        Clock::setNow(QDateTime());
    }

    void theChooserKeepsItsChoice()
    {
        QCOMPARE(pedia()->windowTitle(), QString("ΕΠΙΛΕΞΤΕ ΠΕΔΙΑ ΕΜΦΑΝΙΣΗΣ"));
        QCOMPARE(pedia()->ChkPedia->count(), 55);
        QCOMPARE(pedia()->ChkPedia->item(24)->text(), QString("ΠΥΡΗΝΑΣ"));
        QCOMPARE(pedia()->ChkPedia->item(54)->text(), QString("ΠΑΡΑΤΗΡΗΣΕΙΣ"));
        // Items that are not positions of the list are passed over.
        TPediaDlg::saveChoice("1,2,99,x,-3");
        QList<int> shown;
        p->ui.onExecOnce["PediaDlg"].enqueue([&shown](QDialog *d) {
            auto *dlg = static_cast<TPediaDlg *>(d);
            shown = dlg->checkedPositions();
            dlg->ChkPedia->item(9)->setCheckState(Qt::Checked);
            dlg->BitBtn1->click();
            return d->result();
        });
        QCOMPARE(ui().exec(pedia()), int(QDialog::Accepted));
        QCOMPARE(shown, (QList<int>{1, 2}));
        QCOMPARE(Registry(Registry::General).readString("Pedia", "Checked"), QString("1,2,9"));

        // Shown again: the saved positions are checked, marks left from the last use stay.
        TPediaDlg::saveChoice("0");
        p->ui.onExecOnce["PediaDlg"].enqueue([&shown](QDialog *d) {
            auto *dlg = static_cast<TPediaDlg *>(d);
            shown = dlg->checkedPositions();
            dlg->ChkPedia->item(40)->setCheckState(Qt::Checked);
            dlg->BitBtn2->click();
            return d->result();
        });
        QCOMPARE(ui().exec(pedia()), int(QDialog::Rejected));
        QCOMPARE(shown, (QList<int>{0, 1, 2, 9}));
        QCOMPARE(TPediaDlg::savedChoice(), QString("0")); // a cancel writes nothing
    }

    void columnsAndTheirWidths()
    {
        const QList<int> positions = {0, 1, 4, 7, 11, 24, 46, 49};
        fillWith(positions);
        TSearchResDlg *r = results();
        const QList<DatasetModel::Column> cols = r->columns();
        QCOMPARE(cols.size(), positions.size());
        const QStringList fields = results::fields(), captions = results::captions();
        const QFont gridFont = r->DBGrid1->font(), titleFont = r->DBGrid1->horizontalHeader()->font();
        QVERIFY(titleFont.bold());
        for (int i = 0; i < positions.size(); ++i) {
            const int n = positions[i];
            QCOMPARE(cols[i].field, fields[n]);
            QCOMPARE(r->DBGrid1->model()->headerData(i, Qt::Horizontal).toString(), captions[n]);
            // Wide enough for its title and for every value shown.
            QVERIFY(cols[i].width >= QFontMetrics(titleFont).horizontalAdvance(captions[n]));
            for (int row = 0; row < r->DBGrid1->model()->rowCount(); ++row)
                QVERIFY(cols[i].width
                        >= QFontMetrics(gridFont).horizontalAdvance(
                            r->DBGrid1->model()->index(row, i).data().toString()));
        }
        // A town field of a hundred characters holding short names is not sized by its capacity.
        QVERIFY(cols[4].width < TSearchResDlg::naturalWidth(p->dm().SearchQry, fields[11], captions[11], gridFont, titleFont) / 2);
        // The natural width follows the field's display size, and at least its title.
        const int surname = TSearchResDlg::naturalWidth(p->dm().SearchQry, "EPITHETO", "ΕΠΙΘΕΤΟ", gridFont, titleFont);
        const int firstName = TSearchResDlg::naturalWidth(p->dm().SearchQry, "ONOMA", "ΟΝΟΜΑ", gridFont, titleFont);
        QVERIFY(surname > firstName); // 30 characters against 20
        QVERIFY(TSearchResDlg::naturalWidth(p->dm().SearchQry, "TK", "Τ.Κ.", gridFont, titleFont)
                >= QFontMetrics(titleFont).horizontalAdvance("Τ.Κ."));
        QCOMPARE(r->shownCaptions(), (QStringList{"ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡΙΘΜΟΣ", "ΕΠΙΘΕΤΟ", "ΠΑΤΡ/ΜΟ", "ΜΟΡΦΩΣΗ", "ΠΟΛΗ",
                                              "ΠΥΡΗΝΑΣ", "ΚΡΙΤΗΡΙΟ ΑΞΙΟΛΟΓΗΣΗΣ", "ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ"}));
        QCOMPARE(r->Label6->text(), QString("ΠΕΡΙΓΡΑΦΗ"));
        // The print chooser lists the shown columns, none checked.
        TPrnPEDIADlg *pc = SearchScreens::printChooser();
        QCOMPARE(pc->ChkBox->count(), positions.size());
        QCOMPARE(pc->ChkBox->item(4)->text(), QString("ΠΟΛΗ"));
        QVERIFY(pc->checkedItems().isEmpty());
        // The grid shows derived fields: the town's name.
        QCOMPARE(r->DBGrid1->model()->index(0, 4).data().toString(), QString("ΤΡΙΠΟΛΗ"));
    }

    void countAndSums_data()
    {
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QString>("label2");
        QTest::addColumn<QString>("label3");
        QTest::addColumn<QString>("label4");
        QTest::newRow("names only: no sums") << QList<int>{1, 2} << "" << "" << "";
        QTest::newRow("personal votes") << QList<int>{1, 49} << "Σύνολο Ατομικών ψήφων :25" << "" << "";
        QTest::newRow("the three vote sums")
            << QList<int>{49, 50, 51} << "Σύνολο Ατομικών ψήφων :25" << "Σύνολο Περιφερειακών ψήφων :15"
            << "Συνολικοί ψήφοι :40";
        QTest::newRow("ballot papers to deliver take the middle label")
            << QList<int>{50, 52} << "" << "Σύνολο Ψηφοδελτίων προς παράδοση :12" << "";
        QTest::newRow("ballot papers delivered take the last label")
            << QList<int>{51, 53} << "" << "" << "Σύνολο Ψηφοδελτίων που παραδόθηκαν :3";
        QList<int> every;
        for (int i = 0; i < 55; ++i)
            every << i;
        QTest::newRow("every field") << every << "Σύνολο Ατομικών ψήφων :25" << "Σύνολο Ψηφοδελτίων προς παράδοση :12"
                                     << "Σύνολο Ψηφοδελτίων που παραδόθηκαν :3";
    }
    void countAndSums()
    {
        QFETCH(QList<int>, positions);
        QFETCH(QString, label2);
        QFETCH(QString, label3);
        QFETCH(QString, label4);
        fillWith(positions);
        QCOMPARE(results()->Label1->text(), QString("Βρέθηκαν 4 εγγραφές"));
        QCOMPARE(results()->Label2->text(), label2);
        QCOMPARE(results()->Label3->text(), label3);
        QCOMPARE(results()->Label4->text(), label4);
        QCOMPARE(results()->DBGrid1->model()->columnCount(), positions.size());
    }

    void countAndSumsDoNotWalkTheRows()
    {
        {
            Transaction tx(Store::instance());
            for (int i = 0; i < 5000; ++i)
                Store::instance().exec("INSERT INTO POLITES (EPITHETO, ONOMA, AVOTE, PVOTE) VALUES (?, 'Ν', 2, NULL)",
                                       {QString("ΠΟΛΙΤΗΣ%1").arg(i, 5, 10, QChar('0'))});
            tx.commit();
        }
        fillWith({1, 49, 51}, "Select * From POLITES Where \n(EPITHETO LIKE 'ΠΟΛΙΤΗΣ%')");
        QCOMPARE(results()->Label1->text(), QString("Βρέθηκαν 5000 εγγραφές"));
        QCOMPARE(results()->Label2->text(), QString("Σύνολο Ατομικών ψήφων :10000"));
        QCOMPARE(results()->Label4->text(), QString("Συνολικοί ψήφοι :10000"));
        QVERIFY(p->dm().SearchQry->cachedRowCount() <= 256);
    }

    void withoutColumnsNothingPrints()
    {
        fillWith({});
        QCOMPARE(results()->DBGrid1->model()->columnCount(), 0);
        QCOMPARE(SearchScreens::printChooser()->ChkBox->count(), 0);
        p->ui.onExecOnce["PrnPEDIADlg"].enqueue(test::acceptDialog);
        results()->BitBtn1->click();
        QCOMPARE(p->ui.dialogs(), QStringList{"PrnPEDIADlg"});
        QVERIFY(p->ui.printouts.isEmpty());

        // With columns: a cancelled chooser, or none checked, print nothing either.
        fillWith({1, 2});
        p->ui.onExecOnce["PrnPEDIADlg"].enqueue(test::rejectDialog);
        results()->BitBtn1->click();
        p->ui.onExecOnce["PrnPEDIADlg"].enqueue(test::acceptDialog);
        results()->BitBtn1->click();
        QVERIFY(p->ui.printouts.isEmpty());
    }

    void theLabellerOpensTheLabelScreen()
    {
        fillWith({1});
        bool opened = false;
        p->ui.onExecOnce["LabelSetupFrm"].enqueue([&opened](QDialog *) {
            opened = true;
            return 0;
        });
        p->ui.onExecOnce["SearchResDlg"].enqueue([](QDialog *d) {
            auto *r = static_cast<TSearchResDlg *>(d);
            const bool enabled = r->BitBtn2->isEnabled();
            r->BitBtn2->click();
            return enabled ? 1 : 0;
        });
        QCOMPARE(ui().exec(results()), 1);
        QVERIFY(opened);
    }

    void aDoubleClickOpensTheCitizenAndComesBack()
    {
        TPediaDlg::saveChoice("1,2");
        choose({});
        TFindPersFrm *s = openSearch();
        QVERIFY(s);
        QString firstCount, secondCount, clicked;
        int secondColumns = -1;
        search(s, [&](QDialog *d) -> int {
            auto *r = static_cast<TSearchResDlg *>(d);
            firstCount = r->Label1->text();
            QTableView *grid = r->DBGrid1;
            const QModelIndex row = grid->model()->index(1, 0);
            clicked = row.data().toString();
            doubleClick(grid->viewport(), grid->visualRect(row).center());
            return r->result();
        });
        QCOMPARE(firstCount, QString("Βρέθηκαν 3 εγγραφές"));
        QCOMPARE(clicked, QString("ΠΑΠΑΣ"));
        TEditPersFrm *editor = nullptr;
        for (QWidget *w : p->main()->openChildren())
            if (auto *e = qobject_cast<TEditPersFrm *>(w))
                editor = e;
        QVERIFY2(editor, qPrintable(p->ui.messages().join('|') + p->ui.dialogs().join('|')));
        QCOMPARE(editor->EdtEpitheto->text(), QString("ΠΑΠΑΣ"));
        QCOMPARE(editor->citizenNumber(), c.papas);

        p->ui.onExecOnce["SearchResDlg"].enqueue([&](QDialog *d) {
            auto *r = static_cast<TSearchResDlg *>(d);
            secondCount = r->Label1->text();
            secondColumns = r->DBGrid1->model()->columnCount();
            return int(QDialog::Rejected);
        });
        qobject_cast<QMdiSubWindow *>(editor->parentWidget())->close();
        QTRY_COMPARE(secondCount, QString("Βρέθηκαν 3 εγγραφές"));
        QCOMPARE(secondColumns, 2);
        QCOMPARE(p->dm().SearchQry->recordCount(), 3);
        QCOMPARE(p->ui.dialogs().count("SearchResDlg"), 2);
        QVERIFY2(p->ui.unexpected.isEmpty(), qPrintable(p->ui.unexpected.join('|')));
    }

    void thePrintedListHasItsHeadOnEveryPage()
    {
        {
            Transaction tx(Store::instance());
            for (int i = 0; i < 120; ++i)
                Store::instance().exec("INSERT INTO POLITES (EPITHETO, ONOMA, NOMOS, AVOTE) VALUES (?, 'ΟΝΟΜΑ', ?, ?)",
                                       {QString("ΠΟΛΙΤΗΣ%1").arg(i, 3, 10, QChar('0')), f.arkadia, i});
            tx.commit();
        }
        const bool pdf = !QStandardPaths::findExecutable("pdftotext").isEmpty();
        QTemporaryDir pdfDir;
        if (pdf)
            p->ui.pdfFolder = pdfDir.path();
        TPediaDlg::saveChoice("1,2,49");
        choose({});
        TFindPersFrm *s = openSearch();
        bool enabledAfter = false;
        search(s, [&](QDialog *d) {
            auto *r = static_cast<TSearchResDlg *>(d);
            p->ui.onExecOnce["PrnPEDIADlg"].enqueue([&, r](QDialog *pd) {
                auto *chooser = static_cast<TPrnPEDIADlg *>(pd);
                chooser->ChkBox->item(0)->setCheckState(Qt::Checked);
                chooser->ChkBox->item(2)->setCheckState(Qt::Checked);
                return test::acceptDialog(pd);
            });
            r->BitBtn1->click();
            enabledAfter = r->isEnabled();
            return int(QDialog::Rejected);
        });
        QVERIFY(enabledAfter);
        QCOMPARE(p->ui.printoutTitles, QStringList{"ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ"});
        const RecordingSink &out = p->ui.printouts.first();
        QVERIFY(out.pages.size() >= 3);
        QStringList rows;
        for (int i = 0; i < out.pages.size(); ++i) {
            const QStringList &t = out.pages[i].texts;
            QStringList head = {"ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ    09/03/2024", "ΚΡΙΤΗΡΙΑ ΑΝΑΖΗΤΗΣΗΣ : ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ"};
            if (i == 0)
                head << "Βρέθηκαν 123 εγγραφές";
            head << "ΠΡΟΓΡΑΜΜΑ DORVANI" << "ΕΠΙΘΕΤΟ" << "ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ";
            QCOMPARE(t.mid(0, head.size()), head);
            for (int k = int(head.size()); k + 1 < t.size(); k += 2)
                rows << t[k] + '|' + t[k + 1];
            QCOMPARE(out.pages[i].lines, int(t.size() - head.size()) / 2 + 1); // a rule under every row
        }
        QCOMPARE(rows.size(), 123);
        QCOMPARE(rows.first(), QString("ΠΑΠΑΔΟΠΟΥΛΟΣ|13"));
        QCOMPARE(rows.last(), QString("ΠΟΛΙΤΗΣ119|119"));

        if (!pdf)
            QSKIP("pdftotext (poppler-utils) is needed to read the PDF file");
        QCOMPARE(p->ui.pdfFiles.size(), 1);
        const QStringList pages = pdfText(p->ui.pdfFiles.first()).split('\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 3);
        for (int i = 0; i < pages.size(); ++i) {
            const QString &page = pages[i];
            if (page.trimmed().isEmpty())
                continue;
            // (pdftotext gives the blanks between words as it measures them)
            QVERIFY2(page.contains(QRegularExpression("ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ\\s+09/03/2024")), qPrintable(page));
            QVERIFY(page.contains("ΚΡΙΤΗΡΙΑ ΑΝΑΖΗΤΗΣΗΣ : ΝΟΜΟΣ=ΑΡΚΑΔΙΑΣ"));
            QVERIFY(page.contains("ΠΡΟΓΡΑΜΜΑ DORVANI"));
            QVERIFY(page.contains("ΕΠΙΘΕΤΟ"));
            QVERIFY(page.contains("ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ"));
            QCOMPARE(page.contains("Βρέθηκαν 123 εγγραφές"), i == 0);
        }
        QVERIFY(pages.join('\n').contains("ΠΟΛΙΤΗΣ119"));
    }

    // Every chosen column is printed, as wide as its contents need; a list too wide for an
    // upright page is turned, and a cell too wide for its column is shortened, never dropped.
    void everyChosenColumnIsPrinted_data()
    {
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<bool>("landscape");
        // ΕΠΙΘΕΤΟ, ΟΝΟΜΑ, ΠΑΤΡ/ΜΟ, ΠΟΛΗ, ΗΜ.ΓΕΝΝΗΣΗΣ, ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ, ΣΥΝΟΛΟ ΨΗΦΩΝ
        QTest::newRow("seven columns") << QList<int>{1, 2, 4, 11, 15, 49, 51} << false;
        QTest::newRow("twelve columns") << QList<int>{1, 2, 4, 9, 10, 11, 12, 15, 16, 31, 49, 51} << true;
    }
    void everyChosenColumnIsPrinted()
    {
        QFETCH(QList<int>, positions);
        QFETCH(bool, landscape);
        const bool pdf = !QStandardPaths::findExecutable("pdftotext").isEmpty();
        QTemporaryDir pdfDir;
        if (pdf)
            p->ui.pdfFolder = pdfDir.path();
        Store::instance().exec("UPDATE POLITES SET ADDRESS = 'ΛΕΩΦΟΡΟΣ ΑΘΗΝΩΝ ΚΑΙ ΠΑΝΑΓΙΩΤΗ ΚΑΝΕΛΛΟΠΟΥΛΟΥ 120' "
                               "WHERE EPITHETO = 'ΠΑΠΑΔΟΠΟΥΛΟΣ'");
        fillWith(positions, "Select * From POLITES Order By EPITHETO");
        const QStringList captions = results::captions();
        p->ui.onExecOnce["PrnPEDIADlg"].enqueue([&](QDialog *pd) {
            auto *chooser = static_cast<TPrnPEDIADlg *>(pd);
            for (int i = 0; i < chooser->ChkBox->count(); ++i)
                chooser->ChkBox->item(i)->setCheckState(Qt::Checked);
            return test::acceptDialog(pd);
        });
        results()->BitBtn1->click();
        QCOMPARE(p->ui.printoutOrientations.last(),
                 landscape ? PageOrientation::Landscape : PageOrientation::Portrait);
        const QStringList texts = p->ui.printouts.last().allText().split('\n');
        for (int n : positions)
            QVERIFY2(texts.contains(captions[n]), qPrintable(captions[n]));
        // (the recording's letters are wide: a long name may come shortened there)
        QVERIFY(!texts.filter(QRegularExpression("^ΠΑΠΑΔ")).isEmpty());
        QVERIFY(texts.contains("13")); // the personal votes, the sixth or later column
        if (!pdf)
            QSKIP("pdftotext (poppler-utils) is needed to read the PDF file");
        const QString page = pdfText(p->ui.pdfFiles.last());
        for (int n : positions)
            QVERIFY2(page.contains(captions[n]), qPrintable(captions[n] + "\n" + page));
        QVERIFY2(page.contains("ΠΑΠΑΔΟΠΟΥΛΟΣ"), qPrintable(page));
        QVERIFY(page.contains(QRegularExpression("\\b28/02/1970\\b")));
        QVERIFY(page.contains(QRegularExpression("\\b13\\b")));
        if (landscape) // the long address is shortened, not cut off the page
            QVERIFY2(page.contains("ΛΕΩΦΟΡΟΣ ΑΘΗΝΩΝ"), qPrintable(page));
    }
};

QTEST_MAIN(TstSearchRes)
#include "tst_searchres.moc"
