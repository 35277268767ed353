// The data checks run before a schema change, against a real Firebird
// database: what each check counts, what the line says, which rows "Show rows"
// lists, and that a check never holds the caller beyond its budget.
#include "schema/DataCheck.h"
#include "session/BackgroundQuery.h"
#include "session/DbError.h"
#include "session/QueryDeadline.h"
#include "session/TSQLQuery.h"
#include "tests/support/TestDatabase.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QStringList Fixture = {
    "CREATE TABLE ITEMS (ID INTEGER NOT NULL, QTY INTEGER, CODE VARCHAR(5), A INTEGER, B INTEGER)",
    "INSERT INTO ITEMS VALUES (1, NULL, 'x', 1, 1)",
    "INSERT INTO ITEMS VALUES (2, 5, 'x', 1, 1)",
    "INSERT INTO ITEMS VALUES (3, NULL, 'y', 1, 2)",
    "INSERT INTO ITEMS VALUES (4, 7, 'z', NULL, 2)",
    "INSERT INTO ITEMS VALUES (5, 8, 'z', NULL, 2)",
    "INSERT INTO ITEMS VALUES (6, 9, 'w', 2, NULL)",
    "CREATE TABLE PARENT (ID INTEGER NOT NULL PRIMARY KEY)",
    "CREATE TABLE PAIR (A INTEGER NOT NULL, B INTEGER NOT NULL, PRIMARY KEY (A, B))",
    "CREATE TABLE CHILD (ID INTEGER NOT NULL, PID INTEGER, A INTEGER, B INTEGER)",
    "INSERT INTO PARENT VALUES (1)",
    "INSERT INTO PARENT VALUES (2)",
    "INSERT INTO PAIR VALUES (1, 1)",
    "INSERT INTO PAIR VALUES (2, 2)",
    "INSERT INTO CHILD VALUES (1, 1, 1, 1)",
    "INSERT INTO CHILD VALUES (2, 9, 1, 9)",
    "INSERT INTO CHILD VALUES (3, NULL, NULL, 9)",
    "INSERT INTO CHILD VALUES (4, 2, 2, 2)",
    "INSERT INTO CHILD VALUES (5, 7, 3, 3)",
    "CREATE TABLE \"customers\" (\"id\" INTEGER NOT NULL PRIMARY KEY)",
    "CREATE TABLE \"orders\" (\"no\" INTEGER NOT NULL, \"cust id\" INTEGER)",
    "INSERT INTO \"customers\" VALUES (10)",
    "INSERT INTO \"orders\" VALUES (1, 10)",
    "INSERT INTO \"orders\" VALUES (2, 11)",
    "INSERT INTO \"orders\" VALUES (3, 12)",
    "INSERT INTO \"orders\" VALUES (4, NULL)",
    // Above the row limit: 20,001 rows, one NULL.
    "CREATE TABLE BIG (ID INTEGER NOT NULL, V INTEGER)",
    "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I <= 20000) DO BEGIN "
    "INSERT INTO BIG VALUES (:I, IIF(:I = 777, NULL, :I)); I = I + 1; END END",
};

DataCheck makeCheck(DataCheck::Kind kind, const QString &table, const QStringList &fields,
                    const QString &parent = QString(), const QStringList &parentFields = {})
{
    DataCheck check;
    check.kind = kind;
    check.table = table;
    check.fields = fields;
    check.parentTable = parent;
    check.parentFields = parentFields;
    return check;
}

}

Q_DECLARE_METATYPE(DataCheck)

class DataChecksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TSQLConnection> m_connection;

    // The first column of every row of a query, in order.
    QStringList firstColumn(const QString &sql)
    {
        TSQLQuery query(m_connection.get());
        query.SQL = sql;
        QStringList values;
        for (query.Open(); !query.Eof(); query.Next())
            values << query.Fields(0).AsString().trimmed();
        return values;
    }

