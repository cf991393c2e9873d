// The four registries of bodies through the one registry screen: adding, the duplicate
// and the mandatory fields refused, deleting refused while a composition exists, the
// composition's members carrying their body, and the printout of a range of rows.
#include "bodies/BodyRegistry.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"
#include "data/Store.h"
#include "widgets/DbControls.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace dorvani;
using namespace dorvani::test;

namespace {
QVariant sql(const QString &s, const QVariantList &b = {}) { return Store::instance().scalar(s, b); }

void play(Program &p, const QString &command, const QString &dialog, const std::function<void(TBodyRegistryDlg *)> &body)
{
    bool shown = false;
    p.ui.onExecOnce[dialog].enqueue([&](QDialog *d) {
        shown = true;
        body(static_cast<TBodyRegistryDlg *>(d));
        return int(QDialog::Rejected);
    });
    QAction *a = p.main()->action(command);
    QVERIFY2(a && a->isEnabled(), qPrintable(command));
    a->trigger();
    QVERIFY2(shown, qPrintable(dialog));
}

void fillForm(TBodyRegistryDlg *d, const QString &name)
{
    d->newClicked();
    d->EdtEponimia->setText(name);
    d->EdtTK->setText("22100");
    d->DbCmbNomos->selectText("ΑΡΚΑΔΙΑΣ");
    if (d->DBCmbNomarxiakes)
        d->DBCmbNomarxiakes->selectText("Ν.Ο. ΠΑΡΤΙ");
}
} // namespace

