// The object browser against real Firebird: its three lists and the
// hand-over of a clicked object to the SQL console.
#include "app/ui/Screens.h"
#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "browse/ui/TFrmSQL.h"
#include "browse/ui/TFrmShowTbls.h"
#include "browse/ui/TResultGrid.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UiDriver.h"

#include <QtTest>

namespace {

const QStringList shop = {
    "CREATE TABLE CUSTOMER (ID INTEGER, NAME VARCHAR(20))",
    "CREATE TABLE \"Order Lines\" (ID INTEGER)",
    "INSERT INTO CUSTOMER VALUES (1, 'Ada')",
    "INSERT INTO CUSTOMER VALUES (2, 'Bo')",
    "INSERT INTO \"Order Lines\" VALUES (7)",
};

struct Browser {
    std::unique_ptr<TestDatabase> db;
    TestContext context;
    std::unique_ptr<TFrmSQL> console;
    std::unique_ptr<TFrmShowTbls> screen;

    bool open(const QString &where, const QStringList &setup, bool connected = true)
    {
        db = TestDatabase::make(where, setup);
        if (!db->isValid())
            return false;
        if (connected) {
            context.session.SessionConnection = std::make_unique<TSQLConnection>();
            db->configure(*context.session.SessionConnection);
        }
        console = std::make_unique<TFrmSQL>(context);
        screen = std::make_unique<TFrmShowTbls>(context);
        screen->setConsole(console.get());
        // The console opened by a click has loaded its result when the user looks.
        context.screens.onModal = [this](Screen &) { console->finishLoad(); };
        screen->show();
        return true;
    }
    TListBox *list(const char *name) const { return ui::find<TListBox>(screen.get(), name); }
    TResultGrid *grid() const { return ui::find<TResultGrid>(console.get(), "JvDBGResults"); }
    QString memo() const { return ui::find<TMemo>(console.get(), "MmoSQL")->Text(); }
};

}

class ObjectBrowserTest : public QObject {
    Q_OBJECT

private slots:
    void withoutConnectionDataOnlyTellsSo()
    {
        Browser browser;
        QVERIFY(browser.open("embedded", {}, false));
        QCOMPARE(browser.context.sink.messages,
                 QStringList{"Must select connection data first before you can\n\radd or remove any roles."});
        QCOMPARE(browser.list("LstTbls")->count(), 0);
        QCOMPARE(browser.context.sink.errors, QStringList());
    }

