// The demo working folder: the database a newcomer tries the program on, and
// the stored connection "Demo" that opens it with no server running.
#include "app/ui/TComboBox.h"
#include "session/DemoDatabase.h"
#include "session/IniFile.h"
#include "session/TSQLQuery.h"
#include "session/ui/TFrmOpen.h"
#include "tests/support/Scripted.h"
#include "tests/support/UiDriver.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::unique_ptr<TSQLConnection> openDemo(const QString &path)
{
    auto connection = std::make_unique<TSQLConnection>();
    connection->Params.setValue("Password", "masterkey");
    connection->Params.setValue("user_name", "SYSDBA");
    connection->Params.setValue("database", path);
    connection->Params.setValue("hostname", "embedded");
    connection->Open();
    return connection;
}

QStringList rows(TSQLConnection &connection, const QString &select)
{
    TSQLQuery query(&connection);
    query.SQL = select;
    QStringList values;
    for (query.Open(); !query.Eof(); query.Next()) {
        QStringList row;
        for (int i = 0; i < query.FieldCount(); ++i)
            row << query.Fields(i).AsString().trimmed();
        values << row.join('|');
    }
    return values;
}

}

class DemoDatabaseTest : public QObject {
    Q_OBJECT

    QString m_startFolder;

private slots:
    void initTestCase() { m_startFolder = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_startFolder); }

    void madeWithEveryKindOfObject()
    {
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkdir("Settings"));
        DemoDatabase::setUpFolder(work.path());
        const QString path = work.filePath("demo.fdb");
        QCOMPARE(QDir(work.path()).entryList(QDir::Files), QStringList({"demo.fdb"})); // nothing half-made left

        const IniFile ini(work.filePath("Settings/dbxconnections.ini"));
        QCOMPARE(ini.sectionNames(), QStringList({"Demo"}));
        QCOMPARE(ini.sectionLines("Demo"),
                 QStringList({"drivername=Firebird", "Password=masterkey", "user_name=SYSDBA", "Port=3050",
                              "readonlydb=False", "database=" + path, "hostname=embedded"}));

        auto demo = openDemo(path);
        QCOMPARE(demo->GetTableNames(), QStringList({"CUSTOMERS", "ORDERS", "ORDER_LINES", "ORDER_TOTALS", "PRODUCTS"}));
        QCOMPARE(rows(*demo, "SELECT RDB$CONSTRAINT_NAME, RDB$CONST_NAME_UQ FROM RDB$REF_CONSTRAINTS "
                             "ORDER BY RDB$CONSTRAINT_NAME"),
                 QStringList({"FK_ORDERS_CUSTOMERS|PK_CUSTOMERS", "FK_ORDER_LINES_ORDERS|PK_ORDERS",
                              "FK_ORDER_LINES_PRODUCTS|PK_PRODUCTS"}));
        QCOMPARE(rows(*demo, "SELECT RDB$TRIGGER_NAME FROM RDB$TRIGGERS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"),
                 QStringList({"ORDERS_BI"}));
        QCOMPARE(rows(*demo, "SELECT RDB$ROLE_NAME FROM RDB$ROLES WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"),
                 QStringList({"CLERK"}));
        QCOMPARE(rows(*demo, "SELECT DISTINCT RDB$USER FROM RDB$USER_PRIVILEGES "
                             "WHERE RDB$USER IN ('CLERK', 'MARY', 'JOHN') ORDER BY 1"),
                 QStringList({"CLERK", "JOHN", "MARY"}));
        // The trigger numbered the orders; the procedure reads them through the view.
        QCOMPARE(rows(*demo, "SELECT ORDER_ID, ORDERED_ON, TOTAL FROM ORDERS_OF_CUSTOMER(1)"),
                 QStringList({"1|2024-03-01|64.00", "3|2024-04-15|9.95"}));
        demo->ExecuteDirect("INSERT INTO ORDERS (CUSTOMER_ID) VALUES (3)");
        QCOMPARE(rows(*demo, "SELECT MAX(ORDER_ID) FROM ORDERS"), QStringList({"4"}));
    }

    void secondSetUpKeepsWhatIsThere()
    {
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkdir("Settings"));
        DemoDatabase::setUpFolder(work.path());
        openDemo(work.filePath("demo.fdb"))->ExecuteDirect("INSERT INTO PRODUCTS VALUES (99, 'Kept', 1)");
        IniFile ini(work.filePath("Settings/dbxconnections.ini"));
        ini.writeString("Demo", "Password", "changed");
        ini.flush();

        DemoDatabase::setUpFolder(work.path());
        QCOMPARE(IniFile(work.filePath("Settings/dbxconnections.ini")).readString("Demo", "Password"),
                 QString("changed"));
        auto demo = openDemo(work.filePath("demo.fdb"));
        QCOMPARE(rows(*demo, "SELECT TITLE FROM PRODUCTS WHERE PRODUCT_ID = 99"), QStringList({"Kept"}));
    }

    void setUpNeverMakesTheSettingsFolder()
    {
        QTemporaryDir work;
        QVERIFY_THROWS_EXCEPTION(IniError, DemoDatabase::setUpFolder(work.path()));
        QVERIFY(!QDir(work.filePath("Settings")).exists());
        QCOMPARE(QDir(work.path()).entryList(QDir::Files), QStringList()); // nor a database without its entry
    }

    // What a newcomer does: "Open Connection", pick "Demo", "Open/Create Connection".
    void newcomerOpensDemoWithoutAServer()
    {
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkdir("Settings"));
        DemoDatabase::setUpFolder(work.path());
        QVERIFY(QDir::setCurrent(work.path()));
        qunsetenv("KELVANE_TEST_SERVER");

        TestContext context;
        TFrmOpen screen(context);
        screen.show();
        ui::pick(ui::find<TComboBox>(&screen, "CmbConns"), "Demo");
        ui::click(ui::find<QPushButton>(&screen, "CmdFinish"));
        QCOMPARE(ui::find<QLabel>(&screen, "LblConnState")->text(), QString("Connected"));
        QVERIFY(!screen.isVisible());
        QVERIFY(context.sink.messages.isEmpty() && context.sink.errors.isEmpty());
        QCOMPARE(context.session.connection().GetTableNames().size(), 5);
    }
};

QTEST_MAIN(DemoDatabaseTest)
#include "tst_demodatabase.moc"
