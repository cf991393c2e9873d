// The telephone directory's lists and cards, and a call as the dial dialog places it.
#include "platform/Desktop.h"
#include "platform/Dialler.h"
#include "platform/ModemDialler.h"
#include "StoreFixture.h"
#include "telephone/Tdialer.h"
#include "telephone/TelDirectory.h"

#include <QSqlQuery>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace dorvani;

namespace {
class RecordingDesktop : public Desktop {
public:
    QList<QUrl> urls;
    bool ok = true;
    bool start(Program) override { return false; }
    bool openUrl(const QUrl &url) override
    {
        urls << url;
        return ok;
    }
};
// A pseudo-terminal standing in for the modem: reads what is sent up to the carriage
// return and answers with the given text.
struct FakeModem {
    int master = -1, slave = -1;
    QString device;
    QByteArray received;
    std::thread thread;

    explicit FakeModem(const QByteArray &answer)
    {
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            return;
        termios t;
        tcgetattr(slave, &t);
        cfmakeraw(&t);
        tcsetattr(slave, TCSANOW, &t);
        device = QString::fromLocal8Bit(name);
        thread = std::thread([this, answer] {
            char buf[256];
            for (int waited = 0; waited < 50 && !received.contains('\r');) {
                pollfd p{master, POLLIN, 0};
                if (poll(&p, 1, 100) <= 0) {
                    ++waited;
                    continue;
                }
                const ssize_t n = read(master, buf, sizeof buf);
                if (n <= 0)
                    break;
                received.append(buf, int(n));
            }
            if (!answer.isEmpty())
                (void)!write(master, answer.constData(), size_t(answer.size()));
        });
    }
    ~FakeModem()
    {
        if (thread.joinable())
            thread.join();
        if (slave >= 0)
            close(slave);
        if (master >= 0)
            close(master);
    }
};

} // namespace

class TstTelephone : public test::StoreTest {
    Q_OBJECT

    int add(const QString &surname, const QString &name, const QString &father, const QString &home)
    {
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA, PATR, TELO_1, TELE_1, MOBILE1) VALUES (?,?,?,?,?,?)",
                      {surname, name, father, home, "2100" + home, "69" + home});
        return m_store->scalar("SELECT MAX(AUTONUM) FROM POLITES").toInt();
    }

