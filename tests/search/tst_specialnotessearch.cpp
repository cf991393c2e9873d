// The special-notes search's statement, description and the citizens it finds.
#include "data/Store.h"
#include "search/SpecialNotesSearch.h"
#include "StoreFixture.h"
#include "widgets/Access.h"
#include "widgets/Ui.h"
#include "TestSupport.h"

#include <QSqlQuery>
#include <QTest>

using namespace dorvani;

class TstSpecialNotesSearch : public test::StoreTest {
    Q_OBJECT

    test::ScriptedUi scripted;
    int nikos = 0, maria = 0, petros = 0;

    int add(const QString &surname)
    {
        m_store->exec("INSERT INTO POLITES (EPITHETO, ONOMA, PATR) VALUES (?, '', '')", {surname});
        return m_store->scalar("SELECT MAX(AUTONUM) FROM POLITES").toInt();
    }
    void contact(int who, const QString &iso, const QString &thema)
    {
        m_store->exec("INSERT INTO EPAFES (EDate, POLITES_ID, THEMA, PARATHRHSEIS) VALUES (?,?,?,'')", {iso, who, thema});
    }
    QStringList found(const BuiltSpecialNotesSearch &b)
    {
        QStringList out;
        QSqlQuery q = m_store->exec(b.sql() + " ORDER BY EPITHETO", {}, Store::Main, b.params);
        while (q.next())
            out << q.value("EPITHETO").toString();
        return out;
    }

private slots:
    void init()
    {
        openStore();
        setUi(&scripted);
        Access::setFull(true);
        nikos = add("ΝΙΚΟΥ");
        maria = add("ΜΑΡΙΟΥ");
        petros = add("ΠΕΤΡΟΥ");
        contact(nikos, "2004-01-20", "ΕΡΓΑΣΙΑ");
        contact(maria, "2004-01-31", "ΑΔΕΙΑ");
        contact(maria, "2004-03-02", "ΕΡΓΑΣΙΑ"); // a subject only outside the range
        contact(petros, "2004-02-01", "ΕΡΓΟ");
        m_store->exec("INSERT INTO SpecialNotes (POLITES_ID, EPAFES, ESOK_ANT, AITHMATA, PLHROFORIES) "
                      "VALUES (?, '', '', 'ΝΕΟ ΣΧΟΛΕΙΟ', '')", {nikos});
    }
    void cleanup()
    {
        Access::setFull(false);
        setUi(nullptr);
        closeStore();
    }

    void criteria_data()
    {
        QTest::addColumn<QStringList>("fields"); // from, to, thema, remarks, rivalries, requests, information
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("citizens");
        QTest::newRow("subject only")
            << QStringList{"", "", "ΕΡΓ*", "", "", "", ""}
            << "Select Polites.* from Polites Where  AutoNum in (Select Polites_id from Epafes Where EPAFES.THEMA LIKE 'ΕΡΓ%')"
            << "ΘΕΜΑ=ΕΡΓ*" << QStringList{"ΜΑΡΙΟΥ", "ΝΙΚΟΥ", "ΠΕΤΡΟΥ"};
        QTest::newRow("one contact row")
            << QStringList{"01/01/2004", "31/01/2004", "ΕΡΓ*", "", "", "", ""}
            << "Select Polites.* from Polites Where  AutoNum in (Select Polites_id from Epafes Where EPAFES.EDate >= :DateFrom "
               "AND EPAFES.EDate <= :DateTo AND EPAFES.THEMA LIKE 'ΕΡΓ%')"
            << "ΑΠΟ ΗΜ/ΝΙΑ=01/01/2004 - ΕΩΣ ΚΑΙ ΗΜ/ΝΙΑ=31/01/2004 - ΘΕΜΑ=ΕΡΓ*" << QStringList{"ΝΙΚΟΥ"};
        QTest::newRow("across a month end") << QStringList{"31/01/2004", "01/02/2004", "", "", "", "", ""} << QString()
                                            << QString() << QStringList{"ΜΑΡΙΟΥ", "ΠΕΤΡΟΥ"};
        QTest::newRow("open range") << QStringList{"01/02/2004", "__/__/____", "", "", "", "", ""} << QString()
                                    << "ΑΠΟ ΗΜ/ΝΙΑ=01/02/2004" << QStringList{"ΜΑΡΙΟΥ", "ΠΕΤΡΟΥ"};
        QTest::newRow("note and contact")
            << QStringList{"", "", "ΕΡΓ*", "", "", "*σχολειο*", ""}
            << "Select Polites.* From Polites where Autonum in (Select Polites_id from SpecialNotes Where \n"
               "(SpecialNotes.AITHMATA LIKE '%ΣΧΟΛΕΙΟ%'))\n AND  AutoNum in (Select Polites_id from Epafes Where "
               "EPAFES.THEMA LIKE 'ΕΡΓ%')"
            << "ΘΕΜΑ=ΕΡΓ* - ΑΙΤΗΜΑΤΑ=*σχολειο*" << QStringList{"ΝΙΚΟΥ"};
        QTest::newRow("hostile text") << QStringList{"", "", "Χ' OR 1=1 --", "", "", "", ""} << QString()
                                      << "ΘΕΜΑ=Χ' OR 1=1 --" << QStringList{};
        QTest::newRow("nothing") << QStringList{"", "", " ", "", "", "", ""} << "Select * From POLITES" << ""
                                 << QStringList{"ΜΑΡΙΟΥ", "ΝΙΚΟΥ", "ΠΕΤΡΟΥ"};
    }
    void criteria()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, sql);
        QFETCH(QString, description);
        QFETCH(QStringList, citizens);
        SpecialNotesCriteria c{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
        const BuiltSpecialNotesSearch b = SpecialNotesSearch::build(c);
        QVERIFY(b.ok());
        if (!sql.isNull())
            QCOMPARE(b.sql(), sql);
        if (!description.isNull())
            QCOMPARE(b.description, description);
        QCOMPARE(found(b), citizens);
    }

    void anImpossibleDateIsRefused()
    {
        const BuiltSpecialNotesSearch b = SpecialNotesSearch::build({"31/02/2004", "", "", "", "", "", ""});
        QCOMPARE(b.error, QString("Παρουσιάστηκε σφάλμα στην αναζήτηση"));
        QVERIFY(!SpecialNotesSearch::build({"12/1_/2004", "", "", "", "", "", ""}).ok());
    }

    void refusedWithoutFullAccess()
    {
        Access::setFull(false);
        const BuiltSpecialNotesSearch b = SpecialNotesSearch::build({"", "", "ΕΡΓ*", "", "", "", ""});
        QCOMPARE(b.error, QString("Η πρόσβαση δεν επιτρέπεται!"));
        QVERIFY(b.lines.isEmpty());
        QVERIFY(scripted.messages().contains("Η πρόσβαση δεν επιτρέπεται!"));
    }
};

QTEST_MAIN(TstSpecialNotesSearch)
#include "tst_specialnotessearch.moc"
