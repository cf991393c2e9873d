// The settings store: value names without regard to case, defaults, values of the wrong kind.
#include "platform/Registry.h"
#include "TestSupport.h"

#include <QFile>
#include <QTest>

using namespace dorvani;

class TstRegistry : public QObject {
    Q_OBJECT

private slots:
    void valuesByNameWithoutRegardToCase()
    {
        test::TestHome home;
        {
            Registry r(Registry::General);
            QVERIFY(!r.valueExists("PrnSettings", "LeftPhoto"));
            QCOMPARE(r.readString("PrnSettings", "LeftPhoto", "285"), QString("285"));
            r.writeString("PrnSettings", "Leftphoto", "300");
        }
        Registry r(Registry::General);
        QVERIFY(r.valueExists("PrnSettings", "LeftPhoto"));
        QCOMPARE(r.readString("PrnSettings", "LeftPhoto", "285"), QString("300"));
        r.writeString("PrnSettings", "LEFTPHOTO", "310"); // the same value, not a second one
        QCOMPARE(r.readString("PrnSettings", "leftphoto"), QString("310"));
        QFile f(Registry::fileFor(Registry::General));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().count("310"), 1);
    }

    void defaultsAndWrongKinds()
    {
        test::TestHome home;
        Registry r(Registry::General);
        QCOMPARE(r.readBool("Tips", "ShowTips", true), true);
        QCOMPARE(r.readBool("Tips", "EndFlag", false), false);
        QCOMPARE(r.readInteger("Settings", "Teleph", 0), 0);
        r.writeString("Tips", "ShowTips", "ίσως");
        r.writeString("Settings", "Teleph", "ISDN");
        QCOMPARE(r.readBool("Tips", "ShowTips", true), true);
        QCOMPARE(r.readInteger("Settings", "Teleph", 0), 0);
        r.writeBool("Tips", "ShowTips", false);
        r.writeInteger("Settings", "Teleph", -1);
        QCOMPARE(r.readBool("Tips", "ShowTips", true), false);
        QCOMPARE(r.readInteger("Settings", "Teleph", 0), -1);
        // Texts with commas and Greek letters come back as written.
        r.writeString("Pedia", "Checked", "0,1,5,23");
        r.writeString("Settings", "Nomos", "ΑΡΚΑΔΙΑΣ");
        QCOMPARE(r.readString("Pedia", "Checked"), QString("0,1,5,23"));
        QCOMPARE(r.readString("Settings", "Nomos"), QString("ΑΡΚΑΔΙΑΣ"));
        // The four keys are kept apart.
        Registry info(Registry::Info);
        QVERIFY(!info.valueExists("Settings", "Nomos"));
    }
};

QTEST_GUILESS_MAIN(TstRegistry)
#include "tst_registry.moc"