class TstRegistries : public QObject {
    Q_OBJECT

private slots:
    void registry_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("members");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("question");
        QTest::newRow("prefecture offices") << "ΝΟΜΑΡΧΙΕΣ" << "NomarxiesDlg" << "NOMARXIES" << "NOMARXIES_STRUCT"
                                           << "NOMARXIES_ID" << "Θέλετε να αποθηκεύσετε την Νομαρχία;";
        QTest::newRow("municipality offices") << "ΔΗΜΑΡΧΙΕΣ" << "DhmarxiesDlg" << "DHMARXIES" << "DHMARXIES_STRUCT"
                                             << "DHMARXIES_ID" << "Θέλετε να αποθηκεύσετε την Δημαρχία;";
        QTest::newRow("prefectural organisations")
            << "ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ" << "Nomarxies_O_Dlg" << "NOMARXIAKES_O" << "NOMARXIAKES_O_STRUCT"
            << "NOMARXIAKES_O_ID" << "Θέλετε να αποθηκεύσετε την Νομαρχιακή Οργάνωση;";
        QTest::newRow("local organisations")
            << "ΤΟΠΙΚΕΣ ΟΡΓΑΝΩΣΕΙΣ" << "Topikes_O_Dlg" << "TOPIKES_O" << "TOPIKES_O_STRUCT" << "TOPIKES_O_ID"
            << "Θέλετε να αποθηκεύσετε την Τοπική Οργάνωση;";
    }

    void registry()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(QString, table);
        QFETCH(QString, members);
        QFETCH(QString, link);
        QFETCH(QString, question);
        Program p;
        QTemporaryDir pdfs;
        p.ui.pdfFolder = pdfs.path();
        QVERIFY(p.start());
        const RegisterFixture reg = RegisterFixture::fill();
        const int party = Store::instance()
                              .exec("INSERT INTO KOMMATA (KOMMA) VALUES ('ΠΑΡΤΙ')")
                              .lastInsertId()
                              .toInt();
        if (table == "TOPIKES_O") // the prefectural organisation it belongs to
            Store::instance().exec("INSERT INTO NOMARXIAKES_O (Nomos, Onomasia, KommaID, Autonum) VALUES (?, 'Ν.Ο. ΠΑΡΤΙ', ?, 50)",
                               {reg.arkadia, party});

        play(p, command, dialog, [&](TBodyRegistryDlg *d) {
            // Added, then the same name and prefecture refused.
            fillForm(d, "ΑΛΦΑ");
            p.ui.answers << true;
            QVERIFY(d->leaveForm());
            QCOMPARE(sql(QString("SELECT COUNT(*) FROM %1").arg(table)).toInt(), 1);
            QVERIFY(p.ui.questions().contains(question));
            fillForm(d, "ΑΛΦΑ");
            p.ui.answers << true;
            d->leaveForm();
            QVERIFY(p.ui.messages().contains("Αυτή η εγγραφή υπάρχει."));
            QCOMPARE(sql(QString("SELECT COUNT(*) FROM %1").arg(table)).toInt(), 1);

            // Without a prefecture nothing is stored and the form stays.
            d->newClicked();
            d->EdtEponimia->setText("ΒΗΤΑ");
            p.ui.answers << true;
            QVERIFY(!d->leaveForm());
            QVERIFY(d->formShown());
            QVERIFY(p.ui.messages().contains(
                d->DBCmbNomarxiakes ? "Η Ονομασία και η Νομαρχιακή Οργάνωση είναι απαραίτητα πεδία για την αποθήκευση."
                                    : "Η Ονομασία και ο Νομός είναι απαραίτητα πεδία για την αποθήκευση."));
            fillForm(d, "ΒΗΤΑ");
            p.ui.answers << true;
            QVERIFY(d->leaveForm());
            QCOMPARE(sql(QString("SELECT COUNT(*) FROM %1").arg(table)).toInt(), 2);

            // A local organisation takes the party of its prefectural organisation.
            if (d->DBCmbNomarxiakes) {
                QCOMPARE(sql("SELECT KommaID FROM TOPIKES_O WHERE Onomasia = 'ΑΛΦΑ'").toInt(), party);
                QCOMPARE(sql("SELECT SYMMAXIAID FROM TOPIKES_O WHERE Onomasia = 'ΑΛΦΑ'").toInt(), party);
            }

            // A member of ΑΛΦΑ: deleting it is refused, ΒΗΤΑ goes.
            const int alfa = sql(QString("SELECT Autonum FROM %1 WHERE Onomasia = 'ΑΛΦΑ'").arg(table)).toInt();
            d->openRow(0);
            QCOMPARE(d->EdtEponimia->text(), QString("ΑΛΦΑ"));
            p.ui.onExecOnce[d->structDlg()->objectName()].enqueue([&](QDialog *) {
                TBodyStructDlg *c = d->structDlg();
                c->addMember();
                QAbstractItemModel *m = c->DBGrid1->model();
                m->setData(m->index(0, 0), QString("ΠΑΠΑΣ"), Qt::EditRole); // typed as the surname
                c->addMember();                                             // left untouched
                c->hide();
                return int(QDialog::Accepted);
            });
            d->composition();
            QCOMPARE(sql(QString("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(members, link), {alfa}).toInt(), 1);
            QCOMPARE(sql(QString("SELECT EPITHETO FROM %1").arg(members)).toString(), QString("ΠΑΠΑΣ"));
            if (d->DBCmbNomarxiakes) // the member carries the organisation's party
                QCOMPARE(sql(QString("SELECT KOMMA_ID FROM %1").arg(members)).toInt(), party);
            d->DBGrid1->selectAll();
            p.ui.answers << true;
            d->deleteClicked();
            QVERIFY(p.ui.messages().contains(
                "Δεν μπορεί να γίνει η διαγραφή γιατί υπάρχει καταχωρημένη σύνθεση σε αυτήν."));
            QCOMPARE(sql(QString("SELECT COUNT(*) FROM %1").arg(table)).toInt(), 1);
            QCOMPARE(sql(QString("SELECT Onomasia FROM %1").arg(table)).toString(), QString("ΑΛΦΑ"));

            // A range of rows printed.
            fillForm(d, "ΓΑΜΜΑ");
            p.ui.answers << true;
            d->leaveForm();
            p.ui.onExecOnce["PrintRangeDlg"].enqueue([](QDialog *r) {
                r->findChild<QLineEdit *>("Edit1")->setText("2");
                r->findChild<QLineEdit *>("Edit2")->setText("2");
                return int(QDialog::Accepted);
            });
            d->printClicked();
            QCOMPARE(p.ui.printouts.size(), 1);
            const QString text = p.ui.printouts[0].allText();
            QVERIFY(text.contains("ΓΑΜΜΑ"));
            QVERIFY(!text.contains("ΑΛΦΑ"));
        });
        // The same printout as a PDF file.
        QCOMPARE(p.ui.pdfFiles.size(), 1);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read the PDF file");
        QProcess pdf;
        pdf.start("pdftotext", {"-enc", "UTF-8", p.ui.pdfFiles.first(), "-"});
        QVERIFY(pdf.waitForFinished());
        const QString read = QString::fromUtf8(pdf.readAllStandardOutput());
        QVERIFY2(read.contains("ΓΑΜΜΑ"), qPrintable(read));
        QVERIFY(!read.contains("ΑΛΦΑ"));
    }
};

QTEST_MAIN(TstRegistries)
#include "tst_registries.moc"