    void listsTablesNoProceduresAndTheSystemTriggers_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("embedded") << "embedded";
        QTest::newRow("server") << "server";
    }
    void listsTablesNoProceduresAndTheSystemTriggers()
    {
        QFETCH(QString, where);
        Browser browser;
        if (!browser.open(where, shop))
            QSKIP("no loopback test server is running");
        QCOMPARE(browser.context.sink.errors, QStringList());
        QCOMPARE(browser.list("LstTbls")->Items(), QStringList({"CUSTOMER", "Order Lines"}));
        QCOMPARE(browser.list("LstSPs")->count(), 0);
        const QStringList triggers = browser.list("LstTrigName")->Items();
        QCOMPARE(triggers.size(), browser.db->column("SELECT RDB$TRIGGER_NAME FROM RDB$TRIGGERS").size());
        QVERIFY(triggers.size() > 0);
        for (const QString &trigger : triggers)
            QVERIFY2(trigger.startsWith("RDB$") || trigger.startsWith("CHECK_"), qPrintable(trigger));
    }

    void tableClickHandsItsRecordsToTheConsole_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("firstRecord");
        QTest::newRow("plain name") << "CUSTOMER" << "SELECT *\r\nFROM CUSTOMER" << QStringList({"1", "Ada"});
        QTest::newRow("name that needs quotes") << "Order Lines" << "SELECT *\r\nFROM \"Order Lines\"" << QStringList{"7"};
    }
    void tableClickHandsItsRecordsToTheConsole()
    {
        QFETCH(QString, table);
        QFETCH(QString, statement);
        QFETCH(QStringList, firstRecord);
        Browser browser;
        QVERIFY(browser.open("embedded", shop));
        ui::clickItem(browser.list("LstTbls"), table);
        QCOMPARE(browser.context.session.PendingSQLKind, QString("TB"));
        QCOMPARE(browser.context.session.PendingSQL, statement);
        QCOMPARE(browser.context.screens.shown.size(), size_t(1));
        QCOMPARE(browser.context.screens.shown[0].name, QString("TFrmSQL"));
        QVERIFY(browser.context.screens.shown[0].modal);
        QCOMPARE(browser.context.sink.errors, QStringList());
        QCOMPARE(browser.grid()->RowCount(), firstRecord.size() == 2 ? 3 : 2);
        for (int c = 0; c < firstRecord.size(); ++c)
            QCOMPARE(browser.grid()->Cells(c, 1), firstRecord[c]);
    }

    // Names come back from the catalogue padded with blanks; quotes in them are doubled.
    void procedureAndTriggerClicksShowTheirSource_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("source");
        QTest::newRow("procedure")
            << "LstSPs" << "GET_TOTAL" << "SP"
            << "SELECT RDB$PROCEDURE_SOURCE\r\nFROM RDB$PROCEDURES\r\nWHERE RDB$PROCEDURE_NAME='GET_TOTAL'"
            << "BEGIN T = 42; SUSPEND; END";
        QTest::newRow("procedure with a quote")
            << "LstSPs" << "O'NEIL" << "SP"
            << "SELECT RDB$PROCEDURE_SOURCE\r\nFROM RDB$PROCEDURES\r\nWHERE RDB$PROCEDURE_NAME='O''NEIL'"
            << "BEGIN T = 1; SUSPEND; END";
        QTest::newRow("trigger")
            << "LstTrigName" << "CUSTOMER_BI" << "TR"
            << "SELECT RDB$TRIGGER_SOURCE\r\nFrom RDB$TRIGGERS\r\nWHERE RDB$TRIGGER_NAME='CUSTOMER_BI'"
            << "AS BEGIN NEW.ID = NEW.ID + 1; END";
        QTest::newRow("trigger with a quote")
            << "LstTrigName" << "IT'S" << "TR"
            << "SELECT RDB$TRIGGER_SOURCE\r\nFrom RDB$TRIGGERS\r\nWHERE RDB$TRIGGER_NAME='IT''S'"
            << "AS BEGIN NEW.NAME = 'x'; END";
    }
    void procedureAndTriggerClicksShowTheirSource()
    {
        QFETCH(QString, list);
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, statement);
        QFETCH(QString, source);
        Browser browser;
        QVERIFY(browser.open("embedded", shop + QStringList{
            "CREATE PROCEDURE GET_TOTAL RETURNS (T INTEGER) AS BEGIN T = 42; SUSPEND; END",
            "CREATE PROCEDURE \"O'NEIL\" RETURNS (T INTEGER) AS BEGIN T = 1; SUSPEND; END",
            "CREATE TRIGGER CUSTOMER_BI FOR CUSTOMER BEFORE INSERT AS BEGIN NEW.ID = NEW.ID + 1; END",
            "CREATE TRIGGER \"IT'S\" FOR CUSTOMER BEFORE UPDATE AS BEGIN NEW.NAME = 'x'; END"}));
        TListBox *box = browser.list(qPrintable(list));
        int row = -1;
        for (int i = 0; i < box->count(); ++i) {
            if (box->item(i)->text().trimmed() == name)
                row = i;
        }
        QVERIFY(row >= 0);
        QVERIFY(box->item(row)->text().size() > name.size()); // shown as the server returns it
        ui::clickItem(box, row);
        QCOMPARE(browser.context.session.PendingSQLKind, kind);
        QCOMPARE(browser.context.session.PendingSQL, statement);
        QCOMPARE(browser.context.sink.errors, QStringList());
        QCOMPARE(browser.memo(), source);
    }

    void consoleIsFoundWithoutBeingGiven()
    {
        Browser browser;
        QVERIFY(browser.open("embedded", shop));
        browser.screen->setConsole(nullptr);
        ui::clickItem(browser.list("LstTbls"), "CUSTOMER");
        QCOMPARE(browser.context.sink.errors, QStringList());
        QCOMPARE(browser.context.screens.shown.size(), size_t(1));
        QCOMPARE(browser.grid()->Cells(1, 2), QString("Bo"));
    }

    // In the program the browser reaches the one console the program made.
    void programsBrowserShowsProgramsConsole()
    {
        auto db = TestDatabase::embedded(shop);
        TestContext context;
        context.session.SessionConnection = std::make_unique<TSQLConnection>();
        db->configure(*context.session.SessionConnection);
        Screens screens(context);
        auto &browser = screens.get<TFrmShowTbls>();
        auto &console = screens.get<TFrmSQL>();
        context.screens.onModal = [&](Screen &) { console.finishLoad(); };
        browser.show();
        ui::clickItem(ui::find<TListBox>(&browser, "LstTbls"), "CUSTOMER");
        QCOMPARE(context.sink.errors, QStringList());
        QCOMPARE(context.screens.shown.size(), size_t(1));
        QCOMPARE(ui::find<TResultGrid>(&console, "JvDBGResults")->Cells(1, 1), QString("Ada"));
    }
};

QTEST_MAIN(ObjectBrowserTest)
#include "tst_objectbrowser.moc"
