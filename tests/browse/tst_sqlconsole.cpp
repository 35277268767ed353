// The SQL console against real Firebird: typed statements, the result grid,
// the hand-over from the object browser, and loads that are cut short.
#include "app/ui/TMemo.h"
#include "browse/ui/ResultModel.h"
#include "browse/ui/TFrmSQL.h"
#include "browse/ui/TResultGrid.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UiDriver.h"

#include <QLabel>
#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList sampleTable = {
    "CREATE TABLE T (ID INTEGER, NAME VARCHAR(20))",
    "INSERT INTO T VALUES (1, 'one')",
    "INSERT INTO T VALUES (2, NULL)",
    "INSERT INTO T VALUES (3, '')",
};

// 100,000 rows: enough for a load to take several steps.
const QStringList bigTable = {
    "CREATE TABLE BIG (ID INTEGER, S VARCHAR(40))",
    "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN WHILE (I <= 100000) DO BEGIN "
    "INSERT INTO BIG VALUES (:I, 'row ' || :I); I = I + 1; END END",
};

// A console on its own database, shown as the program shows it.
struct Console {
    std::unique_ptr<TestDatabase> db;
    TestContext context;
    std::unique_ptr<TFrmSQL> screen;
    TResultGrid *grid = nullptr;
    TMemo *memo = nullptr;

    bool open(const QString &where, const QStringList &setup)
    {
        db = TestDatabase::make(where, setup);
        if (!db->isValid())
            return false;
        context.session.SessionConnection = std::make_unique<TSQLConnection>();
        db->configure(*context.session.SessionConnection);
        context.session.SessionConnection->Open();
        screen = std::make_unique<TFrmSQL>(context);
        grid = ui::find<TResultGrid>(screen.get(), "JvDBGResults");
        memo = ui::find<TMemo>(screen.get(), "MmoSQL");
        screen->show();
        return true;
    }
    // Runs a statement as the user would: into the memo, then the button; waits for the whole result.
    void execute(const QString &statement)
    {
        memo->setPlainText(statement);
        ui::click(ui::find<QPushButton>(screen.get(), "CmdExecute"));
        screen->finishLoad();
    }
    QStringList row(int row) const
    {
        QStringList cells;
        for (int c = 0; c < grid->ColCount(); ++c)
            cells << grid->Cells(c, row);
        return cells;
    }
    QString label() const { return ui::find<QLabel>(screen.get(), "LblRows")->text(); }
};

}

class SqlConsoleTest : public QObject {
    Q_OBJECT

    static void bothPlaces()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("embedded") << "embedded";
        QTest::newRow("server") << "server";
    }

