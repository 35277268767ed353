// The data layer against real Firebird: embedded, and over the loopback test server.
#include "session/DbError.h"
#include "session/TSQLConnection.h"
#include "session/TSQLQuery.h"
#include "session/TSQLTable.h"
#include "session/TTransaction.h"
#include "tests/support/TestDatabase.h"

#include <QtTest>

class DataLayerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> database(const QStringList &setup = {})
    {
        QFETCH(QString, where);
        auto db = TestDatabase::make(where, setup);
        if (!db->isValid()) {
            QTest::qSkip("no loopback test server is running", __FILE__, __LINE__);
            return nullptr;
        }
        return db;
    }

    static void bothPlaces()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("embedded") << "embedded";
        QTest::newRow("server") << "server";
    }

private slots:
    void tableNamesInOrderWithoutSystemTables_data() { bothPlaces(); }
    void tableNamesInOrderWithoutSystemTables()
    {
        auto db = database({"CREATE TABLE ZEBRA (A INTEGER)", "CREATE TABLE ALPHA (A INTEGER)",
                            "CREATE VIEW MIDDLE AS SELECT A FROM ALPHA"});
        if (!db) return;
        auto connection = db->connect();
        QCOMPARE(connection->GetTableNames(), QStringList({"ALPHA", "MIDDLE", "ZEBRA"}));
    }

    void fieldsInColumnOrderWithKindSizeAndRequired_data() { bothPlaces(); }
    void fieldsInColumnOrderWithKindSizeAndRequired()
    {
        auto db = database({"CREATE TABLE T (S VARCHAR(35) NOT NULL, C CHAR(10), I INTEGER NOT NULL, "
                            "B BIGINT, SM SMALLINT, F DOUBLE PRECISION, SI FLOAT, D DECIMAL(18,4), "
                            "N NUMERIC(9,2), DT DATE, TM TIME, TS TIMESTAMP, BL BLOB, TX BLOB SUB_TYPE TEXT, "
                            "BO BOOLEAN)"});
        if (!db) return;
        auto connection = db->connect();
        TSQLTable table(connection.get());
        table.setTableName("t"); // unquoted names are stored in upper case
        table.Open();
        QCOMPARE(table.GetFieldNames(),
                 QStringList({"S", "C", "I", "B", "SM", "F", "SI", "D", "N", "DT", "TM", "TS", "BL", "TX", "BO"}));
        const struct {
            const char *name, *cls, *declared;
            int size;
            bool required;
        } expected[] = {
            {"S", "TStringField", "VARCHAR(35)", 35, true},
            {"C", "TStringField", "CHAR(10)", 10, false},
            {"I", "TIntegerField", "INTEGER", 0, true},
            {"B", "TLargeintField", "BIGINT", 0, false},
            {"SM", "TSmallintField", "SMALLINT", 0, false},
            {"F", "TFloatField", "DOUBLE PRECISION", 0, false},
            {"SI", "TSingleField", "FLOAT", 0, false},
            {"D", "TFMTBCDField", "DECIMAL(18,4)", 18, false},
            {"N", "TFMTBCDField", "NUMERIC(9,2)", 9, false},
            {"DT", "TDateField", "DATE", 0, false},
            {"TM", "TTimeField", "TIME", 0, false},
            {"TS", "TSQLTimeStampField", "TIMESTAMP", 0, false},
            {"BL", "TBlobField", "BLOB", 0, false},
            {"TX", "TMemoField", "BLOB SUB_TYPE TEXT", 0, false},
            {"BO", "TBooleanField", "BOOLEAN", 0, false},
        };
        int position = 0;
        for (const auto &e : expected) {
            const FieldDef &def = table.FieldByName(e.name);
            QCOMPARE(def.className(), QString(e.cls));
            QCOMPARE(def.declaredType, QString(e.declared));
            QCOMPARE(def.size, e.size);
            QCOMPARE(def.required, e.required);
            QCOMPARE(def.position, position++);
        }
    }

    void indexDefsPrimaryKeyFirstNamedByConstraint_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("named keys") << "embedded"
            << QStringList{"CREATE TABLE T (A INTEGER NOT NULL, B INTEGER NOT NULL, C INTEGER)",
                           "ALTER TABLE T ADD CONSTRAINT UQ_C UNIQUE (C)",
                           "ALTER TABLE T ADD CONSTRAINT PK_T PRIMARY KEY (A, B)"}
            << QStringList{"PK_T", "UQ_C"} << QStringList{"A;B", "C"};
        QTest::newRow("unnamed primary key, unique index") << "server"
            << QStringList{"CREATE TABLE T (A INTEGER NOT NULL PRIMARY KEY, C INTEGER, D INTEGER)",
                           "CREATE UNIQUE INDEX IX_D ON T (D)", "CREATE INDEX IX_C ON T (C)"}
            << QStringList{"INTEG_", "IX_D"} << QStringList{"A", "D"};
        QTest::newRow("unique constraints, no primary key") << "embedded"
            << QStringList{"CREATE TABLE T (A INTEGER NOT NULL, C INTEGER)",
                           "ALTER TABLE T ADD UNIQUE (C)"}
            << QStringList{"INTEG_"} << QStringList{"C"};
    }
    void indexDefsPrimaryKeyFirstNamedByConstraint()
    {
        QFETCH(QStringList, setup);
        QFETCH(QStringList, names);
        QFETCH(QStringList, keys);
        auto db = database(setup);
        if (!db) return;
        auto connection = db->connect();
        TSQLTable table(connection.get());
        table.setTableName("T");
        table.Open();
        QCOMPARE(table.GetKeyFieldNames(), keys);
        QCOMPARE(int(table.IndexDefs().size()), names.size());
        for (int i = 0; i < names.size(); ++i)
            QVERIFY2(table.IndexDefs()[size_t(i)].name.startsWith(names[i]), qPrintable(table.IndexDefs()[size_t(i)].name));
        // Every name is one DROP CONSTRAINT takes (or DROP INDEX, for a bare unique index).
        for (const IndexDef &def : table.IndexDefs()) {
            connection->ExecuteDirect(def.constraint ? "ALTER TABLE T DROP CONSTRAINT " + def.name
                                                     : "DROP INDEX " + def.name);
        }
        table.Refresh();
        table.Open();
        QVERIFY(table.IndexDefs().empty());
    }

    void executeDirectOpensAClosedConnection_data() { bothPlaces(); }
    void executeDirectOpensAClosedConnection()
    {
        auto db = database({"CREATE TABLE T (A INTEGER)"});
        if (!db) return;
        TSQLConnection connection;
        db->configure(connection);
        QVERIFY(!connection.Connected());
        connection.ExecuteDirect("INSERT INTO T VALUES (7)");
        QVERIFY(connection.Connected());
        QCOMPARE(db->column("SELECT A FROM T"), QStringList{"7"});
    }

    void serverErrorReachesTheCallerWithItsText_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("text");
        QTest::newRow("unknown table") << "embedded" << "SELECT * FROM NOSUCH" << "Table unknown\nNOSUCH";
        QTest::newRow("syntax") << "server" << "SELEC 1 FROM RDB$DATABASE" << "Token unknown";
        QTest::newRow("duplicate table") << "embedded" << "CREATE TABLE T (A INTEGER)" << "Table T already exists";
    }
    void serverErrorReachesTheCallerWithItsText()
    {
        QFETCH(QString, sql);
        QFETCH(QString, text);
        auto db = database({"CREATE TABLE T (A INTEGER)"});
        if (!db) return;
        auto connection = db->connect();
        try {
            connection->ExecuteDirect(sql);
            QFAIL("no error");
        } catch (const DbError &error) {
            QVERIFY2(error.text().contains(text), qPrintable(error.text()));
            QVERIFY(error.gdsCode() != 0);
        }
        connection->ExecuteDirect("INSERT INTO T VALUES (1)"); // still usable
    }

    void wrongCredentialsAndPathsFailToOpen()
    {
        auto db = TestDatabase::server();
        if (!db->isValid())
            QSKIP("no loopback test server is running");
        TSQLConnection connection;
        db->configure(connection);
        connection.Params.setValue("Password", "wrong");
        QVERIFY_THROWS_EXCEPTION(DbError, connection.Open());
        QVERIFY(!connection.Connected());
        db->configure(connection);
        connection.Params.setValue("database", "/nonexistent/x.fdb");
        QVERIFY_THROWS_EXCEPTION(DbError, connection.Open());
        TSQLConnection empty;
        QVERIFY_THROWS_EXCEPTION(DbError, empty.Open());
    }

    void valuesAsTextExactly_data() { bothPlaces(); }
    void valuesAsTextExactly()
    {
        auto db = database({"CREATE TABLE V (D DECIMAL(18,4), N NUMERIC(9,2), M NUMERIC(4,3), TS TIMESTAMP, "
                            "DT DATE, TM TIME, BO BOOLEAN, TX BLOB SUB_TYPE TEXT, BL BLOB, S VARCHAR(10), "
                            "C CHAR(3), DB DOUBLE PRECISION, BI BIGINT)",
                            "INSERT INTO V VALUES (12345678901234.5678, 1234567.89, -0.005, "
                            "'2026-12-10 14:03:09.1234', '1858-11-16', '00:00:00.0001', TRUE, "
                            "'Grüße, text blob', x'00FF', 'Ünï', 'ab', 0.1, -9223372036854775808)",
                            "INSERT INTO V (D) VALUES (NULL)"});
        if (!db) return;
        auto connection = db->connect();
        TSQLQuery query(connection.get());
        query.SQL = "SELECT * FROM V";
        query.Open();
        const QStringList expected = {"12345678901234.5678", "1234567.89", "-0.005", "2026-12-10 14:03:09.1234",
                                      "1858-11-16", "00:00:00.0001", "TRUE", "Grüße, text blob", "(BLOB)",
                                      "Ünï", "ab ", "0.1", "-9223372036854775808"};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(query.Fields(i).AsString(), expected[i]);
        query.Next();
        QVERIFY(!query.Eof());
        QVERIFY(query.FieldByName("d").IsNull());
        QCOMPARE(query.FieldByName("D").AsString(), QString());
        query.Next();
        QVERIFY(query.Eof());
    }

    void fieldTypeCategoriesIgnoreSizes()
    {
        auto db = TestDatabase::embedded({"CREATE TABLE A (S VARCHAR(10), I INTEGER)",
                                          "CREATE TABLE B (S VARCHAR(200), C CHAR(5))"});
        auto connection = db->connect();
        auto kind = [&](const QString &sql) {
            TSQLQuery query(connection.get());
            query.SQL = sql;
            query.Open();
            return query.Fields(0).DataType();
        };
        QCOMPARE(kind("SELECT S FROM A"), kind("SELECT S FROM B"));
        QCOMPARE(kind("SELECT C FROM B"), kind("SELECT S FROM B"));
        QVERIFY(kind("SELECT I FROM A") != kind("SELECT S FROM B"));
    }

    void failedCommitRollsBackAndTheConnectionGoesOn()
    {
        auto db = TestDatabase::embedded({"CREATE TABLE T (A INTEGER)", "INSERT INTO T VALUES (NULL)"});
        auto connection = db->connect();
        TTransaction *transaction = connection->BeginTransaction();
        // Firebird checks the existing NULLs only when the DDL is committed.
        connection->ExecuteDirect("ALTER TABLE T ALTER A SET NOT NULL");
        QVERIFY_THROWS_EXCEPTION(DbError, connection->CommitFreeAndNil(transaction));
        QVERIFY(transaction == nullptr);
        QVERIFY(connection->activeTransaction() == nullptr);
        connection->ExecuteDirect("INSERT INTO T VALUES (2)");
        QCOMPARE(db->column("SELECT COUNT(*) FROM T"), QStringList{"2"});
    }

    void proceduresAnswerThroughOpenAndExecSQL()
    {
        auto db = TestDatabase::embedded({"CREATE TABLE T (A INTEGER)",
                                          "CREATE PROCEDURE ADD_ONE (X INTEGER) RETURNS (Y INTEGER) AS "
                                          "BEGIN Y = X + 1; INSERT INTO T VALUES (:Y); END"});
        auto connection = db->connect();
        TSQLQuery query(connection.get());
        query.SQL = "EXECUTE PROCEDURE ADD_ONE(?)";
        query.Params = {"41"};
        query.Open();
        QVERIFY(!query.Eof());
        QCOMPARE(query.FieldByName("Y").AsString(), QString("42"));
        query.Next();
        QVERIFY(query.Eof());
        query.Close();
        query.Params = {"1"};
        query.ExecSQL();
        QCOMPARE(db->column("SELECT A FROM T ORDER BY A"), QStringList({"2", "42"}));
        query.SQL = "INSERT INTO T VALUES (1)";
        query.Params.clear();
        QVERIFY_THROWS_EXCEPTION(DbError, query.Open()); // no rows to read: not run at all
        QCOMPARE(db->column("SELECT COUNT(*) FROM T"), QStringList{"2"});
    }

    void aLostAttachmentIsOpenedAgainOnNextUse_data() { bothPlaces(); }
    void aLostAttachmentIsOpenedAgainOnNextUse()
    {
        auto db = database({"CREATE TABLE T (A INTEGER)"});
        if (!db) return;
        auto victim = db->connect();
        // Another attachment ends ours, as a server shutdown or an administrator would.
        db->exec({"DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION "
                  "AND MON$SYSTEM_FLAG = 0"});
        try {
            victim->ExecuteDirect("INSERT INTO T VALUES (1)");
            QFAIL("the lost attachment still worked");
        } catch (const DbError &error) {
            QVERIFY2(error.connectionLost(), qPrintable(error.text()));
        }
        QVERIFY(!victim->Connected());
        victim->ExecuteDirect("INSERT INTO T VALUES (2)"); // opened again with its own parameters
        QCOMPARE(db->column("SELECT A FROM T"), QStringList{"2"});
    }

    void aQueryThatFailsToReopenKeepsNoStaleFields()
    {
        auto db = TestDatabase::embedded({"CREATE TABLE T (A INTEGER, B BLOB SUB_TYPE TEXT)",
                                          "INSERT INTO T VALUES (1, 'text')"});
        auto connection = db->connect();
        TSQLQuery query(connection.get());
        query.SQL = "SELECT A, B FROM T";
        query.Open();
        QCOMPARE(query.FieldCount(), 2);
        query.SQL = "SELECT NOSUCH FROM T";
        QVERIFY_THROWS_EXCEPTION(DbError, query.Open());
        QCOMPARE(query.FieldCount(), 0);
        QVERIFY_THROWS_EXCEPTION(DbError, query.FieldByName("A"));
    }

    void endingATransactionEndsTheQueriesReadingInIt()
    {
        auto db = TestDatabase::embedded({"CREATE TABLE T (B BLOB SUB_TYPE TEXT)", "INSERT INTO T VALUES ('x')"});
        auto connection = db->connect();
        TTransaction *transaction = connection->BeginTransaction();
        TSQLQuery query(connection.get());
        query.SQL = "SELECT B FROM T";
        query.Open();
        QCOMPARE(query.Fields(0).AsString(), QString("x"));
        connection->CommitFreeAndNil(transaction);
        QVERIFY(!query.Active());
        QCOMPARE(query.FieldCount(), 0);
    }

    void closingTheConnectionEndsOpenQueries()
    {
        auto db = TestDatabase::embedded({"CREATE TABLE T (A INTEGER)", "INSERT INTO T VALUES (1)"});
        auto connection = db->connect();
        TSQLQuery query(connection.get());
        query.SQL = "SELECT A FROM T";
        query.Open();
        connection->Close();
        QVERIFY(!query.Active());
        query.Open(); // reopens the connection
        QCOMPARE(query.Fields(0).AsString(), QString("1"));
    }
};

QTEST_GUILESS_MAIN(DataLayerTest)
#include "tst_datalayer.moc"
