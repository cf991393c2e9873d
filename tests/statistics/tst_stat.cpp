// The statistics window from the main menu: a co-candidate's count and sum over the
// register, the citizens listed in surname order, the message without a choice.
#include "data/Store.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"
#include "statistics/UntStat.h"
#include "statistics/UntStatAll.h"
#include "statistics/UntStatPER.h"
#include "statistics/VoteChart.h"
#include "statistics/UntStatTotPSHFOI.h"
#include "statistics/UntTotPSHFOI.h"
#include "citizens/CitizenScreens.h"
#include "citizens/UntEditPers.h"
#include "data/DataModule.h"
#include "widgets/MainWindow.h"

#include <QToolButton>
#include "widgets/DbControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace dorvani;
using test::Program;

namespace {
QStringList gridRows(const QTableWidget *g, bool header = true)
{
    QStringList rows;
    if (header) {
        QStringList h;
        for (int c = 0; c < g->columnCount(); ++c)
            h << (g->horizontalHeaderItem(c) ? g->horizontalHeaderItem(c)->text() : QString());
        rows << h.join('|');
    }
    for (int r = 0; r < g->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < g->columnCount(); ++c)
            cells << (g->item(r, c) ? g->item(r, c)->text() : QString());
        rows << cells.join('|');
    }
    return rows;
}

QStringList modelRows(QAbstractItemModel *m)
{
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c)
            cells << m->index(r, c).data().toString();
        rows << cells.join('|');
    }
    return rows;
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start("pdftotext", {"-enc", "UTF-8", "-layout", path, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The bars of a chart image: the runs of columns that hold the bar colour.
int countBars(const QString &png)
{
    const QImage img(png);
    const QRgb bar = votechart::barColour().rgb();
    int runs = 0;
    bool inside = false;
    for (int x = 0; x < img.width(); ++x) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            n += (img.pixel(x, y) & 0xFFFFFF) == (bar & 0xFFFFFF);
        const bool has = n >= 3;
        runs += has && !inside;
        inside = has;
    }
    return img.isNull() ? -1 : runs;
}

const QString Centre = "ΑΡΚΑΔΙΑΣ  ΤΡΙΠΟΛΗΣ / 1ο ΔΗΜΟΤΙΚΟ  ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ";
} // namespace

