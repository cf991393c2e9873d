// The vote figures over a small register whose sums are known by hand: empty and zero votes,
// the rows of a deleted citizen, a co-candidate with a quote in the name, a town whose name
// is longer than the distribution rows keep, and a program with no home prefecture. Every
// figure is also checked by a plain SELECT beside it.
#include "statistics/StatTables.h"
#include "statistics/VoteStatistics.h"
#include "data/LookupIndexes.h"
#include "data/Store.h"
#include "RegisterFixture.h"
#include "StoreFixture.h"
#include "TestSupport.h"

#include <QTest>

using namespace dorvani;

namespace {
const QString Alfa = "ΑΛΦΑ ΑΛΦΑΣ";
const QString Vita = "ΒΗΤΑ ΒΗΤΑΣ";
const QString Quoted = "ΓΑΜΑ Ο'ΓΚΑ";
const QString LongTown = "ΑΓΙΟΣ ΚΩΝΣΤΑΝΤΙΝΟΣ ΚΑΙ ΕΛΕΝΗ ΤΗΣ ΜΑΝΤΙΝΕΙΑΣ ΑΡΚΑΔΙΑΣ"; // over 35 letters
} // namespace

class TstVoteStatistics : public test::StoreTest {
    Q_OBJECT

    test::RegisterFixture f;
    int a = 0, b = 0, c = 0;
    const int gone = 9999; // a citizen deleted, whose rows were left behind

    int citizen(const QString &surname, const QVariant &centre)
    {
        return Store::instance()
            .run("INSERT INTO POLITES (EPITHETO, ONOMA, PATR, ASKHSH) VALUES (?, 'ΝΙΚΟΣ', '', ?)", {surname, centre})
            .lastId.toInt();
    }
    void vote(int who, const QString &name, const QVariant &votes)
    {
        Store::instance().run("INSERT INTO POLITES_SYNYPOPS (POLITESID, SYNYPOPS, VOTES) VALUES (?, ?, ?)",
                              {who, name, votes});
    }
    void town(int who, const QString &name, const QVariant &votes)
    {
        Store::instance().run("INSERT INTO TOT_PSHFOI (POLITESID, POLH, VOTES) VALUES (?, ?, ?)",
                              {who, name.left(35), votes});
    }
    qint64 plain(const QString &sql) { return Store::instance().scalar(sql).toLongLong(); }

    void fillVotes()
    {
        a = citizen("ΑΝΤΩΝΙΟΥ", f.centre);
        b = citizen("ΒΑΣΙΛΕΙΟΥ", f.centre);
        c = citizen("ΓΕΩΡΓΙΟΥ", QVariant(QMetaType::fromType<int>()));
        vote(a, Alfa, 3);
        vote(a, Vita, QVariant(QMetaType::fromType<int>()));
        vote(b, Alfa, 0);
        vote(b, Vita, 2);
        vote(b, Quoted, 4);
        vote(c, Alfa, 5);
        vote(gone, Alfa, 7);
        Store::instance().run("INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH, TK) VALUES (?, ?, ?, ?, '')",
                              {f.arkadia, f.mantineia, f.tripolis, LongTown});
        town(a, "ΤΡΙΠΟΛΗ", 2);
        town(a, "ΚΑΨΑΣ", QVariant(QMetaType::fromType<int>()));
        town(a, LongTown, 6);
        town(a, "ΠΑΤΡΑ", 9);
        town(b, "ΤΡΙΠΟΛΗ", 1);
        town(gone, "ΤΡΙΠΟΛΗ", 10);
    }

private slots:
    void cleanup() { closeStore(); }

