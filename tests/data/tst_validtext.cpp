// Text reaches the register and its searches as valid Unicode: an unpaired half of a
// character pair (left by a cut inside an emoji) is dropped where text enters the store,
// in the search criteria and in the fields, and never swallows the character after it.
#include "data/DataModule.h"
#include "data/GreekText.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "data/ValidText.h"
#include "search/SearchBuilder.h"
#include "StoreFixture.h"
#include "widgets/FormParts.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using namespace dorvani;

namespace {
const QChar high(0xD83D), low(0xDE00); // the two halves of 😀
QString smile() { return QString(high) + low; }
} // namespace

class TstValidText : public test::StoreTest {
    Q_OBJECT

private slots:
    void init() { openStore(true); }
    void cleanup() { closeStore(); }

    void texts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("valid");
        QTest::newRow("a whole pair") << "ΑΒ" + smile() + "Γ" << "ΑΒ" + smile() + "Γ";
        QTest::newRow("a high half at the end") << "ΑΒ" + QString(high) << "ΑΒ";
        QTest::newRow("a low half at the start") << QString(low) + "ΑΒ" << "ΑΒ";
        QTest::newRow("a half before a quote") << "Α" + QString(high) + "'Β" << "Α'Β";
        QTest::newRow("halves the wrong way round") << QString(low) + QString(high) + "Ω" << "Ω";
        QTest::newRow("a half between pairs") << smile() + QString(high) + smile() << smile() + smile();
        QTest::newRow("plain") << "ΠΑΠΑΔΟΠΟΥΛΟΣ" << "ΠΑΠΑΔΟΠΟΥΛΟΣ";
    }

    // Every way text is written: a dataset field, a bound value, a quoted literal; and
    // every search form of it. What is read back is the valid text, its next character kept.
    void texts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, valid);
        QCOMPARE(validUnicode(typed), valid);

        Table *t = m_dm->TblPOLITES;
        t->open();
        t->insert();
        t->fieldByName("EPITHETO").setValue(typed);
        t->fieldByName("ONOMA").setValue("Α");
        t->post();
        m_store->run("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES (?, 'Β')", {typed});
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA) VALUES (" + sqlQuote(typed) + ", 'Γ')");
        QSqlQuery q = m_store->exec("SELECT EPITHETO, ONOMA FROM POLITES ORDER BY AUTONUM");
        QStringList names;
        while (q.next()) {
            QCOMPARE(q.value(0).toString(), valid);
            names << q.value(1).toString();
        }
        QCOMPARE(names, (QStringList{"Α", "Β", "Γ"}));

        // Searched: the literal keeps its closing quote and finds the rows.
        const QString upper = greekUpper(valid);
        QCOMPARE(SearchBuilder::typed(typed), valid);
        QCOMPARE(SearchBuilder::pattern(typed), sqlQuote(upper));
        QCOMPARE(validUnicode(SearchBuilder::likePattern(typed)), SearchBuilder::likePattern(typed));
        QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM POLITES WHERE EPITHETO = " + SearchBuilder::pattern(typed))
                     .toInt(),
                 upper == valid ? 3 : 0);
        QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM POLITES WHERE EPITHETO LIKE " + SearchBuilder::likePattern(typed))
                     .toInt(),
                 3);
        SearchCriteria c;
        c.epitheto = typed;
        const BuiltSearch b = SearchBuilder::build(c);
        QVERIFY(b.ok());
        QCOMPARE(validUnicode(b.sql()), b.sql());
        QCOMPARE(m_store->scalar("SELECT COUNT(*) FROM (" + b.sql() + ")").toInt(), 3);
    }

    // A field's width cuts whole characters: a pair at the limit is left out whole.
    void cutsKeepWholeCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("kept");
        QTest::newRow("pair across the limit") << "ΑΒ" + smile() << 3 << "ΑΒ";
        QTest::newRow("pair within the limit") << "ΑΒ" + smile() << 4 << "ΑΒ" + smile();
        QTest::newRow("pair before the limit") << "Α" + smile() + "Β" << 3 << "Α" + smile();
        QTest::newRow("no pair") << "ΑΒΓΔ" << 2 << "ΑΒ";
    }
    void cutsKeepWholeCharacters()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, kept);
        FieldDef f;
        f.kind = FieldKind::Text;
        f.width = width;
        QCOMPARE(Schema::fitText(f, text), kept);
        QCOMPARE(leftWhole(text, width), kept);

        // A text field of the screens with that length: typed over, pasted, set.
        QWidget screen;
        QLineEdit *e = form::lineEdit("Edt", &screen, width);
        e->setText(text);
        QCOMPARE(validUnicode(e->text()), e->text());
        QVERIFY(kept.startsWith(e->text()));
        e->clear();
        QGuiApplication::clipboard()->setText(text);
        e->paste();
        QCOMPARE(validUnicode(e->text()), e->text());
        QVERIFY(kept.startsWith(e->text()));
    }
};

QTEST_MAIN(TstValidText)
#include "tst_validtext.moc"
