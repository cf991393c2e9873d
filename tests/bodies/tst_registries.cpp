// The four registries of bodies through the one registry screen: adding, the duplicate
// and the mandatory fields refused, deleting refused while a composition exists and
// several rows deleted at once, the printout of a range of rows; and the composition grid
// of each kind typed into as a user does: its lists, digit columns, citizen mark, Enter.
#include "bodies/BodyRegistry.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"
#include "data/Store.h"
#include "platform/Desktop.h"
#include "platform/Keyboard.h"
#include "widgets/DbControls.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace dorvani;
using namespace dorvani::test;

namespace {
QVariant sql(const QString &s, const QVariantList &b = {}) { return Store::instance().scalar(s, b); }

class FakeKeyboard : public KeyboardBackend {
public:
    int entry = 0;
    QStringList layouts;
    int capsEntry() override { return entry; }
    void setCapsEntry(int v) override { entry = v; }
    void activateLayout(const QString &id) override { layouts << id; }
    QString last() const { return layouts.value(layouts.size() - 1); }
};

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

// Opens the cell's editor, types into it and presses Enter there.
void typeCell(DBGrid *g, int row, int column, const QString &text, Qt::Key end = Qt::Key_Return)
{
    g->setCurrentIndex(g->model()->index(row, column));
    g->edit(g->currentIndex());
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor && editor != g);
    auto *line = qobject_cast<QLineEdit *>(editor);
    QVERIFY(line);
    test::typeText(line, text);
    QTest::keyClick(line, end);
}

// Opens a list cell's editor, chooses the entry and presses Enter there.
QComboBox *chooseCell(DBGrid *g, int row, int column)
{
    g->setCurrentIndex(g->model()->index(row, column));
    g->edit(g->currentIndex());
    return qobject_cast<QComboBox *>(QApplication::focusWidget());
}

