// The vocatives screen: the register's first names that the table lacks are added (one
// row per name and sex into an empty table, by name alone otherwise, never a blank name,
// with the vocative the rules give),
// an edited vocative is kept, and the count is shown.
#include "data/DataModule.h"
#include "data/Dataset.h"
#include "data/Store.h"
#include "letters/UntKlhtikh.h"
#include "widgets/DbControls.h"
#include "ProgramFixture.h"

#include <QLabel>
#include <QSqlQuery>
#include <QTest>

using namespace dorvani;
using test::Program;

namespace {

void addCitizen(const QString &surname, const QString &name, int sex)
{
    Store::instance().run("INSERT INTO POLITES (EPITHETO, ONOMA, FYLO) VALUES (?, ?, ?)", {surname, name, sex});
}

QStringList rows()
{
    QStringList out;
    QSqlQuery q(Store::instance().database());
    q.exec("SELECT ONOMA, KLHTIKH, FYLO FROM KLHTIKH ORDER BY ONOMA, FYLO");
    while (q.next())
        out << QString("%1=%2/%3").arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
    return out;
}

} // namespace

class TstVocatives : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;

    // Opens the screen from the menu and plays it.
    void open(const std::function<void(TKLHTIKHDlg *)> &play)
    {
        p->ui.onExecOnce["KLHTIKHDlg"].enqueue([play](QDialog *d) {
            play(static_cast<TKLHTIKHDlg *>(d));
            d->reject();
            return d->result();
        });
        p->main()->action("ΚΛΗΤΙΚΗ ΟΝΟΜΑΤΩΝ")->trigger();
    }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        p->ui.clearLog();
    }
    void cleanup()
    {
        if (p)
            QVERIFY2(p->ui.unexpected.isEmpty(), qPrintable(p->ui.unexpected.join("; ")));
        p.reset();
    }

    void addsTheRegistersMissingNames()
    {
        addCitizen("ΑΛΦΑ", "ΓΙΩΡΓΟΣ", 0);
        addCitizen("ΒΗΤΑ", "ΓΙΩΡΓΟΣ", 0);
        addCitizen("ΓΑΜΜΑ", "ΜΑΡΙΑ", 1);
        addCitizen("ΔΕΛΤΑ", "ΑΝΔΡΕΑ", 0);
        addCitizen("ΕΨΙΛΟΝ", "ΑΝΔΡΕΑ", 1);
        addCitizen("ΖΗΤΑ", "", 0);
        addCitizen("ΗΤΑ", "  ", 1);
        QString label;
        open([&](TKLHTIKHDlg *d) { label = d->Label2->text(); });
        QCOMPARE(label, QString("ΣΥΝΟΛΟ ΕΓΓΡΑΦΩΝ : 4"));
        QCOMPARE(rows(), QStringList({"ΑΝΔΡΕΑ=ΑΝΔΡΕΑ/0", "ΑΝΔΡΕΑ=ΑΝΔΡΕΑ/1", "ΓΙΩΡΓΟΣ=ΓΙΩΡΓΟ/0", "ΜΑΡΙΑ=ΜΑΡΙΑ/1"}));

        // A table that is not empty gets a name it lacks once, whatever the sexes.
        addCitizen("ΘΗΤΑ", "ΚΩΣΤΑΣ", 0);
        addCitizen("ΙΩΤΑ", "ΚΩΣΤΑΣ", 1);
        open([&](TKLHTIKHDlg *d) { label = d->Label2->text(); });
        QCOMPARE(label, QString("ΣΥΝΟΛΟ ΕΓΓΡΑΦΩΝ : 5"));
        QCOMPARE(rows().filter("ΚΩΣΤΑΣ").size(), 1);
    }

    void anEditedVocativeIsKept()
    {
        addCitizen("ΑΛΦΑ", "ΓΙΩΡΓΟΣ", 0);
        addCitizen("ΒΗΤΑ", "ΜΑΡΙΑ", 1);
        open([&](TKLHTIKHDlg *d) {
            QAbstractItemModel *m = d->DBGrid1->model();
            QCOMPARE(m->index(0, 0).data().toString(), QString("ΓΙΩΡΓΟΣ"));
            QVERIFY(m->flags(m->index(0, 1)) & Qt::ItemIsEditable);
            QVERIFY(m->setData(m->index(0, 1), "ΓΙΩΡΓΟ,ΓΙΩΡΓΗ"));
        });
        addCitizen("ΓΑΜΜΑ", "ΓΙΩΡΓΟΣ", 0);
        addCitizen("ΔΕΛΤΑ", "ΝΙΚΟΣ", 0);
        open([](TKLHTIKHDlg *) {});
        QCOMPARE(rows(), QStringList({"ΓΙΩΡΓΟΣ=ΓΙΩΡΓΟ,ΓΙΩΡΓΗ/0", "ΜΑΡΙΑ=ΜΑΡΙΑ/1", "ΝΙΚΟΣ=ΝΙΚΟ/0"}));
    }
};

QTEST_MAIN(TstVocatives)
#include "tst_vocatives.moc"
