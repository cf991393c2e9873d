// Greek text stored the way it is searched: the stored form of accented, small, pasted,
// mixed-script and wholly Latin texts; the entry screen's fields taking it however the
// text arrives (e-mail kept as typed); a search that finds each citizen typed the other
// way; and the one-time normalisation of an older register, after a copy of its files.
#include "citizens/UntNewPers.h"
#include "data/GreekFolding.h"
#include "data/Store.h"
#include "search/SearchBuilder.h"
#include "ProgramFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace dorvani;
using test::Program;

namespace {

TNewPersFrm *openEntry(Program &p)
{
    p.main()->action("ΝΕΟI")->trigger();
    for (QWidget *w : p.main()->openChildren())
        if (auto *f = qobject_cast<TNewPersFrm *>(w))
            return f;
    return nullptr;
}

QStringList surnamesFound(const SearchCriteria &c)
{
    const BuiltSearch b = SearchBuilder::build(c);
    QStringList out;
    QSqlQuery q = Store::instance().exec("SELECT EPITHETO FROM POLITES WHERE " + b.condition + " ORDER BY AUTONUM");
    while (q.next())
        out << q.value(0).toString();
    return out;
}

} // namespace

class TstGreekFolding : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;

private slots:
    void cleanup() { p.reset(); }

    void storedForm_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("stored");
        QTest::newRow("accented") << "Νίκος Παπαδόπουλος" << "ΝΙΚΟΣ ΠΑΠΑΔΟΠΟΥΛΟΣ";
        QTest::newRow("accented capitals") << "ΆΈΉΊΌΎΏ" << "ΑΕΗΙΟΥΩ";
        QTest::newRow("pasted small") << "παπαδοπουλος" << "ΠΑΠΑΔΟΠΟΥΛΟΣ";
        QTest::newRow("diaeresis kept") << "Ραΐσα ϊ ϋ ΰ" << "ΡΑΪΣΑ Ϊ Ϋ Ϋ";
        QTest::newRow("accent as a separate mark") << QString("νι\u0301κος") << "ΝΙΚΟΣ";
        QTest::newRow("diaeresis as a separate mark") << QString("προι\u0308ον") << "ΠΡΟΪΟΝ";
        QTest::newRow("polytonic") << "Ἀθῆναι" << "ΑΘΗΝΑΙ";
        QTest::newRow("Latin S in a Greek word") << "ΚΑΤΣΑΡΟS" << "ΚΑΤΣΑΡΟΣ";
        QTest::newRow("Latin look-alikes") << "KΑΤΣAΡOΣ" << "ΚΑΤΣΑΡΟΣ";
        QTest::newRow("Latin P is Ρ") << "ΠΑΠΑΣΤΑΥPΟΥ" << "ΠΑΠΑΣΤΑΥΡΟΥ";
        QTest::newRow("small Latin in a Greek word") << "Κατσαρos" << "ΚΑΤΣΑΡΟΣ";
        QTest::newRow("wholly Latin stays") << "KATSAROS Smith" << "KATSAROS Smith";
        QTest::newRow("words apart") << "ΠΑΠΑΔΟΠΟΥΛΟΥ-SMITH 25ης" << "ΠΑΠΑΔΟΠΟΥΛΟΥ-SMITH 25ΗΣ";
        QTest::newRow("an address") << "nikos@mail.gr" << "nikos@mail.gr";
    }
    void storedForm()
    {
        QFETCH(QString, input);
        QFETCH(QString, stored);
        QCOMPARE(greekStored(input), stored);
        QCOMPARE(greekStored(stored), stored);
    }

    // However the text arrives in a field of the entry screen, it takes its stored form;
    // the e-mail field keeps what was typed.
    void fieldsTakeTheStoredForm_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("shown");
        QTest::newRow("typed with accents") << "EdtOnoma" << "type" << "Νίκος" << "ΝΙΚΟΣ";
        QTest::newRow("pasted small") << "EdtEpitheto" << "paste" << "παπαδοπουλος" << "ΠΑΠΑΔΟΠΟΥΛΟΣ";
        QTest::newRow("typed on the Latin keyboard at the end") << "EdtEpitheto" << "type" << "ΚΑΤΣΑΡΟS" << "ΚΑΤΣΑΡΟΣ";
        QTest::newRow("pasted mixed") << "EdtPatr" << "paste" << "KΩΣTAΣ" << "ΚΩΣΤΑΣ";
        QTest::newRow("wholly Latin") << "EdtMhtr" << "type" << "MARY" << "MARY";
        QTest::newRow("e-mail as typed") << "EdtEMAIL" << "type" << "Νίκος@mail.gr" << "Νίκος@mail.gr";
    }
    void fieldsTakeTheStoredForm()
    {
        QFETCH(QString, field);
        QFETCH(QString, way);
        QFETCH(QString, input);
        QFETCH(QString, shown);
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        TNewPersFrm *frm = openEntry(*p);
        QVERIFY(frm);
        auto *e = frm->findChild<QLineEdit *>(field);
        QVERIFY(e);
        e->clear();
        if (way == "type") {
            test::typeText(e, input);
        } else {
            QApplication::clipboard()->setText(input);
            QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
            if (e->text().isEmpty())
                QSKIP("no clipboard on this platform");
        }
        QCOMPARE(e->text(), shown);
    }

    // A search typed either way finds the citizen stored in capitals without tonos.
    void searchFoldsTheSameWay_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("Latin S") << "ΚΑΤΣΑΡΟS" << "" << QStringList{"ΚΑΤΣΑΡΟΣ"};
        QTest::newRow("small with accents") << "κατσαρός" << "" << QStringList{"ΚΑΤΣΑΡΟΣ"};
        QTest::newRow("wildcard and look-alikes") << "ΠAΠ*" << "νίκος" << QStringList{"ΠΑΠΑΔΟΠΟΥΛΟΣ"};
        QTest::newRow("wholly Latin finds only Latin") << "KATSAROS" << "" << QStringList{"KATSAROS"};
    }
    void searchFoldsTheSameWay()
    {
        QFETCH(QString, surname);
        QFETCH(QString, name);
        QFETCH(QStringList, found);
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        for (const char *s : {"ΚΑΤΣΑΡΟΣ", "ΠΑΠΑΔΟΠΟΥΛΟΣ", "KATSAROS"})
            Store::instance().run("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES (?, 'ΝΙΚΟΣ')", {QString::fromUtf8(s)});
        SearchCriteria c;
        c.epitheto = surname;
        c.onoma = name;
        QCOMPARE(surnamesFound(c), found);
    }

    // A register of the version before: its texts are brought to the stored form once, in
    // one transaction, after a copy of its files, with the count shown.
    void olderRegisterIsNormalisedOnce()
    {
        test::TestHome home;
        {
            Program first(&home);
            QVERIFY(first.start());
            Store &s = Store::instance();
            s.run("INSERT INTO POLITES (EPITHETO, ONOMA, EMAIL) VALUES ('Παπαδόπουλος', 'ΝίΚΟΣ', 'Νίκος@mail.gr')");
            s.run("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES ('ΚΑΤΣΑΡΟS', 'ΓΙΩΡΓΟΣ')");
            s.run("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES ('ΣΩΣΤΟΣ', 'ΝΙΚΟΣ')");
            s.run("INSERT INTO Epagelmata (Epagelma) VALUES ('ΓΙΑΤΡΟΣ')");
            s.run("INSERT INTO Epagelmata (Epagelma) VALUES ('γιατρός')"); // would repeat the key
            s.run("INSERT INTO Epagelmata (Epagelma) VALUES ('δικηγόρος')");
        }
        {
            QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", "older");
            d.setDatabaseName(home.path("Db") + "/DORVANI.db");
            QVERIFY(d.open());
            QSqlQuery q(d);
            QVERIFY2(q.exec("PRAGMA user_version=1"), qPrintable(q.lastError().text()));
            q = QSqlQuery();
            d.close();
        }
        QSqlDatabase::removeDatabase("older");

        {
            Program again(&home);
            QVERIFY(again.start());
            const QStringList shown = again.ui.messages();
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown[0].contains("Άλλαξαν 3 εγγραφές."), qPrintable(shown[0]));
            QVERIFY2(shown[0].contains("1 εγγραφές έμειναν όπως ήταν"), qPrintable(shown[0]));
            Store &s = Store::instance();
            QCOMPARE(s.scalar("SELECT group_concat(n, '|') FROM (SELECT EPITHETO || ' ' || ONOMA AS n FROM POLITES ORDER BY AUTONUM)").toString(),
                     QString("ΠΑΠΑΔΟΠΟΥΛΟΣ ΝΙΚΟΣ|ΚΑΤΣΑΡΟΣ ΓΙΩΡΓΟΣ|ΣΩΣΤΟΣ ΝΙΚΟΣ"));
            QCOMPARE(s.scalar("SELECT EMAIL FROM POLITES WHERE EPITHETO = 'ΠΑΠΑΔΟΠΟΥΛΟΣ'").toString(),
                     QString("Νίκος@mail.gr"));
            QCOMPARE(s.scalar("SELECT group_concat(Epagelma, '|') FROM (SELECT Epagelma FROM Epagelmata ORDER BY 1)")
                         .toString(),
                     QString("ΓΙΑΤΡΟΣ|ΔΙΚΗΓΟΡΟΣ|γιατρός"));
            // The copy taken first holds the register as it was.
            const QStringList copies = QDir(home.path("Backup/BeforeGreekCapitals")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            QCOMPARE(copies.size(), 1);
            const QString copy = home.path("Backup/BeforeGreekCapitals/" + copies[0] + "/DORVANI.db");
            QVERIFY(QFile::exists(copy));
            {
                QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", "copy");
                d.setDatabaseName(copy);
                QVERIFY(d.open());
                QSqlQuery q(d);
                QVERIFY(q.exec("SELECT COUNT(*) FROM POLITES WHERE EPITHETO = 'Παπαδόπουλος'") && q.next());
                QCOMPARE(q.value(0).toInt(), 1);
                q = QSqlQuery();
                d.close();
            }
            QSqlDatabase::removeDatabase("copy");
        }
        // Once only.
        Program third(&home);
        QVERIFY(third.start());
        QVERIFY(third.ui.messages().isEmpty());
    }
};

QTEST_MAIN(TstGreekFolding)
#include "tst_greekfolding.moc"