private slots:
    void initTestCase()
    {
        m_db = TestDatabase::embedded(Fixture);
        m_connection = m_db->connect();
    }
    void cleanupTestCase()
    {
        m_connection.reset();
        m_db.reset();
    }

    void checks_data()
    {
        using K = DataCheck::Kind;
        QTest::addColumn<DataCheck>("check");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("offending"); // first column of the rows "Show rows" lists
        QTest::newRow("NULLs present") << makeCheck(K::NotNull, "ITEMS", {"QTY"})
                                       << "QTY holds NULL in 2 rows: the server will refuse this"
                                       << QStringList({"1", "3"});
        QTest::newRow("NULLs absent") << makeCheck(K::NotNull, "ITEMS", {"CODE"}) << "" << QStringList();
        QTest::newRow("duplicates in one field") << makeCheck(K::Unique, "ITEMS", {"CODE"})
                                                 << "2 values of CODE occur more than once"
                                                 << QStringList({"1", "2", "4", "5"});
        QTest::newRow("duplicates across two fields, NULLs in key fields")
            << makeCheck(K::Unique, "ITEMS", {"A", "B"})
            << "1 value of (A,B) occurs more than once; 3 rows hold NULL in (A,B), which the key allows"
            << QStringList({"1", "2"});
        QTest::newRow("NULLs in a key field are no duplicates") << makeCheck(K::Unique, "ITEMS", {"A"})
                                                                << "1 value of A occurs more than once; 2 rows hold "
                                                                   "NULL in A, which the key allows"
                                                                << QStringList({"1", "2", "3"});
        QTest::newRow("unique values") << makeCheck(K::Unique, "ITEMS", {"ID"}) << "" << QStringList();
        QTest::newRow("orphans, one column") << makeCheck(K::Orphans, "CHILD", {"PID"}, "PARENT", {"ID"})
                                             << "2 rows of CHILD refer to no PARENT row" << QStringList({"2", "5"});
        QTest::newRow("orphans, two columns, a NULL part refers to nothing")
            << makeCheck(K::Orphans, "CHILD", {"A", "B"}, "PAIR", {"A", "B"})
            << "2 rows of CHILD refer to no PAIR row" << QStringList({"2", "5"});
        QTest::newRow("orphans of a quoted lower-case table")
            << makeCheck(K::Orphans, "orders", {"cust id"}, "customers", {"id"})
            << "2 rows of orders refer to no customers row" << QStringList({"2", "3"});
        QTest::newRow("no orphans") << makeCheck(K::Orphans, "CHILD", {"ID"}, "CHILD", {"ID"}) << "" << QStringList();
    }
    void checks()
    {
        QFETCH(DataCheck, check);
        QFETCH(QString, line);
        QFETCH(QStringList, offending);
        const std::optional<QStringList> bounded =
            firstRowWithin(*m_connection, checkQuery(check, CheckRowLimit), std::chrono::milliseconds(5000));
        QVERIFY(bounded);
        const CheckCounts counts = readCounts(*bounded);
        QVERIFY(counts.rows <= CheckRowLimit);
        QCOMPARE(checkVerdict(check, counts), line);
        // The whole table gives the same answer on a small one.
        const std::optional<QStringList> full = firstRowWithin(*m_connection, checkQuery(check, 0), std::chrono::milliseconds(5000));
        QCOMPARE(*full, *bounded);
        QStringList listed = firstColumn(offendingRowsQuery(check));
        listed.sort(); // duplicates come grouped, in no set order within a group
        QCOMPARE(listed, offending);
    }

    void queriesAsWritten()
    {
        const DataCheck notNull = makeCheck(DataCheck::Kind::NotNull, "orders", {"cust id"});
        QCOMPARE(checkQuery(notNull, 20000),
                 QString("SELECT COUNT(*), COUNT(*) - COUNT(D.\"cust id\") FROM (SELECT FIRST 20001 \"cust id\" FROM \"orders\") D"));
        QCOMPARE(offendingRowsQuery(notNull), QString("SELECT FIRST 1000 * FROM \"orders\" D WHERE D.\"cust id\" IS NULL"));
        QCOMPARE(checkQuery(makeCheck(DataCheck::Kind::Orphans, "ORDERS", {"CUST_ID"}, "CUSTOMERS", {"ID"}), 0),
                 QString("SELECT COUNT(*), COUNT(IIF(D.CUST_ID IS NOT NULL AND NOT EXISTS (SELECT 1 FROM CUSTOMERS P "
                         "WHERE P.ID = D.CUST_ID), 1, NULL)) FROM ORDERS D"));
        QCOMPARE(rowCountQuery("My Table"), QString("SELECT COUNT(*) FROM \"My Table\""));
    }

    // Beyond the row limit the bounded check reads limit + 1 rows and says
    // nothing of the table; counted, the table gets its line.
    void largeTableIsNotChecked()
    {
        const DataCheck check = makeCheck(DataCheck::Kind::NotNull, "BIG", {"V"});
        const std::optional<QStringList> bounded =
            firstRowWithin(*m_connection, checkQuery(check, CheckRowLimit), std::chrono::milliseconds(5000));
        QVERIFY(bounded);
        QCOMPARE(readCounts(*bounded).rows, qint64(CheckRowLimit + 1));
        QCOMPARE(largeTableLine(-1), QString("not checked: large table (more than 10000 rows)"));
        QCOMPARE(largeTableLine(20001), QString("not checked: large table (20001 rows)"));
        const std::optional<QStringList> full = firstRowWithin(*m_connection, checkQuery(check, 0), std::chrono::milliseconds(5000));
        QCOMPARE(checkVerdict(check, readCounts(*full)), QString("V holds NULL in 1 row: the server will refuse this"));
    }

    // A query that outlasts its budget is cancelled, the caller is back in
    // about that time, and the connection's next query is not cancelled too.
    void budgetSpentCancelsTheQuery()
    {
        const QString slow = "SELECT COUNT(*) FROM BIG A CROSS JOIN BIG B";
        QElapsedTimer timer;
        timer.start();
        const std::optional<QStringList> row = firstRowWithin(*m_connection, slow, std::chrono::milliseconds(100));
        const qint64 waited = timer.elapsed();
        QVERIFY(!row);
        QVERIFY2(waited < 2000, qPrintable(QString::number(waited)));
        QVERIFY(m_connection->Connected());
        QCOMPARE(firstColumn("SELECT COUNT(*) FROM PARENT"), QStringList{"2"});
        // A quick query with a short budget: its row stands, whichever came first.
        for (int i = 0; i < 20; ++i) {
            const std::optional<QStringList> quick =
                firstRowWithin(*m_connection, "SELECT 1 FROM RDB$DATABASE", std::chrono::milliseconds(1));
            if (quick)
                QCOMPARE(*quick, QStringList{"1"});
            QCOMPARE(firstColumn("SELECT 2 FROM RDB$DATABASE"), QStringList{"2"});
        }
    }

    void failureOtherThanTheBudgetIsThrown()
    {
        QVERIFY_THROWS_EXCEPTION(DbError, firstRowWithin(*m_connection, "SELECT NOSUCH FROM ITEMS", std::chrono::milliseconds(5000)));
    }

    void backgroundQueryDeliversItsRow()
    {
        BackgroundQuery background;
        QSignalSpy finished(&background, &BackgroundQuery::finished);
        background.start(m_connection->Params, rowCountQuery("BIG"));
        QVERIFY(background.running());
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().at(0).toStringList(), QStringList{"20001"});
        QCOMPARE(finished.first().at(1).toString(), QString());
        QVERIFY(!background.running());

        background.start(m_connection->Params, "SELECT NOSUCH FROM ITEMS");
        QVERIFY(finished.wait(20000));
        QVERIFY(finished.last().at(1).toString().contains("NOSUCH"));
    }

    // A cancelled run delivers nothing, and the next run's answer is its own.
    void backgroundQueryCancelledOrReplaced()
    {
        BackgroundQuery background;
        QSignalSpy finished(&background, &BackgroundQuery::finished);
        background.start(m_connection->Params, "SELECT COUNT(*) FROM BIG A CROSS JOIN BIG B");
        QTest::qWait(200);
        background.start(m_connection->Params, "SELECT 42 FROM RDB$DATABASE");
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).toStringList(), QStringList{"42"});
        background.start(m_connection->Params, "SELECT COUNT(*) FROM BIG A CROSS JOIN BIG B");
        background.cancel();
        QVERIFY(!finished.wait(1000));
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_GUILESS_MAIN(DataChecksTest)
#include "tst_datachecks.moc"