class TstStat : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    test::RegisterFixture f;

    void town(int who, const QString &name, const QVariant &votes)
    {
        Store::instance().run("INSERT INTO TOT_PSHFOI (POLITESID, POLH, VOTES) VALUES (?, ?, ?)", {who, name, votes});
    }
    TStatTotPSHFOIFrm *distributionWindow()
    {
        p->main()->action("ΣΤΑΤΙΣΤΙΚΑ KATANOMΗΣ ΨΗΦΩΝ")->trigger();
        return p->main()->findChild<TStatTotPSHFOIFrm *>();
    }

    int citizen(const QString &surname)
    {
        return Store::instance()
            .run("INSERT INTO POLITES (EPITHETO, ONOMA, PATR) VALUES (?, 'ΝΙΚΟΣ', '')", {surname})
            .lastId.toInt();
    }
    void vote(int who, const QString &name, const QVariant &votes)
    {
        Store::instance().run("INSERT INTO POLITES_SYNYPOPS (POLITESID, SYNYPOPS, VOTES) VALUES (?, ?, ?)",
                              {who, name, votes});
    }
    void open(const std::function<void(TStatFrm *)> &play)
    {
        p->ui.onExecOnce["StatFrm"].enqueue([play](QDialog *d) {
            play(static_cast<TStatFrm *>(d));
            return d->result();
        });
        p->main()->action("&ΣΤΑΤΙΣΤΙΚΑ")->trigger();
    }

    // The summary dialog, opened from the statistics window, played by the handler.
    void summary(const std::function<void(TStatAllDlg *)> &play)
    {
        p->ui.onExecOnce["StatAllDlg"].enqueue([play](QDialog *d) {
            play(static_cast<TStatAllDlg *>(d));
            return int(QDialog::Rejected);
        });
        open([](TStatFrm *s) {
            QVERIFY(s->BBtnSumAll->isEnabled());
            s->BBtnSumAll->click();
            s->reject();
        });
    }
    void placeCitizens()
    {
        Store::instance().run("UPDATE POLITES SET ASKHSH = ?", {f.centre});
        vote(Store::instance().scalar("SELECT AUTONUM FROM POLITES WHERE EPITHETO = 'ΑΝΤΩΝΙΟΥ'").toInt(), "ΒΗΤΑ ΒΗΤΑΣ", 2);
    }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        f = test::RegisterFixture::fill(QTest::currentTestFunction() != QByteArray("distributionWithoutHome"));
        const int b = citizen("ΒΑΣΙΛΕΙΟΥ");
        const int a = citizen("ΑΝΤΩΝΙΟΥ");
        const int z = citizen("ΖΕΡΒΑΣ");
        vote(b, "ΑΛΦΑ ΑΛΦΑΣ", 4);
        vote(a, "ΑΛΦΑ ΑΛΦΑΣ", 3);
        vote(z, "ΑΛΦΑ ΑΛΦΑΣ", 0);
        vote(z, "ΒΗΤΑ ΒΗΤΑΣ", QVariant(QMetaType::fromType<int>()));
        town(a, "ΤΡΙΠΟΛΗ", 2);
        town(b, "ΤΡΙΠΟΛΗ", 3);
        town(b, "ΚΑΨΑΣ", QVariant(QMetaType::fromType<int>()));
        town(z, "ΠΑΤΡΑ", 8);
        p->ui.clearLog();
    }
    void cleanup()
    {
        if (p)
            QVERIFY2(p->ui.unexpected.isEmpty(), qPrintable(p->ui.unexpected.join("; ")));
        p.reset();
    }

    void figuresOfOneCoCandidate()
    {
        QVERIFY(p->main()->action("&ΣΤΑΤΙΣΤΙΚΑ")->isEnabled());
        QStringList surnames;
        QString count, sum;
        open([&](TStatFrm *s) {
            QVERIFY(s->DBLookupComboBox1->selectText("ΑΛΦΑ ΑΛΦΑΣ"));
            s->BitBtn1->click();
            count = s->Label2->text();
            sum = s->Label3->text();
            auto *m = s->DBGrid1->model();
            for (int r = 0; r < m->rowCount(); ++r)
                surnames << m->index(r, 0).data().toString();
            s->reject();
        });
        QCOMPARE(count, QString("Βρέθηκαν 2 έγγραφες"));
        QCOMPARE(sum, QString("Ο(η) ΑΛΦΑ ΑΛΦΑΣ μαζεύει 7 ψήφους"));
        QCOMPARE(surnames, QStringList({"ΑΝΤΩΝΙΟΥ", "ΒΑΣΙΛΕΙΟΥ"}));
    }

    void emptyVotesGiveZero()
    {
        QString count, sum;
        int rows = -1;
        open([&](TStatFrm *s) {
            QVERIFY(s->DBLookupComboBox1->selectText("ΒΗΤΑ ΒΗΤΑΣ"));
            s->BitBtn1->click();
            count = s->Label2->text();
            sum = s->Label3->text();
            rows = s->DBGrid1->model()->rowCount();
            s->reject();
        });
        QCOMPARE(count, QString("Βρέθηκαν 0 έγγραφες"));
        QCOMPARE(sum, QString("Ο(η) ΒΗΤΑ ΒΗΤΑΣ μαζεύει 0 ψήφους"));
        QCOMPARE(rows, 0);
    }

    void noChoiceIsAMessage()
    {
        open([&](TStatFrm *s) {
            s->BitBtn1->click();
            QVERIFY(s->Label2->text().isEmpty());
            s->reject();
        });
        QCOMPARE(p->ui.messages(), QStringList({"Παρακαλώ επιλέξτε έναν Συνυποψήφιο"}));
    }

    void distributionByTown()
    {
        TStatTotPSHFOIFrm *w = distributionWindow();
        QVERIFY(w);
        w->BitBtn1->click();
        QCOMPARE(w->Label2->text(), QString("ΣΥΝΟΛΟ ΨΗΦΩΝ : 5"));
        QStringList rows;
        auto *m = w->DBGrid1->model();
        for (int r = 0; r < m->rowCount(); ++r)
            rows << m->index(r, 0).data().toString() + "|" + m->index(r, 1).data().toString() + "|"
                        + m->index(r, 3).data().toString();
        QCOMPARE(rows, QStringList({"ΚΑΨΑΣ|ΤΡΙΠΟΛΗΣ|0", "ΤΡΙΠΟΛΗ|ΤΡΙΠΟΛΗΣ|5"}));
        QVERIFY(w->DBLookupComboBox1->selectText("ΤΡΙΠΟΛΗ"));
        w->BitBtn1->click();
        QCOMPARE(w->Label2->text(), QString("ΣΥΝΟΛΟ ΨΗΦΩΝ : 5"));
        QCOMPARE(w->DBGrid1->model()->rowCount(), 1);
        QVERIFY(w->DBLookupComboBox1->selectText("ΚΑΨΑΣ"));
        w->BitBtn1->click();
        QCOMPARE(w->Label2->text(), QString("ΣΥΝΟΛΟ ΨΗΦΩΝ : 0"));
    }

    void distributionOfOneCitizen()
    {
        const int a = Store::instance().scalar("SELECT AUTONUM FROM POLITES WHERE EPITHETO = 'ΑΝΤΩΝΙΟΥ'").toInt();
        CitizenScreens::edit(a, CitizenScreens::CitizenList);
        TEditPersFrm *e = nullptr;
        for (QWidget *w : MainWindow::instance()->openChildren())
            if (auto *x = qobject_cast<TEditPersFrm *>(w))
                e = x;
        QVERIFY(e);
        QVERIFY(e->SpeedButton18->isEnabled());
        QStringList towns;
        bool townEditable = true;
        p->ui.onExecOnce["TotPSHFOIDlg"].enqueue([&](QDialog *d) {
            auto *dlg = static_cast<TTotPSHFOIDlg *>(d);
            auto *m = dlg->DBGrid1->model();
            for (int r = 0; r < m->rowCount(); ++r)
                towns << m->index(r, 0).data().toString();
            townEditable = dlg->DBGrid1->itemDelegateForColumn(0)->createEditor(dlg, {}, m->index(0, 0)) != nullptr;
            const int kapsas = int(towns.indexOf("ΚΑΨΑΣ"));
            m->setData(m->index(kapsas, 1), 4);
            dlg->reject();
            return d->result();
        });
        e->SpeedButton18->click();
        towns.sort();
        QCOMPARE(towns, QStringList({"ΔΗΜΗΤΣΑΝΑ", "ΚΑΨΑΣ", "ΤΡΙΠΟΛΗ"}));
        QVERIFY(!townEditable);
        QCOMPARE(Store::instance().scalar("SELECT VOTES FROM TOT_PSHFOI WHERE POLH = 'ΚΑΨΑΣ' AND POLITESID = ?", {a}).toInt(), 4);
        QVERIFY(!p->dm().TblTotPSHFOI->filtered());
    }

    void distributionWithoutHome()
    {
        TStatTotPSHFOIFrm *w = distributionWindow();
        QVERIFY(w);
        w->BitBtn1->click();
        QCOMPARE(p->ui.messages().size(), 1);
        QCOMPARE(w->DBGrid1->model()->rowCount(), 0);
        QCOMPARE(w->Label2->text(), QString("ΣΥΝΟΛΟ ΨΗΦΩΝ : 0"));
        int rows = -1;
        p->ui.onExecOnce["AnalPSHFOIDlg"].enqueue([&](QDialog *d) {
            rows = static_cast<TAnalPSHFOIDlg *>(d)->SGrd->rowCount();
            return int(QDialog::Rejected);
        });
        w->BitBtn2->click();
        QCOMPARE(rows, 0);
        QCOMPARE(p->ui.messages().size(), 2);
        QCOMPARE(p->ui.messages()[0], p->ui.messages()[1]);
    }

    void summaryByPlace_data()
    {
        QTest::addColumn<QStringList>("unticked");
        QTest::addColumn<QString>("centre");
        QTest::addColumn<QString>("dhmos");
        QTest::addColumn<QString>("eparxia");
        QTest::addColumn<QStringList>("rows");
        const QString head = "ΣΥΝΥΠΟΨΗΦΙΟΣ|ΨΗΦΟI";
        QTest::newRow("every co-candidate") << QStringList{} << "" << "" << ""
                                            << QStringList{head, "ΑΛΦΑ ΑΛΦΑΣ|7", "ΒΗΤΑ ΒΗΤΑΣ|3"};
        QTest::newRow("one left unticked") << QStringList{"ΑΛΦΑ ΑΛΦΑΣ"} << "" << "" << ""
                                           << QStringList{head, "ΒΗΤΑ ΒΗΤΑΣ|3"};
        QTest::newRow("none ticked counts all") << QStringList{"ΑΛΦΑ ΑΛΦΑΣ", "ΒΗΤΑ ΒΗΤΑΣ"} << "" << "" << ""
                                                << QStringList{head, "ΑΛΦΑ ΑΛΦΑΣ|7", "ΒΗΤΑ ΒΗΤΑΣ|3"};
        QTest::newRow("centre of another prefecture")
            << QStringList{} << "ΑΧΑΪΑΣ  ΠΑΤΡΕΩΝ / 5ο ΛΥΚΕΙΟ  " << "" << "ΜΑΝΤΙΝΕΙΑΣ"
            << QStringList{head + "|ΤΟΠΟΣ ΑΣΚΗΣΗΣ|ΔΗΜΟΣ|ΕΠΑΡΧΙΑ",
                           "ΒΗΤΑ ΒΗΤΑΣ|1|ΑΧΑΪΑΣ  ΠΑΤΡΕΩΝ / 5ο ΛΥΚΕΙΟ  |ΠΑΤΡΕΩΝ|ΠΑΤΡΩΝ"};
        QTest::newRow("province") << QStringList{} << "" << "" << "ΜΑΝΤΙΝΕΙΑΣ"
                                  << QStringList{head + "|ΕΠΑΡΧΙΑ", "ΑΛΦΑ ΑΛΦΑΣ|7|ΜΑΝΤΙΝΕΙΑΣ",
                                                 "ΒΗΤΑ ΒΗΤΑΣ|2|ΜΑΝΤΙΝΕΙΑΣ"};
        QTest::newRow("province without votes") << QStringList{} << "" << "" << "ΓΟΡΤΥΝΙΑΣ"
                                                << QStringList{head + "|ΕΠΑΡΧΙΑ"};
        QTest::newRow("municipality fills its province")
            << QStringList{} << "" << "ΤΡΙΠΟΛΗΣ" << ""
            << QStringList{head + "|ΔΗΜΟΣ|ΕΠΑΡΧΙΑ", "ΑΛΦΑ ΑΛΦΑΣ|7|ΤΡΙΠΟΛΗΣ|ΜΑΝΤΙΝΕΙΑΣ",
                           "ΒΗΤΑ ΒΗΤΑΣ|2|ΤΡΙΠΟΛΗΣ|ΜΑΝΤΙΝΕΙΑΣ"};
        QTest::newRow("centre fills the rest")
            << QStringList{"ΒΗΤΑ ΒΗΤΑΣ"} << Centre << "" << ""
            << QStringList{head + "|ΤΟΠΟΣ ΑΣΚΗΣΗΣ|ΔΗΜΟΣ|ΕΠΑΡΧΙΑ", "ΑΛΦΑ ΑΛΦΑΣ|7|" + Centre + "|ΤΡΙΠΟΛΗΣ|ΜΑΝΤΙΝΕΙΑΣ"};
    }
    void summaryByPlace()
    {
        QFETCH(QStringList, unticked);
        QFETCH(QString, centre);
        QFETCH(QString, dhmos);
        QFETCH(QString, eparxia);
        QFETCH(QStringList, rows);
        placeCitizens();
        Store &s = Store::instance();
        const int patras = s.run("INSERT INTO EklogikaK (EKLOGIKOK, DHMOS, EPARXIA, NOMOS, ENORIA) VALUES "
                                 "('5ο ΛΥΚΕΙΟ', ?, ?, ?, '')",
                                 {f.patreon, f.patron, f.achaia})
                               .lastId.toInt();
        const int voter = citizen("ΠΑΤΡΙΝΟΣ");
        s.run("UPDATE POLITES SET ASKHSH = ? WHERE AUTONUM = ?", {patras, voter});
        vote(voter, "ΒΗΤΑ ΒΗΤΑΣ", 1);
        QStringList got;
        summary([&](TStatAllDlg *d) {
            QCOMPARE(d->ChkS->count(), 2);
            for (int i = 0; i < d->ChkS->count(); ++i)
                if (unticked.contains(d->ChkS->item(i)->text()))
                    d->ChkS->item(i)->setCheckState(Qt::Unchecked);
            if (!eparxia.isEmpty())
                QVERIFY(d->DBLookupComboBox3->selectText(eparxia));
            if (!dhmos.isEmpty())
                QVERIFY(d->DBLookupComboBox2->selectText(dhmos));
            if (!centre.isEmpty())
                QVERIFY(d->DBLookupComboBox1->selectText(centre));
            d->BitBtn1->click();
            got = gridRows(d->SGrd);
        });
        QCOMPARE(got, rows);
    }

    void detailedResultsPrinted()
    {
        placeCitizens();
        // Enough centres for three pages, and one whose municipality is gone (its row has no
        // place name, and the rows after it are printed all the same).
        Store &s = Store::instance();
        for (int i = 1; i <= 80; ++i) {
            const int c = s.run("INSERT INTO EklogikaK (EKLOGIKOK, DHMOS, EPARXIA, NOMOS, ENORIA) VALUES (?, ?, ?, ?, '')",
                                {QString("ΚΕΝΤΡΟ %1").arg(i, 2, 10, QChar('0')), i == 80 ? 999 : f.dimitsana,
                                 f.gortynia, f.arkadia})
                              .lastId.toInt();
            const int who = s.run("INSERT INTO POLITES (EPITHETO, ONOMA, PATR, ASKHSH) VALUES ('ΨΗΦΟΦΟΡΟΣ', 'ΝΙΚΟΣ', '', ?)",
                                  {c})
                                .lastId.toInt();
            vote(who, "ΑΛΦΑ ΑΛΦΑΣ", 1);
        }
        const bool pdf = !QStandardPaths::findExecutable("pdftotext").isEmpty();
        QTemporaryDir pdfDir;
        if (pdf)
            p->ui.pdfFolder = pdfDir.path();
        QStringList rows;
        summary([&](TStatAllDlg *d) {
            d->ChkS->item(1)->setCheckState(Qt::Unchecked);
            p->ui.onExecOnce["AnalDlg"].enqueue([&](QDialog *a) {
                auto *dlg = static_cast<TAnalDlg *>(a);
                rows = gridRows(dlg->SGrd);
                dlg->BitBtn1->click();
                return int(QDialog::Rejected);
            });
            d->BitBtn2->click();
        });
        QCOMPARE(rows.size(), 1 + 81 + 3 + 3); // header, centres, municipalities, provinces, total
        QCOMPARE(rows[0], QString("||ΑΛΦΑ ΑΛΦΑΣ"));
        QCOMPARE(rows[1], "ΕΚΛΟΓΙΚΑ ΚΕΝΤΡΑ|" + Centre + "|7");
        QCOMPARE(rows.mid(82), QStringList({"ΔΗΜΟΣ|ΤΡΙΠΟΛΗΣ|7", "|ΔΗΜΗΤΣΑΝΑΣ|79", "||1", "ΕΠΑΡΧΙΑ|ΜΑΝΤΙΝΕΙΑΣ|7",
                                            "|ΓΟΡΤΥΝΙΑΣ|80", "ΝΟΜΟΣ|ΑΡΚΑΔΙΑΣ|87"}));
        QCOMPARE(Store::instance()
                     .scalar("SELECT SUM(VOTES) FROM POLITES_SYNYPOPS WHERE SYNYPOPS = 'ΑΛΦΑ ΑΛΦΑΣ' AND VOTES > 0")
                     .toInt(),
                 87);
        QCOMPARE(p->ui.printoutTitles, QStringList({"ΑΝΑΛΥΤΙΚΑ ΑΠΟΤΕΛΕΣΜΑΤΑ ΨΗΦΩΝ"}));
        QCOMPARE(p->ui.printoutOrientations, QList<PageOrientation>({PageOrientation::Portrait})); // one co-candidate fits
        const QString all = p->ui.printouts[0].allText();
        QVERIFY(all.contains("ΓΟΡΤΥΝΙΑΣ"));
        QVERIFY(all.contains("87"));
        if (!pdf)
            QSKIP("pdftotext (poppler-utils) is needed to read the PDF file");
        QCOMPARE(p->ui.pdfFiles.size(), 1);
        const QStringList pages = pdfText(p->ui.pdfFiles.first()).split('\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 3);
        for (const QString &page : pages) {
            if (page.trimmed().isEmpty())
                continue;
            QVERIFY2(page.contains(QRegularExpression("ΑΝΑΛΥΤΙΚΑ ΑΠΟΤΕΛΕΣΜΑΤΑ ΨΗΦΩΝ\\s+\\d\\d/\\d\\d/\\d{4}")),
                     qPrintable(page));
            QVERIFY(page.contains("ΠΡΟΓΡΑΜΜΑ DORVANI"));
            QVERIFY(page.contains("ΑΛΦΑ ΑΛΦΑΣ"));
        }
        const QString text = pages.join('\n');
        QVERIFY(text.contains("ΚΕΝΤΡΟ 80"));
        QVERIFY(text.contains(QRegularExpression("ΝΟΜΟΣ\\s+ΑΡΚΑΔΙΑΣ\\s+87")));
    }

    void distributionByLevels_data()
    {
        QTest::addColumn<QString>("town");
        QTest::addColumn<QString>("dhmos");
        QTest::addColumn<QString>("eparxia");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("total");
        QTest::newRow("province only") << "" << "" << "ΜΑΝΤΙΝΕΙΑΣ" << true << QStringList{"ΜΑΝΤΙΝΕΙΑΣ|5"} << "5";
        QTest::newRow("municipality fills its province")
            << "" << "ΤΡΙΠΟΛΗΣ" << "" << true << QStringList{"ΤΡΙΠΟΛΗΣ|ΜΑΝΤΙΝΕΙΑΣ|5"} << "5";
        QTest::newRow("town fills the rest")
            << "ΚΑΨΑΣ" << "" << "" << true << QStringList{"ΚΑΨΑΣ|ΤΡΙΠΟΛΗΣ|ΜΑΝΤΙΝΕΙΑΣ|0"} << "0";
        QTest::newRow("province, every town")
            << "" << "" << "ΜΑΝΤΙΝΕΙΑΣ" << false << QStringList{"ΚΑΨΑΣ|ΤΡΙΠΟΛΗΣ|ΜΑΝΤΙΝΕΙΑΣ|0", "ΤΡΙΠΟΛΗ|ΤΡΙΠΟΛΗΣ|ΜΑΝΤΙΝΕΙΑΣ|5"}
            << "5";
        QTest::newRow("province without votes") << "" << "" << "ΓΟΡΤΥΝΙΑΣ" << true << QStringList{} << "0";
    }
    void distributionByLevels()
    {
        QFETCH(QString, town);
        QFETCH(QString, dhmos);
        QFETCH(QString, eparxia);
        QFETCH(bool, ticked);
        QFETCH(QStringList, rows);
        QFETCH(QString, total);
        TStatTotPSHFOIFrm *w = distributionWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("ΣΤΑΤΙΣΤΙΚΑ KATANOMΗΣ ΣΥΝΟΛΙΚΩΝ ΨΗΦΩΝ"));
        w->ChksEL->click(); // nothing chosen: it does not stay ticked
        QVERIFY(!w->ChksEL->isChecked());
        if (!eparxia.isEmpty())
            QVERIFY(w->DBLookupComboBox3->selectText(eparxia));
        if (!dhmos.isEmpty())
            QVERIFY(w->DBLookupComboBox2->selectText(dhmos));
        if (!town.isEmpty())
            QVERIFY(w->DBLookupComboBox1->selectText(town));
        if (ticked)
            w->ChksEL->click();
        QCOMPARE(w->ChksEL->isChecked(), ticked);
        w->BitBtn1->click();
        QCOMPARE(modelRows(w->DBGrid1->model()), rows);
        QCOMPARE(w->Label2->text(), "ΣΥΝΟΛΟ ΨΗΦΩΝ : " + total);
    }

    void townVotersAndDetailedDistribution()
    {
        const int c = citizen("ΓΚΙΚΑΣ");
        town(c, "ΤΡΙΠΟΛΗ", 0);
        Store::instance().run("DELETE FROM POLITES WHERE EPITHETO = 'ΒΑΣΙΛΕΙΟΥ'"); // its 3 votes no longer count
        TStatTotPSHFOIFrm *w = distributionWindow();
        QVERIFY(w);
        w->BitBtn1->click();
        QCOMPARE(modelRows(w->DBGrid1->model()), QStringList({"ΤΡΙΠΟΛΗ|ΤΡΙΠΟΛΗΣ|ΜΑΝΤΙΝΕΙΑΣ|2"}));
        QStringList voters;
        p->ui.onExecOnce["StatPERDlg"].enqueue([&](QDialog *d) {
            voters = modelRows(static_cast<TStatPERDlg *>(d)->DBGrid1->model());
            return int(QDialog::Rejected);
        });
        test::doubleClickCell(w->DBGrid1, 0, 0);
        QCOMPARE(voters, QStringList({"ΑΝΤΩΝΙΟΥ|ΝΙΚΟΣ|ΤΡΙΠΟΛΗ|2", "ΓΚΙΚΑΣ|ΝΙΚΟΣ|ΤΡΙΠΟΛΗ|0"}));

        // A voter opened for editing: the list of the same town comes back when the screen closes.
        QStringList again;
        p->ui.onExecOnce["StatPERDlg"].enqueue([&](QDialog *d) {
            test::doubleClickCell(static_cast<TStatPERDlg *>(d)->DBGrid1, 1, 0);
            return d->result();
        });
        p->ui.onExecOnce["StatPERDlg"].enqueue([&](QDialog *d) {
            again = modelRows(static_cast<TStatPERDlg *>(d)->DBGrid1->model());
            return int(QDialog::Rejected);
        });
        test::doubleClickCell(w->DBGrid1, 0, 0);
        TEditPersFrm *e = nullptr;
        for (QWidget *x : MainWindow::instance()->openChildren())
            if (auto *ed = qobject_cast<TEditPersFrm *>(x))
                e = ed;
        QVERIFY(e);
        QCOMPARE(e->citizenNumber(), c);
        e->parentWidget()->close();
        QVERIFY(QTest::qWaitFor([&] { return !again.isEmpty(); }, 5000));
        QCOMPARE(again, voters);

        // The grid by province has no town to list.
        QVERIFY(w->DBLookupComboBox3->selectText("ΜΑΝΤΙΝΕΙΑΣ"));
        w->ChksEL->click();
        w->BitBtn1->click();
        test::doubleClickCell(w->DBGrid1, 0, 0);
        QCOMPARE(p->ui.dialogs().count("StatPERDlg"), 3);

        QStringList detailed;
        p->ui.onExecOnce["AnalPSHFOIDlg"].enqueue([&](QDialog *d) {
            detailed = gridRows(static_cast<TAnalPSHFOIDlg *>(d)->SGrd);
            return int(QDialog::Rejected);
        });
        w->BitBtn2->click();
        QCOMPARE(detailed, QStringList({"||ΨΗΦΟΙ", "ΠΟΛΗ|ΤΡΙΠΟΛΗ|2", "ΔΗΜΟΣ|ΤΡΙΠΟΛΗΣ|2", "ΕΠΑΡΧΙΑ|ΜΑΝΤΙΝΕΙΑΣ|2",
                                        "ΝΟΜΟΣ|ΑΡΚΑΔΙΑΣ|2"}));
    }

    void chartsCountBars()
    {
        placeCitizens();
        town(Store::instance().scalar("SELECT AUTONUM FROM POLITES WHERE EPITHETO = 'ΖΕΡΒΑΣ'").toInt(), "ΔΗΜΗΤΣΑΝΑ", 4);
        QTemporaryDir dir;
        const QString byName = dir.filePath("cocandidates.png"), byDhmos = dir.filePath("dhmoi"),
                      byEparxia = dir.filePath("eparxies.png"), pdf = dir.filePath("chart.pdf");
        QStringList labels;
        summary([&](TStatAllDlg *d) {
            QVERIFY(!d->Chart->BtnPng->isEnabled()); // nothing computed yet
            d->ChkS->item(1)->setCheckState(Qt::Unchecked);
            d->BitBtn1->click();
            d->ChkS->item(1)->setCheckState(Qt::Checked);
            d->BitBtn1->click();
            labels = d->Chart->data().labels;
            p->ui.saveFiles << byName << pdf;
            d->Chart->BtnPng->click();
            d->Chart->BtnPdf->click();
            d->Chart->BtnPrint->click();
        });
        QCOMPARE(labels, QStringList({"ΑΛΦΑ ΑΛΦΑΣ", "ΒΗΤΑ ΒΗΤΑΣ"}));
        QCOMPARE(countBars(byName), 2);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(4) == "%PDF");
        QCOMPARE(p->ui.printoutTitles, QStringList({"ΨΗΦΟΙ ΑΝΑ ΣΥΝΥΠΟΨΗΦΙΟ"}));
        QCOMPARE(p->ui.printouts[0].pages.size(), 1);
        QCOMPARE(p->ui.printouts[0].pages[0].images, 1);

        TStatTotPSHFOIFrm *w = distributionWindow();
        QStringList dhmoi, eparxies;
        p->ui.onExecOnce["AnalPSHFOIDlg"].enqueue([&](QDialog *d) {
            auto *a = static_cast<TAnalPSHFOIDlg *>(d);
            dhmoi = a->Chart->data().labels;
            p->ui.saveFiles << byDhmos;
            a->Chart->BtnPng->click();
            a->CmbChart->setCurrentIndex(1);
            eparxies = a->Chart->data().labels;
            p->ui.saveFiles << byEparxia;
            a->Chart->BtnPng->click();
            return int(QDialog::Rejected);
        });
        w->BitBtn2->click();
        QCOMPARE(dhmoi, QStringList({"ΤΡΙΠΟΛΗΣ", "ΔΗΜΗΤΣΑΝΑΣ"}));
        QCOMPARE(eparxies, QStringList({"ΓΟΡΤΥΝΙΑΣ", "ΜΑΝΤΙΝΕΙΑΣ"}));
        QCOMPARE(countBars(byDhmos + ".png"), 2);
        QCOMPARE(countBars(byEparxia), 2);
        QVERIFY(p->ui.messages().isEmpty());
    }

    void tablesSavedAsCsv()
    {
        QTemporaryDir dir;
        const QString list = dir.filePath("list.csv"), towns = dir.filePath("towns");
        p->ui.saveFiles << list;
        open([&](TStatFrm *s) {
            QVERIFY(s->DBLookupComboBox1->selectText("ΑΛΦΑ ΑΛΦΑΣ"));
            s->BitBtn1->click();
            s->BtnCsv->click();
            s->reject();
        });
        TStatTotPSHFOIFrm *w = distributionWindow();
        w->BitBtn1->click();
        p->ui.saveFiles << towns;
        w->BtnCsv->click();
        p->ui.saveFiles << QString(); // cancelled: nothing written
        w->BtnCsv->click();
        auto read = [](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray a = read(list), b = read(towns + ".csv");
        QVERIFY(a.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(a.mid(3)).split("\r\n"),
                 QStringList({"ΕΠΙΘΕΤΟ;ΟΝΟΜΑ;ΠΑΤΡ.;ΤΗΛ.ΟΙΚΙΑΣ;ΤΗΛ.ΕΡΓΑΣΙΑΣ;ΚΙΝΗΤΟ;ΨΗΦΟΙ", "ΑΝΤΩΝΙΟΥ;ΝΙΚΟΣ;;;;;3",
                              "ΒΑΣΙΛΕΙΟΥ;ΝΙΚΟΣ;;;;;4", ""}));
        QCOMPARE(QString::fromUtf8(b.mid(3)).split("\r\n"),
                 QStringList({"ΠΟΛΗ;ΔΗΜΟΣ;ΕΠΑΡΧΙΑ;ΨΗΦΟΙ", "ΚΑΨΑΣ;ΤΡΙΠΟΛΗΣ;ΜΑΝΤΙΝΕΙΑΣ;0", "ΤΡΙΠΟΛΗ;ΤΡΙΠΟΛΗΣ;ΜΑΝΤΙΝΕΙΑΣ;5", ""}));
        QVERIFY(p->ui.messages().isEmpty());
    }
};

QTEST_MAIN(TstStat)
#include "tst_stat.moc"