private slots:
    void typedQueryAfterBlankLinesFillsHeaderAndOneRecord()
    {
        Console console;
        QVERIFY(console.open("embedded", {}));
        console.memo->setFocus();
        QTest::keyClick(console.memo, Qt::Key_Return);
        QTest::keyClick(console.memo, Qt::Key_Return);
        QTest::keyClicks(console.memo, "select rdb$relation_id from RDB$DATABASE");
        ui::click(ui::find<QPushButton>(console.screen.get(), "CmdExecute"));
        console.screen->finishLoad();
        QCOMPARE(console.memo->Text(), QString("select rdb$relation_id from RDB$DATABASE"));
        QCOMPARE(console.grid->ColCount(), 1);
        QCOMPARE(console.grid->RowCount(), 2);
        QCOMPARE(console.grid->Cells(0, 0), QString("RDB$RELATION_ID"));
        bool number = false;
        console.grid->Cells(0, 1).toInt(&number);
        QVERIFY(number);
        QVERIFY(console.context.sink.errors.isEmpty());
    }

    void queriesFillTheGridOthersLeaveIt_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QList<QStringList>>("rows"); // header first; empty when the grid keeps the last result
        QTest::newRow("three records give four rows")
            << "SELECT ID, NAME FROM T ORDER BY ID"
            << QList<QStringList>{{"ID", "NAME"}, {"1", "one"}, {"2", " "}, {"3", " "}};
        QTest::newRow("no records leave the header and one empty row")
            << "Select ID, NAME FROM T WHERE ID < 0" << QList<QStringList>{{"ID", "NAME"}, {"", ""}};
        QTest::newRow("with clause runs directly")
            << "WITH X AS (SELECT ID FROM T) SELECT ID FROM X" << QList<QStringList>{};
        QTest::newRow("update runs directly") << "UPDATE T SET ID = ID + 10" << QList<QStringList>{};
    }
    void queriesFillTheGridOthersLeaveIt()
    {
        QFETCH(QString, statement);
        QFETCH(QList<QStringList>, rows);
        Console console;
        QVERIFY(console.open("embedded", sampleTable));
        QAbstractItemModelTester contract(&console.grid->results(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        console.execute("SELECT NAME FROM T WHERE ID = 1");
        console.execute(statement);
        QCOMPARE(console.context.sink.errors, QStringList());
        if (rows.isEmpty())
            rows = {{"NAME"}, {"one"}};
        QCOMPARE(console.grid->RowCount(), rows.size());
        for (int r = 0; r < rows.size(); ++r)
            QCOMPARE(console.row(r), rows[r]);
    }

    void updateIsCommitted()
    {
        Console console;
        QVERIFY(console.open("embedded", sampleTable));
        console.execute("  UPDATE T SET NAME = 'changed' WHERE ID = 2\r\n");
        QCOMPARE(console.memo->Text(), QString("UPDATE T SET NAME = 'changed' WHERE ID = 2"));
        QCOMPARE(console.db->column("SELECT NAME FROM T WHERE ID = 2"), QStringList{"changed"});
    }

    // Values come back as the database holds them, on either side of the wire.
    void valuesAsTheDatabaseHoldsThem_data() { bothPlaces(); }
    void valuesAsTheDatabaseHoldsThem()
    {
        QFETCH(QString, where);
        Console console;
        if (!console.open(where, {"CREATE TABLE V (D DECIMAL(18,4), N NUMERIC(9,2), TS TIMESTAMP, DT DATE, "
                                  "TX BLOB SUB_TYPE TEXT, BL BLOB, C CHAR(4), B BOOLEAN)",
                                  "INSERT INTO V VALUES (12345678901234.5678, 1234567.89, "
                                  "'2026-12-10 14:03:09.1234', '2026-02-28', 'line one', x'00FF', 'ab', TRUE)",
                                  "INSERT INTO V VALUES (-0.0500, -0.01, NULL, NULL, NULL, NULL, NULL, NULL)"}))
            QSKIP("no loopback test server is running");
        console.execute("SELECT * FROM V ORDER BY D DESC");
        QCOMPARE(console.context.sink.errors, QStringList());
        QCOMPARE(console.row(0), QStringList({"D", "N", "TS", "DT", "TX", "BL", "C", "B"}));
        QCOMPARE(console.row(1), QStringList({"12345678901234.5678", "1234567.89", "2026-12-10 14:03:09.1234",
                                              "2026-02-28", "line one", "(BLOB)", "ab  ", "TRUE"}));
        QCOMPARE(console.row(2), QStringList({"-0.0500", "-0.01", " ", " ", " ", " ", " ", " "}));
    }

    void longValuesComeBackWhole()
    {
        Console console;
        QVERIFY(console.open("embedded", {"CREATE TABLE L (S VARCHAR(8000), TX BLOB SUB_TYPE TEXT)"}));
        const QString wide(8000, QChar(u'\u00e9'));
        console.db->exec({"INSERT INTO L VALUES ('" + wide + "', '" + QString("x").repeated(10) + "')",
                          "UPDATE L SET TX = TX || '" + QString("0123456789").repeated(1000) + "'",
                          "UPDATE L SET TX = TX || TX || TX"});
        console.execute("SELECT S, TX || TX FROM L");
        QCOMPARE(console.context.sink.errors, QStringList());
        QCOMPARE(console.grid->Cells(0, 1), wide);
        QCOMPARE(console.grid->Cells(1, 1).size(), 2 * 3 * (10 + 10000));
        const QString shown = console.grid->model()->index(0, 1).data().toString();
        QVERIFY(shown.size() <= 4097);
    }

    // A bad statement shows the server's text; the grid keeps the last result.
    void failuresShowTheServerTextAndKeepTheGrid_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("text");
        QTest::newRow("syntax error") << "SELECTED" << "Token unknown";
        QTest::newRow("dropped table") << "SELECT * FROM GONE" << "Table unknown";
        QTest::newRow("not a selectable procedure") << "SELECT * FROM NOROWS" << "NOROWS";
        QTest::newRow("failure in a later row") << "SELECT 10 / (ID - 3) FROM T ORDER BY ID" << "divide by zero";
        QTest::newRow("direct statement on a dropped table") << "DELETE FROM GONE" << "Table unknown";
        QTest::newRow("nothing typed") << " \r\n " << "";
    }
    void failuresShowTheServerTextAndKeepTheGrid()
    {
        QFETCH(QString, statement);
        QFETCH(QString, text);
        Console console;
        QVERIFY(console.open("embedded", sampleTable + QStringList{"CREATE TABLE GONE (A INTEGER)", "DROP TABLE GONE",
                                                                 "CREATE PROCEDURE NOROWS AS BEGIN END"}));
        console.execute("SELECT NAME FROM T WHERE ID = 1");
        console.execute(statement);
        QCOMPARE(console.context.sink.errors.size(), 1);
        QVERIFY2(console.context.sink.errors.first().contains(text), qPrintable(console.context.sink.errors.first()));
        if (statement.startsWith("SELECT 10")) {
            // The rows read before the failure stay, and the load is over.
            QCOMPARE(console.row(0), QStringList{"DIVIDE"});
            QCOMPARE(console.grid->Cells(0, 1), QString("-5"));
            QVERIFY(!console.screen->loading());
            QVERIFY(console.label().contains("stopped"));
        } else {
            QCOMPARE(console.row(0), QStringList{"NAME"});
            QCOMPARE(console.row(1), QStringList{"one"});
        }
        // Still usable.
        console.context.sink.clear();
        console.execute("SELECT ID FROM T WHERE ID = 2");
        QCOMPARE(console.context.sink.errors, QStringList());
        QCOMPARE(console.grid->Cells(0, 1), QString("2"));
    }

    void bytesThatAreNoUtf8StayInTheirRow()
    {
        Console console;
        QVERIFY(console.open("embedded", {"CREATE TABLE RAW (ID INTEGER, S VARCHAR(10) CHARACTER SET NONE)",
                                          "INSERT INTO RAW VALUES (1, x'41FF42C3')", "INSERT INTO RAW VALUES (2, 'ok')"}));
        console.execute("SELECT ID, S FROM RAW ORDER BY ID");
        QCOMPARE(console.context.sink.errors, QStringList());
        QCOMPARE(console.grid->RowCount(), 3);
        QCOMPARE(console.row(2), QStringList({"2", "ok"}));
        const QString odd = console.grid->Cells(1, 1);
        QVERIFY(odd.startsWith('A'));
        QVERIFY(odd.contains('B'));
    }

    // The attachment is killed from outside between showing and executing.
    void lostConnectionIsReportedAndReopened()
    {
        Console console;
        if (!console.open("server", sampleTable))
            QSKIP("no loopback test server is running");
        console.execute("SELECT NAME FROM T WHERE ID = 1");
        console.db->exec({"DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION"});
        console.execute("SELECT ID FROM T");
        QCOMPARE(console.context.sink.errors.size(), 1);
        QCOMPARE(console.row(1), QStringList{"one"});
        console.context.sink.clear();
        console.execute("SELECT ID FROM T WHERE ID = 3");
        QCOMPARE(console.context.sink.errors, QStringList());
        QCOMPARE(console.grid->Cells(0, 1), QString("3"));
    }

    void connectionLostDuringALoadKeepsTheRowsRead()
    {
        Console console;
        if (!console.open("server", bigTable))
            QSKIP("no loopback test server is running");
        QSignalSpy finished(console.screen.get(), &TFrmSQL::loadFinished);
        console.memo->setPlainText("SELECT ID, S FROM BIG ORDER BY ID");
        ui::click(ui::find<QPushButton>(console.screen.get(), "CmdExecute"));
        QVERIFY(console.screen->loading());
        console.db->exec({"DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION"});
        QVERIFY(finished.wait(60000));
        QCOMPARE(console.context.sink.errors.size(), 1);
        QVERIFY(console.label().contains("stopped"));
        QVERIFY(console.grid->RowCount() > 1);
        QCOMPARE(console.grid->Cells(1, 1), QString("row 1"));
        console.context.sink.clear();
        console.execute("SELECT COUNT(*) FROM BIG");
        QCOMPARE(console.context.sink.errors, QStringList());
        QCOMPARE(console.grid->Cells(0, 1), QString("100000"));
    }

    void connectionClosedElsewhereDuringALoadIsNotTakenForTheEnd()
    {
        Console console;
        QVERIFY(console.open("embedded", bigTable));
        QSignalSpy finished(console.screen.get(), &TFrmSQL::loadFinished);
        console.memo->setPlainText("SELECT ID, S FROM BIG ORDER BY ID");
        ui::click(ui::find<QPushButton>(console.screen.get(), "CmdExecute"));
        QVERIFY(console.screen->loading());
        console.context.session.SessionConnection->Close();
        QVERIFY(finished.wait(60000));
        QCOMPARE(console.context.sink.errors.size(), 1);
        QVERIFY(console.label().contains("stopped"));
        QVERIFY(console.grid->RowCount() < 100001);
    }

    void largeResultLoadsInStepsWithProgress()
    {
        Console console;
        QVERIFY(console.open("embedded", bigTable));
        QAbstractItemModelTester contract(&console.grid->results(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy finished(console.screen.get(), &TFrmSQL::loadFinished);
        console.memo->setPlainText("SELECT ID, S FROM BIG ORDER BY ID");
        ui::click(ui::find<QPushButton>(console.screen.get(), "CmdExecute"));
        // The first rows are there when the click returns; the rest follows between events.
        QVERIFY(console.grid->RowCount() > 1);
        QCOMPARE(console.grid->Cells(1, 1), QString("row 1"));
        QVERIFY(console.screen->loading());
        QVERIFY(console.label().startsWith("Loading..."));
        QVERIFY(finished.wait(60000));
        QCOMPARE(console.grid->RowCount(), 100001);
        QCOMPARE(console.row(100000), QStringList({"100000", "row 100000"}));
        QCOMPARE(console.label(), QLocale().toString(100000) + " rows");
        QCOMPARE(console.context.sink.errors, QStringList());
    }

    // Cutting a load short ends its query: nothing keeps the table in use.
    void loadCutShortReleasesTheTable_data()
    {
        QTest::addColumn<bool>("closeWindow");
        QTest::newRow("new statement") << false;
        QTest::newRow("window closed") << true;
    }
    void loadCutShortReleasesTheTable()
    {
        QFETCH(bool, closeWindow);
        Console console;
        QVERIFY(console.open("embedded", bigTable));
        console.memo->setPlainText("SELECT * FROM BIG");
        ui::click(ui::find<QPushButton>(console.screen.get(), "CmdExecute"));
        QVERIFY(console.screen->loading());
        if (closeWindow) {
            console.screen->close();
            QVERIFY(!console.screen->loading());
            QCOMPARE(console.grid->ColCount(), 1);
            QCOMPARE(console.grid->RowCount(), 2);
            QCOMPARE(console.grid->Cells(0, 0), QString());
            QCOMPARE(console.memo->Text(), QString("SELECT * FROM BIG"));
            console.screen->show();
        }
        console.execute("DROP TABLE BIG");
        QCOMPARE(console.context.sink.errors, QStringList());
        QVERIFY(!console.screen->loading());
        QVERIFY(console.db->column("SELECT RDB$RELATION_NAME FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'BIG'")
                    .isEmpty());
    }

    // Shown by the object browser: the table's records, or an object's source.
    void showsWhatTheBrowserHandedOver_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("pending");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<qint64>("rows");
        QTest::newRow("table records") << "TB" << "SELECT *\r\nFROM T" << "SELECT *\nFROM T" << qint64(4);
        QTest::newRow("procedure source")
            << "SP" << "SELECT RDB$PROCEDURE_SOURCE\r\nFROM RDB$PROCEDURES\r\nWHERE RDB$PROCEDURE_NAME='GET_ONE'"
            << "BEGIN ONE = 1; SUSPEND; END" << qint64(2);
        QTest::newRow("trigger source")
            << "TR" << "SELECT RDB$TRIGGER_SOURCE\r\nFrom RDB$TRIGGERS\r\nWHERE RDB$TRIGGER_NAME='T_BI'"
            << "AS BEGIN NEW.NAME = UPPER(NEW.NAME); END" << qint64(2);
        QTest::newRow("unknown procedure has no source")
            << "SP" << "SELECT RDB$PROCEDURE_SOURCE\r\nFROM RDB$PROCEDURES\r\nWHERE RDB$PROCEDURE_NAME='NONE'"
            << "" << qint64(2);
        QTest::newRow("no kind keeps the memo") << "" << "SELECT * FROM T" << "typed before" << qint64(2);
        QTest::newRow("a statement that fails empties the memo") << "" << "" << "" << qint64(2);
    }
    void showsWhatTheBrowserHandedOver()
    {
        QFETCH(QString, kind);
        QFETCH(QString, pending);
        QFETCH(QString, memo);
        QFETCH(qint64, rows);
        Console console;
        QVERIFY(console.open("embedded", sampleTable + QStringList{
            "CREATE PROCEDURE GET_ONE RETURNS (ONE INTEGER) AS BEGIN ONE = 1; SUSPEND; END",
            "CREATE TRIGGER T_BI FOR T BEFORE INSERT AS BEGIN NEW.NAME = UPPER(NEW.NAME); END"}));
        console.screen->hide();
        console.memo->setPlainText("typed before");
        console.context.session.PendingSQLKind = kind;
        console.context.session.PendingSQL = pending;
        console.screen->show();
        console.screen->finishLoad();
        QCOMPARE(console.context.sink.errors, QStringList());
        QCOMPARE(console.memo->Text().remove('\r'), memo);
        QCOMPARE(console.grid->RowCount(), rows);
        if (kind == "TB")
            QCOMPARE(console.row(1), QStringList({"1", "one"}));
    }

    void layoutPutsTheGridInTheLowerFortyPercent()
    {
        Console console;
        QVERIFY(console.open("embedded", {}));
        console.screen->resize(800, 503);
        QCOMPARE(console.grid->geometry(), QRect(0, 302, 800, 201));
        QCOMPARE(console.memo->geometry(), QRect(0, 25, 800, 277));
        QWidget *image = ui::find<QWidget>(console.screen.get(), "JvImg");
        QCOMPARE(image->width(), 800);
        QCOMPARE(image->height(), 25);
    }
};

QTEST_MAIN(SqlConsoleTest)
#include "tst_sqlconsole.moc"