int columnOf(TBodyStructDlg *c, const QString &field)
{
    const QList<BodyColumn> cols = c->columns();
    for (int i = 0; i < cols.size(); ++i)
        if (cols[i].field == field)
            return i;
    return -1;
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
        QTest::addColumn<QString>("required");
        QTest::addColumn<QStringList>("titles");
        const QStringList offices{"ONΟΜΑΣΙΑ", "ΔΙΕΥΘΥΝΣΗ", "ΠΟΛΗ",  "Τ.Κ",     "ΝΟΜΟΣ",
                                  "ΤΗΛ.1",    "Fax",       "ΚΟΜΜΑ", "ΣΥΜΜΑΧΙΑ"};
        const QString nomos = "Η Ονομασία και ο Νομός είναι απαραίτητα πεδία για την αποθήκευση.";
        QTest::newRow("prefecture offices") << "ΝΟΜΑΡΧΙΕΣ" << "NomarxiesDlg" << "NOMARXIES" << "NOMARXIES_STRUCT"
                                           << "NOMARXIES_ID" << "Θέλετε να αποθηκεύσετε την Νομαρχία;" << nomos
                                           << offices;
        QTest::newRow("municipality offices") << "ΔΗΜΑΡΧΙΕΣ" << "DhmarxiesDlg" << "DHMARXIES" << "DHMARXIES_STRUCT"
                                             << "DHMARXIES_ID" << "Θέλετε να αποθηκεύσετε την Δημαρχία;" << nomos
                                             << offices;
        QTest::newRow("prefectural organisations")
            << "ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ" << "Nomarxies_O_Dlg" << "NOMARXIAKES_O" << "NOMARXIAKES_O_STRUCT"
            << "NOMARXIAKES_O_ID" << "Θέλετε να αποθηκεύσετε την Νομαρχιακή Οργάνωση;" << nomos
            << offices.mid(0, 8);
        QTest::newRow("local organisations")
            << "ΤΟΠΙΚΕΣ ΟΡΓΑΝΩΣΕΙΣ" << "Topikes_O_Dlg" << "TOPIKES_O" << "TOPIKES_O_STRUCT" << "TOPIKES_O_ID"
            << "Θέλετε να αποθηκεύσετε την Τοπική Οργάνωση;"
            << "Η Ονομασία καιη Νομαρχιακή Οργάνωση είναι απαραίτητα πεδία για την αποθήκευση."
            << QStringList{"ΝΟΜΑΡΧΙΑΚΗ ΟΡΓΑΝΩΣΗ"} + offices.mid(0, 7);
    }

    void registry()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(QString, table);
        QFETCH(QString, members);
        QFETCH(QString, link);
        QFETCH(QString, question);
        QFETCH(QString, required);
        QFETCH(QStringList, titles);
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
            QStringList shown;
            for (int c = 0; c < d->DBGrid1->model()->columnCount(); ++c)
                shown << d->DBGrid1->model()->headerData(c, Qt::Horizontal).toString();
            QCOMPARE(shown, titles);

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

            // Without the required choice nothing is stored and the form stays.
            d->newClicked();
            d->EdtEponimia->setText("ΒΗΤΑ");
            p.ui.answers << true;
            QVERIFY(!d->leaveForm());
            QVERIFY(d->formShown());
            QVERIFY(p.ui.messages().contains(required));
            for (const QString name : {"ΒΗΤΑ", "ΓΑΜΜΑ", "ΔΕΛΤΑ"}) {
                fillForm(d, name);
                p.ui.answers << true;
                QVERIFY(d->leaveForm());
            }
            QCOMPARE(sql(QString("SELECT COUNT(*) FROM %1").arg(table)).toInt(), 4);

            // A local organisation takes the party of its prefectural organisation.
            if (d->DBCmbNomarxiakes) {
                QCOMPARE(sql("SELECT KommaID FROM TOPIKES_O WHERE Onomasia = 'ΑΛΦΑ'").toInt(), party);
                QCOMPARE(sql("SELECT SYMMAXIAID FROM TOPIKES_O WHERE Onomasia = 'ΑΛΦΑ'").toInt(), party);
            }

            // A range of rows printed: the second and third in grid order, under the head.
            p.ui.onExecOnce["PrintRangeDlg"].enqueue([](QDialog *r) {
                r->findChild<QLineEdit *>("Edit1")->setText("2");
                r->findChild<QLineEdit *>("Edit2")->setText("3");
                return int(QDialog::Accepted);
            });
            d->printClicked();
            QCOMPARE(p.ui.printouts.size(), 1);
            const QString text = p.ui.printouts[0].allText();
            QVERIFY(text.contains("ΠΡΟΓΡΑΜΜΑ DORVANI"));
            QVERIFY(text.contains(d->windowTitle()));
            QVERIFY(text.contains("ΒΗΤΑ") && text.contains("ΓΑΜΜΑ"));
            QVERIFY(!text.contains("ΑΛΦΑ") && !text.contains("ΔΕΛΤΑ"));

            // A member of ΑΛΦΑ, typed into the composition grid.
            const int alfa = sql(QString("SELECT Autonum FROM %1 WHERE Onomasia = 'ΑΛΦΑ'").arg(table)).toInt();
            d->openRow(0);
            QCOMPARE(d->EdtEponimia->text(), QString("ΑΛΦΑ"));
            p.ui.onExecOnce[d->structDlg()->objectName()].enqueue([&](QDialog *) {
                [&] {
                TBodyStructDlg *c = d->structDlg();
                QTest::keyClick(c->DBGrid1, Qt::Key_Insert);
                typeCell(c->DBGrid1, 0, 1, "ΠΑΠΑΣ");
                QTest::keyClick(c->DBGrid1, Qt::Key_Insert); // left untouched
                QCOMPARE(c->DBGrid1->model()->rowCount(), 2);
                }();
                return int(QDialog::Accepted);
            });
            d->composition();
            QCOMPARE(sql(QString("SELECT COUNT(*) FROM %1").arg(members)).toInt(), 1);
            QCOMPARE(sql(QString("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(members, link), {alfa}).toInt(), 1);
            if (d->DBCmbNomarxiakes) // the member carries the organisation's party
                QCOMPARE(sql(QString("SELECT KOMMA_ID FROM %1").arg(members)).toInt(), party);

            // Deleting: ΑΛΦΑ stays for its member, the three others go at once.
            d->DBGrid1->selectAll();
            p.ui.answers << true;
            d->deleteClicked();
            QVERIFY(p.ui.messages().contains(
                "Δεν μπορεί να γίνει η διαγραφή γιατί υπάρχει καταχωρημένη σύνθεση σε αυτήν."));
            QCOMPARE(sql(QString("SELECT COUNT(*) FROM %1").arg(table)).toInt(), 1);
            QCOMPARE(sql(QString("SELECT Onomasia FROM %1").arg(table)).toString(), QString("ΑΛΦΑ"));
        });
        // The same printout as a PDF file.
        QCOMPARE(p.ui.pdfFiles.size(), 1);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read the PDF file");
        QProcess pdf;
        pdf.start("pdftotext", {"-enc", "UTF-8", p.ui.pdfFiles.first(), "-"});
        QVERIFY(pdf.waitForFinished());
        const QString read = QString::fromUtf8(pdf.readAllStandardOutput());
        QVERIFY2(read.contains("ΓΑΜΜΑ") && read.contains("ΒΗΤΑ"), qPrintable(read));
        QVERIFY(!read.contains("ΑΛΦΑ"));
    }

    void composition_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("members");
        QTest::addColumn<int>("tako");
        QTest::addColumn<bool>("partyBody");
        QTest::addColumn<QStringList>("titles");
        const QStringList head{"ΙΔΙΟΤΗΤΑ", "ΕΠΙΘΕΤΟ", "ΟΝΟΜΑ"};
        const QStringList tail{"ΔΙΕΥΘΥΝΣΗ", "ΠΟΛΗ",          "Τ.Κ.",    "ΤΗΛ. 1",      "ΤΗΛ 2",
                               "ΚΙΝΗΤΟ",    "ΗΜ/ΝΙΑ ΕΟΡΤΗΣ", "ΠΟΛΙΤΗΣ", "ΠΑΡΑΤΗΡΗΣΕΙΣ"};
        const QStringList offices = head + QStringList{"ΚΟΜΜΑ", "ΕΠΑΓΓΕΛΜΑ", "ΚΟΜ.ΘΕΣΗ"} + tail;
        const QStringList parties = head + QStringList{"ΕΠΑΓΓΕΛΜΑ", "ΜΕΛΟΣ ΣΕ"} + tail;
        QTest::newRow("prefecture office") << "ΝΟΜΑΡΧΙΕΣ" << "NomarxiesDlg" << "NOMARXIES_STRUCT" << 0 << false
                                          << offices;
        QTest::newRow("municipality office") << "ΔΗΜΑΡΧΙΕΣ" << "DhmarxiesDlg" << "DHMARXIES_STRUCT" << 1 << false
                                            << offices;
        QTest::newRow("prefectural organisation") << "ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ" << "Nomarxies_O_Dlg"
                                                 << "NOMARXIAKES_O_STRUCT" << 2 << true << parties;
        QTest::newRow("local organisation") << "ΤΟΠΙΚΕΣ ΟΡΓΑΝΩΣΕΙΣ" << "Topikes_O_Dlg" << "TOPIKES_O_STRUCT" << 3
                                           << true << parties;
    }

    void composition()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(QString, members);
        QFETCH(int, tako);
        QFETCH(bool, partyBody);
        QFETCH(QStringList, titles);
        Program p;
        QVERIFY(p.start());
        Store &s = Store::instance();
        for (int k = 0; k < 4; ++k)
            s.exec("INSERT INTO PERS_IDIOTHTA (TAKO, PERS_IDIOTHTA) VALUES (?, ?)", {k, QString("ΡΟΛΟΣ %1").arg(k)});
        const int party = s.exec("INSERT INTO KOMMATA (KOMMA) VALUES ('ΠΑΡΤΙ')").lastInsertId().toInt();
        s.exec("INSERT INTO KOMMATASTRUCT (KOMMA, AUTONUM) VALUES ('ΠΑΡΤΙ', ?)", {party});
        const int doctor = s.exec("INSERT INTO Epagelmata (Epagelma) VALUES ('ΓΙΑΤΡΟΣ')").lastInsertId().toInt();
        const int secretary =
            s.exec("INSERT INTO KOMMATIKES_THESEIS (KOMMATIKH_THESH) VALUES ('ΓΡΑΜΜΑΤΕΑΣ')").lastInsertId().toInt();
        const QString body = members.chopped(7);
        s.exec("INSERT INTO NOMARXIAKES_O (Nomos, Onomasia, KommaID, Autonum) VALUES (1, 'Ν.Ο.', ?, 50)", {party});
        if (body != "NOMARXIAKES_O")
            s.exec(QString("INSERT INTO %1 (Nomos, Onomasia, KommaID, Autonum) VALUES (1, 'ΣΩΜΑ', ?, 50)").arg(body),
                   {party});
        if (body == "TOPIKES_O")
            s.exec("UPDATE TOPIKES_O SET NOMARXIAKES_O_ID = 50");
        const QString link = body + "_ID";

        FakeKeyboard keys;
        Keyboard::setBackend(&keys);
        play(p, command, dialog, [&](TBodyRegistryDlg *d) {
            d->openRow(0);
            // Entering the name types Greek capitals, e-mail Latin small letters.
            d->EdtEmail->setFocus();
            QCOMPARE(keys.last(), Keyboard::layoutId(1033));
            QCOMPARE(keys.entry, 0);
            d->EdtEponimia->setFocus();
            QCOMPARE(keys.last(), Keyboard::layoutId(1032));
            QCOMPARE(keys.entry, 1);
            p.ui.onExecOnce[d->structDlg()->objectName()].enqueue([&](QDialog *) {
                [&] {
                TBodyStructDlg *c = d->structDlg();
                DBGrid *g = c->DBGrid1;
                QStringList shown;
                for (int i = 0; i < g->model()->columnCount(); ++i)
                    shown << g->model()->headerData(i, Qt::Horizontal).toString();
                QCOMPARE(shown, titles);
                QCOMPARE(g->model()->rowCount(), 0);

                QTest::keyClick(g, Qt::Key_Insert);
                QCOMPARE(g->model()->rowCount(), 1);
                // Small Greek letters become capitals; Enter goes to the next column.
                typeCell(g, 0, 1, "παπας");
                QCOMPARE(g->currentIndex().column(), 2);
                // Tab stores the cell too and goes on to the next column.
                typeCell(g, 0, 2, "νικος", Qt::Key_Tab);
                QCOMPARE(g->currentIndex().column(), 3);
                // A cell stored another way leaves the current cell where it was.
                g->setCurrentIndex(g->model()->index(0, 5));
                g->model()->setData(g->model()->index(0, columnOf(c, "ADDRESS")), QString("ΟΔΟΣ 1"), Qt::EditRole);
                QTest::qWait(0);
                QCOMPARE(g->currentIndex().column(), 5);
                // The role list offers only this kind's roles.
                QComboBox *role = chooseCell(g, 0, 0);
                QVERIFY(role);
                QCOMPARE(role->count(), 1);
                QCOMPARE(role->itemText(0), QString("ΡΟΛΟΣ %1").arg(tako));
                static_cast<DBLookupComboBox *>(role)->selectText(QString("ΡΟΛΟΣ %1").arg(tako));
                QTest::keyClick(role, Qt::Key_Return);
                QCOMPARE(c->shownText(0, 0), QString("ΡΟΛΟΣ %1").arg(tako));
                QCOMPARE(g->currentIndex().column(), 1);
                // Profession and party position from their lists.
                for (const auto &[field, text] : {std::pair<QString, QString>{"EPAGGELMA", "ΓΙΑΤΡΟΣ"},
                                                  {"KOMMATIKH_THESH_ID", "ΓΡΑΜΜΑΤΕΑΣ"}}) {
                    auto *box = static_cast<DBLookupComboBox *>(chooseCell(g, 0, columnOf(c, field)));
                    QVERIFY(box && box->selectText(text));
                    QTest::keyClick(box, Qt::Key_Return);
                    QCOMPARE(c->shownText(0, columnOf(c, field)), text);
                }
                if (!partyBody) {
                    auto *box = static_cast<DBLookupComboBox *>(chooseCell(g, 0, columnOf(c, "KOMMA_ID")));
                    QVERIFY(box && box->selectText("ΠΑΡΤΙ"));
                    QTest::keyClick(box, Qt::Key_Return);
                }
                // Digit columns drop letters and dashes; the name day takes "/".
                typeCell(g, 0, columnOf(c, "TEL1"), "21a0-5");
                typeCell(g, 0, columnOf(c, "CELEBRDATE"), "30/06");
                g->setCurrentIndex(g->model()->index(0, columnOf(c, "MOBILE")));
                QTest::keyClick(g, Qt::Key_A);
                QCOMPARE(QApplication::focusWidget(), g); // no editor opened for a letter
                // The citizen mark from its pick list.
                auto *mark = chooseCell(g, 0, columnOf(c, "ISINPOLITES"));
                QVERIFY(mark);
                QCOMPARE(mark->count(), 2);
                mark->setCurrentIndex(0);
                QTest::keyClick(mark, Qt::Key_Return);
                QCOMPARE(c->shownText(0, columnOf(c, "ISINPOLITES")), QString("ΝΑΙ"));
                // Enter on the grid itself: at 13 it wraps to the first column.
                g->setCurrentIndex(g->model()->index(0, 13));
                QTest::keyClick(g, Qt::Key_Return);
                QCOMPARE(g->currentIndex().column(), 0);
                if (partyBody) {
                    // Every Enter stamps the organisation's party over any other.
                    s.exec(QString("UPDATE %1 SET KOMMA_ID = 999").arg(members));
                    QTest::keyClick(g, Qt::Key_Return);
                    QCOMPARE(sql(QString("SELECT KOMMA_ID FROM %1").arg(members)).toInt(), party);
                }
                // A click into the column at place 4 types Latin letters.
                const QRect r = g->visualRect(g->model()->index(0, 4));
                QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
                QCOMPARE(keys.last(), Keyboard::layoutId(1033));
                // A second new row left untouched is not kept, nor doubled.
                QTest::keyClick(g, Qt::Key_Insert);
                QTest::keyClick(g, Qt::Key_Insert);
                QCOMPARE(g->model()->rowCount(), 2);
                // A row goes with Ctrl+Delete after the question, and only on Yes.
                QTest::keyClick(g, Qt::Key_Insert);
                p.ui.answers << false;
                QTest::keyClick(g, Qt::Key_Delete, Qt::ControlModifier);
                QCOMPARE(g->model()->rowCount(), 2);
                p.ui.answers << true;
                QTest::keyClick(g, Qt::Key_Delete, Qt::ControlModifier);
                QCOMPARE(g->model()->rowCount(), 1);
                QTest::keyClick(g, Qt::Key_Insert);
                }();
                return int(QDialog::Accepted);
            });
            d->composition();
            QVERIFY(!d->structDlg()->isVisible());
        });
        Keyboard::setBackend(nullptr);
        QCOMPARE(sql(QString("SELECT COUNT(*) FROM %1").arg(members)).toInt(), 1);
        QSqlQuery q = s.exec(QString("SELECT %1, EPITHETO, PERS_IDIOTHTA_ID, EPAGGELMA, KOMMATIKH_THESH_ID, TEL1, "
                                     "CELEBRDATE, ISINPOLITES, KOMMA_ID, ONOMA, ADDRESS FROM %2")
                                 .arg(link, members));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 50);
        QCOMPARE(q.value(1).toString(), QString("ΠΑΠΑΣ"));
        QCOMPARE(q.value(2).toInt(), sql("SELECT AUTONUM FROM PERS_IDIOTHTA WHERE TAKO = ?", {tako}).toInt());
        QCOMPARE(q.value(3).toInt(), doctor);
        QCOMPARE(q.value(4).toInt(), secretary);
        QCOMPARE(q.value(5).toString(), QString("2105"));
        QCOMPARE(q.value(6).toString(), QString("30/06"));
        QCOMPARE(q.value(7).toInt(), 1);
        QCOMPARE(q.value(8).toInt(), party);
        QCOMPARE(q.value(9).toString(), QString("ΝΙΚΟΣ"));
        QCOMPARE(q.value(10).toString(), QString("ΟΔΟΣ 1"));
        // After closing, the composition table is no longer limited to the body.
        QVERIFY(!p.dm().TblNomarxies_Struct->filtered());
    }

    void form_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<bool>("prefectureDigitsOnly");
        const QStringList head{"EdtEponimia", "EdtAddress", "EdtPolh", "EdtTK"};
        const QStringList tail{"EdtTel1", "EdtFAX1", "EdtEmail", "EdtWeb"};
        QTest::newRow("prefecture offices") << "ΝΟΜΑΡΧΙΕΣ" << "NomarxiesDlg" << head + QStringList{"DbCmbNomos"} + tail
                                           << true;
        QTest::newRow("municipality offices")
            << "ΔΗΜΑΡΧΙΕΣ" << "DhmarxiesDlg" << head + QStringList{"DbCmbNomos", "DBCmbKomma", "DBCmbSYMMAXIA"} + tail
            << false;
        QTest::newRow("prefectural organisations") << "ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ" << "Nomarxies_O_Dlg"
                                                  << head + QStringList{"DbCmbNomos", "DBCmbKomma"} + tail << true;
        QTest::newRow("local organisations") << "ΤΟΠΙΚΕΣ ΟΡΓΑΝΩΣΕΙΣ" << "Topikes_O_Dlg"
                                            << head + QStringList{"DbCmbNomarxiakes_O"} + tail << false;
    }

    // The form: Enter runs along it and stops in the web field, the prefecture of some
    // kinds takes no letters, and an e-mail without "@" is not left without the message.
    void form()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(QStringList, chain);
        QFETCH(bool, prefectureDigitsOnly);
        Program p;
        QVERIFY(p.start());
        const RegisterFixture reg = RegisterFixture::fill();
        Store::instance().exec("INSERT INTO NOMARXIAKES_O (Nomos, Onomasia, Autonum) VALUES (?, 'Ν.Ο. ΠΑΡΤΙ', 50)",
                               {reg.arkadia});
        play(p, command, dialog, [&](TBodyRegistryDlg *d) {
            d->newClicked();
            d->EdtEponimia->setFocus();
            QStringList visited{QApplication::focusWidget()->objectName()};
            for (int i = 0; i < chain.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                visited << QApplication::focusWidget()->objectName();
            }
            QCOMPARE(visited, chain + QStringList{"EdtWeb"}); // Enter in the web field stays
            if (d->DBCmbNomarxiakes) {
                d->DbCmbNomos->setFocus();
                QTest::keyClick(d->DbCmbNomos, Qt::Key_Return);
                QCOMPARE(QApplication::focusWidget(), d->EdtTel1);
            } else if (d->DBCmbSYMMAXIA->isVisibleTo(d)) {
                d->DBCmbKomma->setFocus();
                QTest::keyClick(d->DBCmbKomma, Qt::Key_Return);
                QCOMPARE(QApplication::focusWidget(), d->DBCmbSYMMAXIA);
                QTest::keyClick(d->DBCmbSYMMAXIA, Qt::Key_Return);
                QCOMPARE(QApplication::focusWidget(), d->EdtTel1);
            }
            // A letter in the prefecture chooses nothing where it takes digits only.
            d->DbCmbNomos->setFocus();
            test::typeText(d->DbCmbNomos, "Α");
            QCOMPARE(d->DbCmbNomos->text().isEmpty(), prefectureDigitsOnly);
            // The digits-only fields drop letters.
            d->EdtTel1->clear();
            test::typeText(d->EdtTel1, "21Α0");
            QCOMPARE(d->EdtTel1->text(), QString("210"));

            d->EdtEmail->setFocus();
            test::typeText(d->EdtEmail, "dimos");
            d->EdtWeb->setFocus();
            QVERIFY(p.ui.messages().contains("Το Email δεν είναι σωστό."));
            QCOMPARE(QApplication::focusWidget(), d->EdtEmail);
            const int shown = int(p.ui.messages().count("Το Email δεν είναι σωστό."));
            // Leaving the form at once refuses again without a second message.
            d->EdtEponimia->setText("ΟΝΟΜΑ");
            d->DbCmbNomos->selectText("ΑΡΚΑΔΙΑΣ");
            if (d->DBCmbNomarxiakes)
                QVERIFY(d->DBCmbNomarxiakes->selectText("Ν.Ο. ΠΑΡΤΙ"));
            const int messages = int(p.ui.messages().size());
            p.ui.answers << true;
            QVERIFY(!d->leaveForm());
            QCOMPARE(int(p.ui.messages().size()), messages);
            QVERIFY(d->formShown());
            d->EdtEmail->clear();
            d->EdtWeb->setFocus();
            QCOMPARE(int(p.ui.messages().count("Το Email δεν είναι σωστό.")), shown);
            QCOMPARE(QApplication::focusWidget(), d->EdtWeb);
        });
    }

    // The head of the registry printout: on the first page the banner, two blank lines,
    // the caption and two more; on every further page the banner, one, the caption.
    void printoutHead()
    {
        Program p;
        QVERIFY(p.start());
        for (int i = 0; i < 80; ++i)
            Store::instance().exec("INSERT INTO NOMARXIES (Nomos, Onomasia) VALUES (1, ?)",
                                   {QString("ΓΡΑΦΕΙΟ %1").arg(i, 2, 10, QChar('0'))});
        play(p, "ΝΟΜΑΡΧΙΕΣ", "NomarxiesDlg", [&](TBodyRegistryDlg *d) {
            p.ui.onExecOnce["PrintRangeDlg"].enqueue([](QDialog *r) {
                r->findChild<QCheckBox *>("ChkAll")->setChecked(true);
                return int(QDialog::Accepted);
            });
            d->printClicked();
            // A range that is not a number prints nothing.
            p.ui.onExecOnce["PrintRangeDlg"].enqueue([](QDialog *r) {
                r->findChild<QLineEdit *>("Edit1")->clear();
                return int(QDialog::Accepted);
            });
            d->printClicked();
            QVERIFY(p.ui.messages().contains("Η περιοχή εκτύπωσης δεν είναι σωστή."));
        });
        QCOMPARE(p.ui.printouts.size(), 1);
        const auto &pages = p.ui.printouts[0].pages;
        QVERIFY(pages.size() >= 2);
        const QString caption = "ΠΡΟΒΟΛΗ ΝΟΜΑΡΧΙΑΣ";
        QCOMPARE(pages[0].texts.mid(0, 7),
                 (QStringList{"ΠΡΟΓΡΑΜΜΑ DORVANI", "", "", caption, "", "", "ONΟΜΑΣΙΑ"}));
        QCOMPARE(pages[1].texts.mid(0, 4), (QStringList{"ΠΡΟΓΡΑΜΜΑ DORVANI", "", caption, "ONΟΜΑΣΙΑ"}));
        QVERIFY(p.ui.printouts[0].allText().contains("ΓΡΑΦΕΙΟ 00"));
        QVERIFY(p.ui.printouts[0].allText().contains("ΓΡΑΦΕΙΟ 79"));
    }

    // The web and e-mail buttons hand the addresses to the desktop.
    void addresses()
    {
        Program p;
        QVERIFY(p.start());
        FakeDesktop desk;
        Desktop::setInstance(&desk);
        play(p, "ΔΗΜΑΡΧΙΕΣ", "DhmarxiesDlg", [&](TBodyRegistryDlg *d) {
            d->newClicked();
            d->EdtWeb->setText("www.dimos.gr");
            d->EdtEmail->setText("dimos a@dimos.gr");
            d->SpeedButton8->click();
            d->SpeedButton7->click();
            d->EdtWeb->setText("javascript:alert(1)");
            d->EdtEmail->setText("ΧΩΡΙΣ");
            d->SpeedButton8->click();
            d->SpeedButton7->click();
        });
        Desktop::setInstance(nullptr);
        QCOMPARE(desk.opened.size(), 2);
        QCOMPARE(desk.opened[0].toString(), QString("http://www.dimos.gr"));
        QCOMPARE(desk.opened[1].scheme(), QString("mailto"));
        QVERIFY2(desk.opened[1].toString(QUrl::FullyEncoded).startsWith("mailto:dimos%20a@dimos.gr"),
                 qPrintable(desk.opened[1].toString(QUrl::FullyEncoded)));
    }
};

QTEST_MAIN(TstRegistries)
#include "tst_registries.moc"
