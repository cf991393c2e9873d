// The statistics window from the main menu: a co-candidate's count and sum over the
// register, the citizens listed in surname order, the message without a choice.
#include "data/Store.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"
#include "statistics/UntStat.h"
#include "statistics/UntStatTotPSHFOI.h"
#include "statistics/UntTotPSHFOI.h"
#include "citizens/CitizenScreens.h"
#include "citizens/UntEditPers.h"
#include "data/DataModule.h"
#include "widgets/MainWindow.h"

#include <QToolButton>
#include "widgets/DbControls.h"

#include <QLabel>
#include <QPushButton>

using namespace dorvani;
using test::Program;

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
    }
};

QTEST_MAIN(TstStat)
#include "tst_stat.moc"