private slots:
    void init() { openStore(); }
    void cleanup()
    {
        Dialler::setInstance(nullptr);
        Desktop::setInstance(nullptr);
        closeStore();
    }

    void aLetterListsExactlyItsSurnames()
    {
        const int k1 = add("ΚΑΠΑΣ", "ΝΙΚΟΣ", "ΓΙΩΡΓΟΣ", "111");
        const int k2 = add("ΚΑΠΑΣ", "ΝΙΚΟΣ", "ΓΙΩΡΓΟΣ", "222"); // a namesake
        add("ΛΑΜΔΑΣ", "ΠΕΤΡΟΣ", "", "333");
        const int latin = add("KOSTAS", "JOHN", "", "444");
        add("kappa", "lower", "", "555");
        add("ΚΑΠΑΣ' OR 1=1", "Χ", "", "666");

        const QVector<TelRow> greek = TelDirectory::byLetter("Κ");
        QCOMPARE(greek.size(), 3);
        QCOMPARE(greek[0].autonum, k1);
        QCOMPARE(greek[1].autonum, k2);
        QCOMPARE(greek[0].home, QString("111"));
        QCOMPARE(greek[1].work, QString("2100222"));

        const QVector<TelRow> lat = TelDirectory::byLetter("K");
        QCOMPARE(lat.size(), 1);
        QCOMPARE(lat[0].autonum, latin);

        QVERIFY(TelDirectory::byLetter("Ω").isEmpty());
        QVERIFY(TelDirectory::byLetter("").isEmpty());
    }

    void namesakesKeepTheirOwnNumbers()
    {
        const int a = add("ΚΑΠΑΣ", "ΝΙΚΟΣ", "ΓΙΩΡΓΟΣ", "111");
        const int b = add("ΚΑΠΑΣ", "ΝΙΚΟΣ", "ΓΙΩΡΓΟΣ", "222");
        const auto ca = TelDirectory::card(a), cb = TelDirectory::card(b);
        QVERIFY(ca && cb);
        QCOMPARE(ca->name, QString("ΚΑΠΑΣ ΝΙΚΟΣ"));
        QCOMPARE(ca->values.size(), 15);
        QCOMPARE(ca->values[0], QString("111"));
        QCOMPARE(cb->values[0], QString("222"));
        QCOMPARE(cb->values[10], QString("69222"));
        m_store->exec("DELETE FROM POLITES WHERE AUTONUM = ?", {a});
        QVERIFY(!TelDirectory::card(a));
    }

    void theLetterIsFoundThroughTheSurnameIndex()
    {
        QSqlQuery q = m_store->exec("EXPLAIN QUERY PLAN " + TelDirectory::letterSql(), TelDirectory::letterBinds("Κ"));
        QString plan;
        while (q.next())
            plan += q.value(3).toString() + "\n";
        QVERIFY2(plan.contains("USING INDEX") || plan.contains("USING COVERING INDEX"), qPrintable(plan));
        QVERIFY2(plan.contains("EPITHETO>? AND EPITHETO<?"), qPrintable(plan));
    }

    void callsAsTheDialogPlacesThem_data()
    {
        QTest::addColumn<QString>("modemCom");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("portMessage");
        const QString longNumber = QString(85, '7');
        QTest::newRow("plain") << "3" << "2101234567" << Dialler::Connected << "2101234567" << Dialler::Connected << false;
        QTest::newRow("blanks kept") << "1" << " 210 123 " << Dialler::Connected << " 210 123 " << Dialler::Connected << false;
        QTest::newRow("cut to 80") << "2" << longNumber << Dialler::Connected << QString(80, '7') << Dialler::Connected << false;
        QTest::newRow("busy") << "4" << "2101" << Dialler::Full << "2101" << Dialler::Full << false;
        QTest::newRow("blank number") << "3" << "   " << Dialler::Connected << QString() << QString() << false;
        QTest::newRow("no port") << " " << "2101" << Dialler::Connected << QString() << QString() << true;
    }
    void callsAsTheDialogPlacesThem()
    {
        QFETCH(QString, modemCom);
        QFETCH(QString, number);
        QFETCH(QString, answer);
        QFETCH(QString, sent);
        QFETCH(QString, status);
        QFETCH(bool, portMessage);
        FakeDialler fake;
        fake.answer = answer;
        Dialler::setInstance(&fake);
        const TAPIDialer::Outcome o = TAPIDialer::call(modemCom, number);
        QCOMPARE(fake.calls, sent.isNull() ? QStringList() : QStringList{sent});
        QCOMPARE(o.status, status);
        QCOMPARE(o.called, !sent.isNull());
        QCOMPARE(o.message.isEmpty(), !portMessage);
        if (portMessage)
            QCOMPARE(o.message, QString("Δεν έχετε ορίσει σε ποια θύρα είναι συνδεδεμένο το modem.\r"
                                        "Από τα Βοηθητικά - Ρυθμίσεις ορίστε τη θύρα του modem!"));
    }

    void portsAndStatusWords()
    {
        QCOMPARE(TAPIDialer::port("1"), 0);
        QCOMPARE(TAPIDialer::port("2"), 1);
        QCOMPARE(TAPIDialer::port("3"), 2);
        QCOMPARE(TAPIDialer::port("4"), 3);
        QCOMPARE(Dialler::statusWord(0), QString("TapiConnected"));
        QCOMPARE(Dialler::statusWord(-2), QString("TapiNotAvailable"));
        QCOMPARE(Dialler::statusWord(-3), QString("TapiFull"));
        QCOMPARE(Dialler::statusWord(-4), QString("TapiInvalidAddress"));
        QCOMPARE(Dialler::statusWord(-9), QString());
    }

    void theModemGetsTheDialString_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("status");
        QTest::newRow("answers OK") << "2710 222222" << QByteArray("\r\nOK\r\n") << QByteArray("ATDT2710222222;\r")
                                    << Dialler::Connected;
        QTest::newRow("answers ERROR") << "2710" << QByteArray("\r\nERROR\r\n") << QByteArray("ATDT2710;\r")
                                       << Dialler::InvalidAddress;
        QTest::newRow("busy") << "2710" << QByteArray("\r\nBUSY\r\n") << QByteArray("ATDT2710;\r") << Dialler::Full;
        QTest::newRow("no commands typed in") << "2710;ATH\rATZ+30*#"
                                              << QByteArray("\r\nOK\r\n") << QByteArray("ATDT2710+30*#;\r")
                                              << Dialler::Connected;
        QTest::newRow("cut to 80") << QString(85, '5') << QByteArray("\r\nOK\r\n")
                                   << QByteArray("ATDT" + QByteArray(80, '5') + ";\r") << Dialler::Connected;
        QTest::newRow("no answer") << "2710" << QByteArray() << QByteArray("ATDT2710;\r") << QString();
    }
    void theModemGetsTheDialString()
    {
        QFETCH(QString, number);
        QFETCH(QByteArray, answer);
        QFETCH(QByteArray, sent);
        QFETCH(QString, status);
        FakeModem modem(answer);
        QVERIFY(!modem.device.isEmpty());
        ModemDialler d(modem.device, 1500);
        QCOMPARE(d.dial(number), status);
        if (modem.thread.joinable())
            modem.thread.join();
        QCOMPARE(modem.received, sent);
    }

    void aPortThatIsNotThereIsNotAvailable()
    {
        QCOMPARE(ModemDialler("/dev/no-such-modem").dial("2710"), Dialler::NotAvailable);
        QCOMPARE(ModemDialler(QString()).dial("2710"), Dialler::NotAvailable);
        QCOMPARE(ModemDialler::deviceFor("1"), QString("/dev/ttyS0"));
        QCOMPARE(ModemDialler::deviceFor("4"), QString("/dev/ttyS3"));
        QCOMPARE(ModemDialler::deviceFor("9"), QString());
        QCOMPARE(ModemDialler::deviceFor("x"), QString());
    }

    void theDesktopGetsOneTelAddress()
    {
        RecordingDesktop desk;
        Desktop::setInstance(&desk);
        DesktopDialler d;
        QCOMPARE(d.dial(" 210 123;rm -rf ~ "), Dialler::Connected);
        QCOMPARE(desk.urls.size(), 1);
        QCOMPARE(desk.urls[0].scheme(), QString("tel"));
        QCOMPARE(desk.urls[0].path(), QString("210123;rm-rf~"));
        desk.ok = false;
        QCOMPARE(d.dial("2101"), Dialler::NotAvailable);
        QCOMPARE(d.dial("  "), QString());
        QCOMPARE(desk.urls.size(), 2);
    }
};

QTEST_MAIN(TstTelephone)
#include "tst_telephone.moc"