    void coCandidate_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("votes");
        QTest::newRow("zero, empty and deleted left out") << Alfa << qint64(2) << qint64(8);
        QTest::newRow("empty vote is no vote") << Vita << qint64(1) << qint64(2);
        QTest::newRow("quote in the name") << Quoted << qint64(1) << qint64(4);
        QTest::newRow("nobody votes") << "ΚΑΝΕΙΣ" << qint64(0) << qint64(0);
    }
    void coCandidate()
    {
        QFETCH(QString, name);
        QFETCH(qint64, count);
        QFETCH(qint64, votes);
        openStore();
        f = test::RegisterFixture::fill();
        fillVotes();
        const auto t = VoteStatistics::coCandidate(name);
        QCOMPARE(t.count, count);
        QCOMPARE(t.votes, votes);
        const QString where = " FROM POLITES_SYNYPOPS WHERE VOTES > 0 AND SYNYPOPS = " + sqlQuote(name)
                              + " AND POLITESID IN (SELECT AUTONUM FROM POLITES)";
        QCOMPARE(plain("SELECT COUNT(*)" + where), count);
        QCOMPARE(plain("SELECT COALESCE(SUM(VOTES), 0)" + where), votes);
        QSqlQuery q = Store::instance().exec(VoteStatistics::citizensSql(name));
        qint64 listed = 0, sum = 0;
        while (q.next()) {
            ++listed;
            sum += q.value("VOTES").toLongLong();
        }
        QCOMPARE(listed, count);
        QCOMPARE(sum, votes);
    }

    void summary()
    {
        openStore();
        f = test::RegisterFixture::fill();
        fillVotes();
        VoteStatistics::SummaryChoice all;
        auto rows = VoteStatistics::summary(all);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].name, Alfa);
        QCOMPARE(rows[0].votes, qint64(8));
        QCOMPARE(rows[1].name, Vita);
        QCOMPARE(rows[1].votes, qint64(2));
        QCOMPARE(rows[2].votes, qint64(4));
        for (const auto &r : rows)
            QCOMPARE(r.votes, VoteStatistics::coCandidate(r.name).votes);

        VoteStatistics::SummaryChoice chosen;
        chosen.names = {Alfa, Quoted};
        rows = VoteStatistics::summary(chosen);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].name, Quoted);

        VoteStatistics::SummaryChoice centre;
        centre.byCentre = centre.byDhmos = centre.byEparxia = true;
        centre.centre = f.centre;
        rows = VoteStatistics::summary(centre);
        QCOMPARE(rows.size(), 3); // the citizen without a centre is not placed
        QCOMPARE(rows[0].votes, qint64(3));
        QCOMPARE(rows[0].centre, f.centre);
        QCOMPARE(rows[0].dhmos, f.tripolis);
        QCOMPARE(rows[0].eparxia, f.mantineia);
        QCOMPARE(plain("SELECT SUM(E1.VOTES) FROM POLITES_SYNYPOPS E1, POLITES E2 WHERE E1.POLITESID = E2.AUTONUM "
                       "AND E1.VOTES > 0 AND E2.ASKHSH = "
                       + QString::number(f.centre)),
                 qint64(9));

        VoteStatistics::SummaryChoice province;
        province.byEparxia = true;
        province.eparxia = f.gortynia;
        QVERIFY(VoteStatistics::summary(province).isEmpty());
    }

    void distribution()
    {
        openStore();
        f = test::RegisterFixture::fill();
        fillVotes();
        const int home = VoteStatistics::homePrefecture();
        QCOMPARE(home, f.arkadia);
        const auto rows = VoteStatistics::distribution(home);
        QMap<QString, qint64> byTown;
        for (const auto &r : rows)
            byTown[r.town] = r.votes;
        QCOMPARE(byTown.value("ΤΡΙΠΟΛΗ"), qint64(3)); // the deleted citizen's 10 left out
        QCOMPARE(byTown.value("ΚΑΨΑΣ", -1), qint64(0)); // only an empty vote
        QCOMPARE(byTown.value(LongTown), qint64(6));
        QVERIFY(!byTown.contains("ΠΑΤΡΑ")); // another prefecture
        QCOMPARE(VoteStatistics::distributionTotal(home), qint64(9));
        QCOMPARE(plain("SELECT SUM(VOTES) FROM TOT_PSHFOI WHERE POLITESID IN (SELECT AUTONUM FROM POLITES) AND POLH IN "
                       "(SELECT substr(POLH, 1, 35) FROM POLEIS WHERE NOMOS = "
                       + QString::number(f.arkadia) + ")"),
                 qint64(9));
    }

    void detailedResults_data()
    {
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("rows");
        const QString centre1 = "ΑΡΚΑΔΙΑΣ  ΤΡΙΠΟΛΗΣ / 1ο ΔΗΜΟΤΙΚΟ  ΑΓΙΟΣ ΒΑΣΙΛΕΙΟΣ";
        const QString centre2 = "ΑΡΚΑΔΙΑΣ  ΔΗΜΗΤΣΑΝΑΣ / 2ο ΓΥΜΝΑΣΙΟ  ";
        QTest::newRow("every co-candidate")
            << QStringList{Alfa, Vita, Quoted} << QStringList{}
            << QStringList{"ΕΚΛΟΓΙΚΑ ΚΕΝΤΡΑ|" + centre1 + "|3|2|4", "|" + centre2 + "|1|6|",
                           "ΔΗΜΟΣ|ΤΡΙΠΟΛΗΣ|3|2|4", "|ΔΗΜΗΤΣΑΝΑΣ|1|6|", "ΕΠΑΡΧΙΑ|ΜΑΝΤΙΝΕΙΑΣ|3|2|4",
                           "|ΓΟΡΤΥΝΙΑΣ|1|6|", "ΝΟΜΟΣ|ΑΡΚΑΔΙΑΣ|4|8|4"};
        QTest::newRow("one ticked")
            << QStringList{Quoted} << QStringList{Quoted}
            << QStringList{"ΕΚΛΟΓΙΚΑ ΚΕΝΤΡΑ|" + centre1 + "|4", "ΔΗΜΟΣ|ΤΡΙΠΟΛΗΣ|4", "ΕΠΑΡΧΙΑ|ΜΑΝΤΙΝΕΙΑΣ|4",
                           "ΝΟΜΟΣ|ΑΡΚΑΔΙΑΣ|4"};
        QTest::newRow("none ticked: places only")
            << QStringList{} << QStringList{}
            << QStringList{"ΕΚΛΟΓΙΚΑ ΚΕΝΤΡΑ|" + centre1, "|" + centre2, "ΔΗΜΟΣ|ΤΡΙΠΟΛΗΣ", "|ΔΗΜΗΤΣΑΝΑΣ",
                           "ΕΠΑΡΧΙΑ|ΜΑΝΤΙΝΕΙΑΣ", "|ΓΟΡΤΥΝΙΑΣ", "ΝΟΜΟΣ|ΑΡΚΑΔΙΑΣ"};
        QTest::newRow("no counted votes")
            << QStringList{"ΚΑΝΕΙΣ", Vita} << QStringList{"ΚΑΝΕΙΣ"} << QStringList{"ΝΟΜΟΣ|ΑΡΚΑΔΙΑΣ|0|0"};
    }
    void detailedResults()
    {
        QFETCH(QStringList, columns);
        QFETCH(QStringList, names);
        QFETCH(QStringList, rows);
        openStore();
        f = test::RegisterFixture::fill();
        fillVotes();
        const int centre2 = int(Store::instance()
                                    .run("INSERT INTO EklogikaK (EKLOGIKOK, DHMOS, EPARXIA, NOMOS, ENORIA) VALUES "
                                         "('2ο ΓΥΜΝΑΣΙΟ', ?, ?, ?, '')",
                                         {f.dimitsana, f.gortynia, f.arkadia})
                                    .lastId.toInt());
        const int d = citizen("ΔΗΜΟΥ", centre2);
        vote(d, Alfa, 1);
        vote(d, Vita, 6);
        QStringList got;
        for (const QStringList &r : VoteStatistics::detailedResults(columns, names, "ΑΡΚΑΔΙΑΣ"))
            got << r.join('|');
        QCOMPARE(got, rows);
        // The closing row of each co-candidate is every counted vote of citizens with a centre.
        const QStringList last = VoteStatistics::detailedResults(columns, names, "ΑΡΚΑΔΙΑΣ").last();
        for (int c = 0; c < columns.size(); ++c) {
            if (!names.isEmpty() && !names.contains(columns[c]))
                continue;
            QCOMPARE(last[c + 2].toLongLong(),
                     plain("SELECT COALESCE(SUM(E1.VOTES), 0) FROM POLITES_SYNYPOPS E1, POLITES E2, EKLOGIKAK E3 "
                           "WHERE E1.POLITESID = E2.AUTONUM AND E3.AUTONUM = E2.ASKHSH AND E1.VOTES > 0 "
                           "AND E1.SYNYPOPS = "
                           + sqlQuote(columns[c])));
        }
    }

    void detailedDistribution()
    {
        openStore();
        f = test::RegisterFixture::fill();
        fillVotes();
        Store &s = Store::instance();
        // ΚΑΨΑΣ also in another municipality: its votes are shown in both and counted once.
        s.run("INSERT INTO POLEIS (NOMOS, EPARXIA, DHMOS, POLH, TK) VALUES (?, ?, ?, 'ΚΑΨΑΣ', '')",
              {f.arkadia, f.gortynia, f.dimitsana});
        town(b, "ΚΑΨΑΣ", 5);
        town(c, "ΤΡΙΠΟΛΗ", 0);
        const int home = VoteStatistics::homePrefecture();
        QStringList got;
        for (const QStringList &r : VoteStatistics::detailedDistribution(home))
            got << r.join('|');
        QCOMPARE(got, QStringList({"ΠΟΛΗ|" + LongTown + "|6", "|ΚΑΨΑΣ|5", "|ΚΑΨΑΣ|5", "|ΤΡΙΠΟΛΗ|3",
                                   "ΔΗΜΟΣ|ΤΡΙΠΟΛΗΣ|14", "|ΔΗΜΗΤΣΑΝΑΣ|5", "ΕΠΑΡΧΙΑ|ΓΟΡΤΥΝΙΑΣ|5",
                                   "|ΜΑΝΤΙΝΕΙΑΣ|14", "ΝΟΜΟΣ|ΑΡΚΑΔΙΑΣ|14"}));
        QCOMPARE(VoteStatistics::distributionTotal(home), qint64(14));
        QCOMPARE(plain("SELECT SUM(VOTES) FROM TOT_PSHFOI WHERE POLITESID IN (SELECT AUTONUM FROM POLITES) AND POLH IN "
                       "(SELECT substr(POLH, 1, 35) FROM POLEIS WHERE NOMOS = "
                       + QString::number(f.arkadia) + ")"),
                 qint64(14));
        QMap<QString, qint64> byTown;
        for (const auto &r : VoteStatistics::distribution(home))
            byTown[r.town] += r.votes;
        QCOMPARE(byTown.value("ΤΡΙΠΟΛΗ"), qint64(3));
        QCOMPARE(byTown.value("ΚΑΨΑΣ"), qint64(10)); // shown in both municipalities
        // The window's total counts ΚΑΨΑΣ once, from the same statement as its rows.
        QSqlQuery q = s.exec(VoteStatistics::distributionSql(home));
        QVERIFY(q.next());
        QCOMPARE(q.value("ALL VOTES").toLongLong(), qint64(14));
        VoteStatistics::Place gortynia;
        gortynia.eparxia = f.gortynia;
        q = s.exec(VoteStatistics::groupedDistributionSql(home, gortynia));
        QVERIFY(q.next());
        QCOMPARE(q.value("SUM OF VOTES").toLongLong(), qint64(5));
        QCOMPARE(q.value("ALL VOTES").toLongLong(), qint64(5));
        QVERIFY(VoteStatistics::detailedDistribution(0).isEmpty());
    }

    void groupedDistribution_data()
    {
        QTest::addColumn<QString>("town");
        QTest::addColumn<int>("dhmos");
        QTest::addColumn<int>("eparxia");
        QTest::addColumn<QString>("row");
        QTest::addColumn<qint64>("total");
        QTest::newRow("province") << "" << 0 << 1 << "1||" << qint64(9);
        QTest::newRow("municipality") << "" << 1 << 1 << "1|1|" << qint64(9);
        QTest::newRow("town") << "ΤΡΙΠΟΛΗ" << 1 << 1 << "1|1|ΤΡΙΠΟΛΗ" << qint64(3);
        QTest::newRow("other province") << "" << 0 << 2 << "" << qint64(0);
    }
    void groupedDistribution()
    {
        QFETCH(QString, town);
        QFETCH(int, dhmos);
        QFETCH(int, eparxia);
        QFETCH(QString, row);
        QFETCH(qint64, total);
        openStore();
        f = test::RegisterFixture::fill();
        fillVotes();
        const int home = VoteStatistics::homePrefecture();
        VoteStatistics::Place place;
        place.town = town;
        place.dhmos = dhmos ? f.tripolis : 0;
        place.eparxia = eparxia == 1 ? f.mantineia : eparxia == 2 ? f.gortynia : 0;
        QSqlQuery q = Store::instance().exec(VoteStatistics::groupedDistributionSql(home, place));
        QStringList rows;
        qint64 sum = 0;
        while (q.next()) {
            auto id = [&](int i, int one) { return q.value(i).isNull() ? QString() : q.value(i).toInt() == one ? "1" : "?"; };
            rows << id(0, f.mantineia) + "|" + id(1, f.tripolis) + "|" + q.value(2).toString();
            sum += q.value("SUM OF VOTES").toLongLong();
        }
        QCOMPARE(rows, row.isEmpty() ? QStringList() : QStringList{row});
        QCOMPARE(sum, total);
        QCOMPARE(VoteStatistics::distributionTotal(home, place), total);
        QVERIFY(VoteStatistics::groupedDistributionSql(home, VoteStatistics::Place()).isEmpty());
    }

    void townVoters_data()
    {
        QTest::addColumn<QString>("town");
        QTest::addColumn<QStringList>("voters");
        QTest::newRow("zero listed, deleted not") << "ΤΡΙΠΟΛΗ" << QStringList{"ΑΝΤΩΝΙΟΥ 2", "ΒΑΣΙΛΕΙΟΥ 1", "ΓΕΩΡΓΙΟΥ 0"};
        QTest::newRow("empty vote not listed") << "ΚΑΨΑΣ" << QStringList{};
        QTest::newRow("long name by its first letters") << LongTown << QStringList{"ΑΝΤΩΝΙΟΥ 6"};
    }
    void townVoters()
    {
        QFETCH(QString, town);
        QFETCH(QStringList, voters);
        openStore();
        f = test::RegisterFixture::fill();
        fillVotes();
        this->town(c, "ΤΡΙΠΟΛΗ", 0);
        QSqlQuery q = Store::instance().exec(VoteStatistics::townVotersSql(), {}, Store::Main, {{":POLH", town}});
        QStringList got;
        while (q.next())
            got << q.value("EPITHETO").toString() + " " + q.value("VOTES").toString();
        QCOMPARE(got, voters);
    }

    void figuresUseTheirIndexes_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("indexes");
        const QString name = sqlQuote(Alfa);
        QTest::newRow("one co-candidate")
            << "SELECT COUNT(*), SUM(E2.VOTES) FROM POLITES_SYNYPOPS E2 JOIN POLITES E1 ON E1.AUTONUM = E2.POLITESID "
               "WHERE E2.SYNYPOPS = " + name + " AND E2.VOTES > 0"
            << QStringList{"POLITES_SYNYPOPS_VOTES", "POLITES_AUTONUM"};
        QTest::newRow("summary") << "" << QStringList{"POLITES_SYNYPOPS_VOTES"};
        QTest::newRow("summary by centre") << "centres" << QStringList{"POLITES_SYNYPOPS_VOTES", "POLITES_AUTONUM_ASKHSH"};
        QTest::newRow("distribution") << "distribution" << QStringList{"TOT_PSHFOI_POLH", "POLITES_AUTONUM"};
        QTest::newRow("voters of a town") << "voters" << QStringList{"TOT_PSHFOI_POLH"};
    }
    void figuresUseTheirIndexes()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, indexes);
        openStore();
        f = test::RegisterFixture::fill();
        LookupIndexes::ensure(Store::instance());
        fillVotes();
        if (sql.isEmpty())
            sql = VoteStatistics::summarySql(VoteStatistics::SummaryChoice());
        else if (sql == "centres") {
            VoteStatistics::SummaryChoice byCentre;
            byCentre.byCentre = true;
            sql = VoteStatistics::summarySql(byCentre);
        }
        else if (sql == "distribution")
            sql = VoteStatistics::distributionSql(f.arkadia);
        else if (sql == "voters")
            sql = QString(VoteStatistics::townVotersSql()).replace(":POLH", "'ΤΡΙΠΟΛΗ'");
        QSqlQuery q = Store::instance().exec("EXPLAIN QUERY PLAN " + sql);
        QString plan;
        while (q.next())
            plan += q.value(3).toString() + "\n";
        for (const QString &ix : indexes)
            QVERIFY2(plan.contains("INDEX " + ix), qPrintable(plan));
    }

    void csvText()
    {
        const QByteArray text = csv::encode({{"ΠΟΛΗ", "ΨΗΦΟΙ"}, {"Α;Β", "3"}, {"ΤΟ \"ΚΑΛΟ\"", ""}, {" ΑΚΡΗ", "ΔΥΟ\nΓΡΑΜΜΕΣ"}});
        QVERIFY(text.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(text.mid(3)),
                 QString("ΠΟΛΗ;ΨΗΦΟΙ\r\n\"Α;Β\";3\r\n\"ΤΟ \"\"ΚΑΛΟ\"\"\";\r\n\" ΑΚΡΗ\";\"ΔΥΟ\nΓΡΑΜΜΕΣ\"\r\n"));
        QString error;
        QVERIFY(!csv::save("/nonexistent-folder/x.csv", {{"Α"}}, &error));
        QVERIFY(!error.isEmpty());
    }

    void noHomePrefecture()
    {
        openStore();
        f = test::RegisterFixture::fill(false);
        fillVotes();
        QCOMPARE(VoteStatistics::homePrefecture(), 0);
        QVERIFY(VoteStatistics::distribution(0).isEmpty());
        QCOMPARE(VoteStatistics::distributionTotal(0), qint64(0));
    }
};

QTEST_MAIN(TstVoteStatistics)
#include "tst_votestatistics.moc"
