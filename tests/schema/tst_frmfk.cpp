// The foreign key editor driven by name against a real Firebird database.
#include "app/ui/TEdit.h"
#include "browse/ui/TFrmSQL.h"
#include "browse/ui/TResultGrid.h"
#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "app/ui/TRadioGroup.h"
#include "schema/ui/TFrmFK.h"
#include "session/TSQLConnection.h"
#include "tests/support/HostileNames.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UiDriver.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList Shop = {
    "CREATE TABLE CUSTOMERS (ID INTEGER NOT NULL PRIMARY KEY, NAME VARCHAR(10), CODE CHAR(5))",
    "CREATE TABLE ORDERS (ID INTEGER NOT NULL PRIMARY KEY, CUST_ID INTEGER, SHIP_ID INTEGER, REF VARCHAR(200))",
    "CREATE TABLE SHIPPERS (ID INTEGER NOT NULL PRIMARY KEY)",
};

const QStringList ShopWithKeys = Shop + QStringList{
    "ALTER TABLE ORDERS ADD CONSTRAINT FK_ORD_CUST FOREIGN KEY (CUST_ID) REFERENCES CUSTOMERS (ID)",
    "ALTER TABLE ORDERS ADD CONSTRAINT FK_ORD_SHIP FOREIGN KEY (SHIP_ID) REFERENCES SHIPPERS (ID)",
};

// Every foreign key as "name table(field) -> table rules", read from the system tables.
const QString ForeignKeysInCatalogue = QStringLiteral(
    "SELECT TRIM(c.RDB$CONSTRAINT_NAME) || ' ' || TRIM(c.RDB$RELATION_NAME) || '(' || TRIM(s.RDB$FIELD_NAME) "
    "|| ') -> ' || TRIM(u.RDB$RELATION_NAME) || ' ' || TRIM(r.RDB$DELETE_RULE) || ' / ' || TRIM(r.RDB$UPDATE_RULE) "
    "FROM RDB$RELATION_CONSTRAINTS c "
    "JOIN RDB$REF_CONSTRAINTS r ON r.RDB$CONSTRAINT_NAME = c.RDB$CONSTRAINT_NAME "
    "JOIN RDB$RELATION_CONSTRAINTS u ON u.RDB$CONSTRAINT_NAME = r.RDB$CONST_NAME_UQ "
    "JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = c.RDB$INDEX_NAME "
    "WHERE c.RDB$CONSTRAINT_TYPE = 'FOREIGN KEY' ORDER BY 1");

// A database, the editor on it with a recording context, shown as the main menu shows it.
struct Editor {
    std::unique_ptr<TestDatabase> db;
    TestContext context;
    std::unique_ptr<TFrmFK> screen;

    explicit Editor(std::unique_ptr<TestDatabase> database, bool connected = true) : db(std::move(database))
    {
        if (connected)
            context.session.SessionConnection = db->connect();
        screen = std::make_unique<TFrmFK>(context);
        screen->resize(900, 700);
        context.screens.showModal(*screen);
    }

    TListBox *list(const char *name) { return ui::find<TListBox>(screen.get(), name); }
    TListBox *tblSrc() { return list("LstTblSrc"); }
    TListBox *fldSrc() { return list("LstFldSrc"); }
    TListBox *tblDest() { return list("LstTblDest"); }
    TListBox *fldDest() { return list("LstFldDest"); }
    TListBox *keys() { return list("LstExistingKeys"); }
    TRadioGroup *onDelete() { return ui::find<TRadioGroup>(screen.get(), "RGOnDelete"); }
    TRadioGroup *onUpdate() { return ui::find<TRadioGroup>(screen.get(), "RGOnUpdate"); }
    TEdit *name() { return ui::find<TEdit>(screen.get(), "TxtFKName"); }
    TMemo *memo() { return ui::find<TMemo>(screen.get(), "MmoSqlStatement"); }
    QPushButton *commit() { return ui::find<QPushButton>(screen.get(), "CmdCommit"); }
    QPushButton *copy() { return ui::find<QPushButton>(screen.get(), "CmdCopyText"); }

    // Source table and field, destination table and field, as a user clicks them.
    void chain(const QString &srcTable, const QString &srcField, const QString &destTable, const QString &destField)
    {
        ui::clickItem(tblSrc(), srcTable);
        ui::clickItem(fldSrc(), srcField);
        ui::clickItem(tblDest(), destTable);
        ui::clickItem(fldDest(), destField);
    }
    QStringList foreignKeys() const { return db->column(ForeignKeysInCatalogue); }
};

std::unique_ptr<Editor> editor(const QStringList &setup, bool connected = true)
{
    return std::make_unique<Editor>(TestDatabase::embedded(setup), connected);
}

// The same over the loopback test server; null (test skipped) when none runs.
std::unique_ptr<Editor> editorAt(const QString &where, const QStringList &setup)
{
    auto db = TestDatabase::make(where, setup);
    if (!db->isValid())
        return nullptr;
    return std::make_unique<Editor>(std::move(db));
}

}

class FrmFKTest : public QObject {
    Q_OBJECT

private slots:
    void showWithoutConnectionObjectRefusesToFill()
    {
        auto e = editor(Shop, false);
        QCOMPARE(e->context.sink.messages,
                 QStringList({"Must select connection data first before you can\r\nadd or remove any index information"}));
        QCOMPARE(e->tblSrc()->count(), 0);
        QVERIFY(!e->commit()->isEnabled());
    }

    void showResetsTheScreen()
    {
        auto e = editor(ShopWithKeys);
        QCOMPARE(e->tblSrc()->Items(), QStringList({"CUSTOMERS", "ORDERS", "SHIPPERS"}));
        e->chain("ORDERS", "CUST_ID", "CUSTOMERS", "ID");
        ui::clickRadio(e->onDelete(), 2);
        ui::type(e->name(), "FK_X");
        QVERIFY(e->commit()->isEnabled());

        e->screen->hide();
        e->context.screens.showModal(*e->screen);
        QCOMPARE(e->tblSrc()->ItemIndex(), -1);
        QCOMPARE(e->fldSrc()->count(), 0);
        QVERIFY(!e->fldSrc()->isEnabled());
        QCOMPARE(e->tblDest()->count(), 0);
        QVERIFY(!e->tblDest()->isEnabled());
        QCOMPARE(e->fldDest()->count(), 0);
        QCOMPARE(e->keys()->count(), 0);
        QCOMPARE(e->onDelete()->selectedText(), QString("CASCADE"));
        QCOMPARE(e->onUpdate()->selectedText(), QString("CASCADE"));
        QVERIFY(!e->onDelete()->isEnabled());
        QCOMPARE(e->name()->text(), QString());
        QVERIFY(!e->name()->isEnabled());
        QCOMPARE(e->memo()->Text(), QString());
        QCOMPARE(e->commit()->text(), QString("Create/Remove Foreign Key"));
        QVERIFY(!e->commit()->isEnabled());
        QVERIFY(e->context.sink.errors.isEmpty());
    }

    void tooFewTables_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no tables: placeholder, clicks do nothing")
            << QStringList() << QStringList({"Current connection has no tables to alter"}) << QStringList();
        QTest::newRow("one table: listed, a click asks for two")
            << QStringList({"CREATE TABLE ONLY_ONE (ID INTEGER)"}) << QStringList({"ONLY_ONE"})
            << QStringList({"Must have two or more tables\r\nin order to create a foreign key"});
    }
    void tooFewTables()
    {
        QFETCH(QStringList, setup);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, messages);
        auto e = editor(setup);
        QCOMPARE(e->tblSrc()->Items(), listed);
        ui::clickItem(e->tblSrc(), 0);
        QCOMPARE(e->context.sink.messages, messages);
        QVERIFY(e->context.sink.errors.isEmpty());
        QCOMPARE(e->fldSrc()->count(), 0);
        QVERIFY(!e->fldSrc()->isEnabled());
    }

    void createCommitsTheShownStatement_data()
    {
        QTest::addColumn<int>("updateRule"); // -1: groups left as shown
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("stored");
        QTest::newRow("update rule SET NULL")
            << 2
            << "ALTER TABLE ORDERS ADD CONSTRAINT FK_ORD_CUST FOREIGN KEY(CUST_ID) \r\n"
               "REFERENCES CUSTOMERS(ID) \r\n"
               "ON DELETE CASCADE \r\n"
               "ON UPDATE SET NULL"
            << "FK_ORD_CUST ORDERS(CUST_ID) -> CUSTOMERS CASCADE / SET NULL";
        QTest::newRow("rules untouched are both CASCADE")
            << -1
            << "ALTER TABLE ORDERS ADD CONSTRAINT FK_ORD_CUST FOREIGN KEY(CUST_ID) \r\n"
               "REFERENCES CUSTOMERS(ID) \r\n"
               "ON DELETE CASCADE \r\n"
               "ON UPDATE CASCADE"
            << "FK_ORD_CUST ORDERS(CUST_ID) -> CUSTOMERS CASCADE / CASCADE";
    }
    void createCommitsTheShownStatement()
    {
        QFETCH(int, updateRule);
        QFETCH(QString, statement);
        QFETCH(QString, stored);
        auto e = editor(Shop);
        e->chain("ORDERS", "CUST_ID", "CUSTOMERS", "ID");
        QCOMPARE(e->commit()->text(), QString("Create Foreign Key"));
        QVERIFY(!e->commit()->isEnabled());
        QVERIFY(e->name()->isEnabled());
        QVERIFY(!e->memo()->isEnabled());
        QCOMPARE(e->memo()->Text(), QString("ALTER TABLE ORDERS ADD CONSTRAINT  FOREIGN KEY(CUST_ID) \r\n"
                                       "REFERENCES CUSTOMERS(ID) \r\n"
                                       "ON DELETE CASCADE \r\n"
                                       "ON UPDATE CASCADE"));
        if (updateRule >= 0)
            ui::clickRadio(e->onUpdate(), updateRule);
        ui::type(e->name(), "FK_ORD_CUST");
        QVERIFY(e->commit()->isEnabled());
        QCOMPARE(e->memo()->Text(), statement);

        ui::click(e->copy());
        QCOMPARE(e->context.clip.text(), statement);
        QVERIFY(!e->memo()->textCursor().hasSelection());

        ui::click(e->commit());
        QVERIFY(e->context.sink.errors.isEmpty());
        QCOMPARE(e->foreignKeys(), QStringList({stored}));
        QVERIFY(!e->commit()->isEnabled());
        // A second click on the spent button runs nothing.
        QTest::mouseClick(e->commit(), Qt::LeftButton);
        QVERIFY(e->context.sink.errors.isEmpty());
        QCOMPARE(e->foreignKeys(), QStringList({stored}));
        QCOMPARE(e->memo()->Text(), statement);
    }

    void ruleClickRecomposes()
    {
        auto e = editor(Shop);
        e->chain("ORDERS", "CUST_ID", "CUSTOMERS", "ID");
        ui::type(e->name(), "FK_A");
        ui::clickRadio(e->onDelete(), 1);
        QCOMPARE(e->memo()->Text(), QString("ALTER TABLE ORDERS ADD CONSTRAINT FK_A FOREIGN KEY(CUST_ID) \r\n"
                                       "REFERENCES CUSTOMERS(ID) \r\n"
                                       "ON DELETE SET DEFAULT \r\n"
                                       "ON UPDATE CASCADE"));
        QVERIFY(e->commit()->isEnabled());
    }

    void nameIsNormalisedAsEntered_data()
    {
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("name");
        QTest::newRow("typed inner space") << false << "my fk" << "my_fk";
        QTest::newRow("typed leading space") << false << " abc" << "abc";
        QTest::newRow("pasted leading space") << true << " abc" << "abc";
        QTest::newRow("pasted leading underscores") << true << "__fk" << "fk";
        QTest::newRow("typed single space") << false << " " << "";
        QTest::newRow("pasted blanks around a name") << true << "  my fk " << "my_fk";
    }
    void nameIsNormalisedAsEntered()
    {
        QFETCH(bool, paste);
        QFETCH(QString, entered);
        QFETCH(QString, name);
        auto e = editor(Shop);
        e->chain("ORDERS", "CUST_ID", "CUSTOMERS", "ID");
        if (paste) {
            e->name()->setFocus();
            e->name()->insert(entered);
        } else {
            ui::type(e->name(), entered);
        }
        QCOMPARE(e->name()->text(), name);
        QCOMPARE(e->name()->cursorPosition(), int(name.size()));
        QCOMPARE(e->commit()->isEnabled(), !name.isEmpty());
        QCOMPARE(e->memo()->Text().section(LineBreak, 0, 0),
                 "ALTER TABLE ORDERS ADD CONSTRAINT " + name + " FOREIGN KEY(CUST_ID) ");
    }

    void emptiedNameDisablesCommit()
    {
        auto e = editor(Shop);
        e->chain("ORDERS", "CUST_ID", "CUSTOMERS", "ID");
        ui::type(e->name(), "fk");
        QVERIFY(e->commit()->isEnabled());
        QTest::keyClick(e->name(), Qt::Key_Backspace);
        QVERIFY(e->commit()->isEnabled());
        QTest::keyClick(e->name(), Qt::Key_Backspace);
        QCOMPARE(e->name()->text(), QString());
        QVERIFY(!e->commit()->isEnabled());
    }

    void sameTableRefused()
    {
        auto e = editor(Shop);
        ui::clickItem(e->tblSrc(), "ORDERS");
        ui::clickItem(e->fldSrc(), "ID");
        QCOMPARE(e->tblDest()->Items(), QStringList({"CUSTOMERS", "ORDERS", "SHIPPERS"}));
        ui::clickItem(e->tblDest(), "CUSTOMERS");
        QCOMPARE(e->fldDest()->Items(), QStringList({"ID", "NAME", "CODE"}));
        ui::clickItem(e->tblDest(), "ORDERS");
        QCOMPARE(e->context.sink.messages,
                 QStringList({"Source and destination tables can not be the same!\r\n"
                              "Choose a different source or destination table"}));
        QCOMPARE(e->fldDest()->count(), 0);
        QVERIFY(!e->fldDest()->isEnabled());
        QVERIFY(!e->onDelete()->isEnabled());
        QVERIFY(!e->commit()->isEnabled());
    }

    void dataTypeCheck_data()
    {
        QTest::addColumn<QString>("sourceField");
        QTest::addColumn<QString>("destinationField");
        QTest::addColumn<bool>("same");
        QTest::newRow("INTEGER against VARCHAR") << "CUST_ID" << "NAME" << false;
        QTest::newRow("VARCHAR(200) against VARCHAR(10)") << "REF" << "NAME" << true;
        QTest::newRow("VARCHAR against CHAR") << "REF" << "CODE" << true;
        QTest::newRow("INTEGER against INTEGER") << "CUST_ID" << "ID" << true;
    }
    void dataTypeCheck()
    {
        QFETCH(QString, sourceField);
        QFETCH(QString, destinationField);
        QFETCH(bool, same);
        auto e = editor(Shop);
        e->chain("ORDERS", sourceField, "CUSTOMERS", destinationField);
        QCOMPARE(e->context.sink.messages,
                 same ? QStringList() : QStringList({"Source and destination fields\r\nmust have same data type!"}));
        QVERIFY(e->context.sink.errors.isEmpty());
        QCOMPARE(e->name()->isEnabled(), same);
        QVERIFY(e->onDelete()->isEnabled());
        QVERIFY(e->onUpdate()->isEnabled());
        QCOMPARE(e->memo()->Text().section(LineBreak, 0, 1),
                 "ALTER TABLE ORDERS ADD CONSTRAINT  FOREIGN KEY(" + sourceField + ") \r\nREFERENCES CUSTOMERS("
                     + destinationField + ") ");
        // A rule click lets the name be typed whatever the check said.
        ui::clickRadio(e->onDelete(), 0);
        QVERIFY(e->name()->isEnabled());
    }

    void existingKeysListedAndDropped_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("embedded") << "embedded";
        QTest::newRow("server") << "server";
    }
    void existingKeysListedAndDropped()
    {
        QFETCH(QString, where);
        auto e = editorAt(where, ShopWithKeys);
        if (!e)
            QSKIP("no loopback test server is running");
        ui::clickItem(e->tblSrc(), "CUSTOMERS");
        QCOMPARE(e->keys()->count(), 0);
        ui::clickItem(e->tblSrc(), "ORDERS");
        QCOMPARE(e->fldSrc()->Items(), QStringList({"ID", "CUST_ID", "SHIP_ID", "REF"}));
        QCOMPARE(e->keys()->Items(),
                 QStringList({"FK_ORD_CUST : References : CUSTOMERS", "FK_ORD_SHIP : References : SHIPPERS"}));
        // The rows follow the server's own order of the constraints.
        QCOMPARE(e->db->column("SELECT RDB$CONSTRAINT_NAME FROM RDB$RELATION_CONSTRAINTS "
                               "WHERE RDB$CONSTRAINT_TYPE='FOREIGN KEY' AND RDB$RELATION_NAME='ORDERS'"),
                 QStringList({"FK_ORD_CUST", "FK_ORD_SHIP"}));

        ui::clickItem(e->fldSrc(), "CUST_ID");
        ui::clickItem(e->keys(), 1);
        QCOMPARE(e->memo()->Text(), QString("ALTER TABLE ORDERS DROP CONSTRAINT FK_ORD_SHIP"));
        QCOMPARE(e->commit()->text(), QString("Remove Foreign Key"));
        QVERIFY(e->commit()->isEnabled());
        QCOMPARE(e->tblDest()->count(), 0);
        QVERIFY(!e->tblDest()->isEnabled());
        QCOMPARE(e->fldDest()->count(), 0);
        QVERIFY(!e->fldDest()->isEnabled());
        QVERIFY(!e->name()->isEnabled());
        QVERIFY(!e->onDelete()->isEnabled());

        ui::click(e->commit());
        QVERIFY(e->context.sink.errors.isEmpty());
        QVERIFY(!e->commit()->isEnabled());
        QCOMPARE(e->foreignKeys(), QStringList({"FK_ORD_CUST ORDERS(CUST_ID) -> CUSTOMERS RESTRICT / RESTRICT"}));

        // Nothing is re-read after a commit: dropping the same key again is the server's to refuse.
        QCOMPARE(e->keys()->count(), 2);
        ui::clickItem(e->keys(), 1);
        ui::click(e->commit());
        QCOMPARE(e->context.sink.errors.size(), 1);
        QVERIFY(e->context.sink.errors.first().contains("FK_ORD_SHIP"));
        QVERIFY(e->commit()->isEnabled());
        QCOMPARE(e->memo()->Text(), QString("ALTER TABLE ORDERS DROP CONSTRAINT FK_ORD_SHIP"));

        // A source-table click re-reads the keys; clearing the already empty
        // name is what takes the commit away.
        ui::clickItem(e->tblSrc(), "ORDERS");
        QCOMPARE(e->keys()->Items(), QStringList({"FK_ORD_CUST : References : CUSTOMERS"}));
        QCOMPARE(e->commit()->text(), QString("Create/Remove Foreign Key"));
        QVERIFY(!e->commit()->isEnabled());
        QCOMPARE(e->memo()->Text(), QString());

        // A source-field click leaves remove mode.
        ui::clickItem(e->keys(), 0);
        QVERIFY(e->commit()->isEnabled());
        ui::clickItem(e->fldSrc(), "SHIP_ID");
        QCOMPARE(e->commit()->text(), QString("Create/Remove Foreign Key"));
        QVERIFY(!e->commit()->isEnabled());
        QCOMPARE(e->tblDest()->Items(), QStringList({"CUSTOMERS", "ORDERS", "SHIPPERS"}));
        QCOMPARE(e->memo()->Text(), QString());
        QCOMPARE(e->context.sink.errors.size(), 1);
    }

    void namesHoldingQuotesListTheirKeys()
    {
        auto e = editor(Shop + QStringList{
            "CREATE TABLE \"O'NEIL\" (ID INTEGER NOT NULL PRIMARY KEY, CUST_ID INTEGER, "
            "CONSTRAINT \"FK'Q\" FOREIGN KEY (CUST_ID) REFERENCES CUSTOMERS (ID))"});
        ui::clickItem(e->tblSrc(), "O'NEIL");
        QVERIFY(e->context.sink.errors.isEmpty());
        QCOMPARE(e->keys()->Items(), QStringList({"FK'Q : References : CUSTOMERS"}));
    }

    void serverRefusalLeavesTheStatementToRetry_data()
    {
        QTest::addColumn<QString>("sourceField");
        QTest::addColumn<QString>("destinationField");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("serverSays");
        QTest::newRow("destination field without a unique key")
            << "REF" << "NAME" << "FK_NAME" << "could not find UNIQUE or PRIMARY KEY constraint";
        QTest::newRow("constraint name already taken") << "CUST_ID" << "ID" << "FK_ORD_SHIP" << "FK_ORD_SHIP";
        QTest::newRow("constraint name too long")
            << "CUST_ID" << "ID" << "FK_ORDERS_TO_CUSTOMERS_BY_CUSTOMER_ID" << "Name longer than database column size";
    }
    void serverRefusalLeavesTheStatementToRetry()
    {
        QFETCH(QString, sourceField);
        QFETCH(QString, destinationField);
        QFETCH(QString, name);
        QFETCH(QString, serverSays);
        auto e = editor(ShopWithKeys + QStringList{"ALTER TABLE ORDERS DROP CONSTRAINT FK_ORD_CUST"});
        e->chain("ORDERS", sourceField, "CUSTOMERS", destinationField);
        ui::type(e->name(), name);
        const QString shown = e->memo()->Text();
        ui::click(e->commit());
        QCOMPARE(e->context.sink.errors.size(), 1);
        QVERIFY2(e->context.sink.errors.first().contains(serverSays), qPrintable(e->context.sink.errors.first()));
        QVERIFY(e->commit()->isEnabled());
        QCOMPARE(e->memo()->Text(), shown);
        QVERIFY(!e->context.session.SessionConnection->activeTransaction());
        QCOMPARE(e->foreignKeys(), QStringList({"FK_ORD_SHIP ORDERS(SHIP_ID) -> SHIPPERS RESTRICT / RESTRICT"}));

        // The screen goes on: a sound key from the same screen is created.
        e->chain("ORDERS", "CUST_ID", "CUSTOMERS", "ID");
        ui::type(e->name(), "FK_OK");
        ui::click(e->commit());
        QCOMPARE(e->context.sink.errors.size(), 1);
        QCOMPARE(e->foreignKeys(), QStringList({"FK_OK ORDERS(CUST_ID) -> CUSTOMERS CASCADE / CASCADE",
                                                "FK_ORD_SHIP ORDERS(SHIP_ID) -> SHIPPERS RESTRICT / RESTRICT"}));
    }

    void sourceFieldsUnreachable()
    {
        auto e = editor(Shop);
        ui::clickItem(e->tblSrc(), "CUSTOMERS");
        QCOMPARE(e->fldSrc()->count(), 3);
        TSQLConnection &shared = *e->context.session.SessionConnection;
        const QString database = shared.Params.value("database");
        shared.Close();
        shared.Params.setValue("database", e->db->path() + ".gone");

        ui::clickItem(e->tblSrc(), "ORDERS");
        QCOMPARE(e->context.sink.messages, QStringList({"Connection is unable to connect"}));
        QCOMPARE(e->context.sink.errors.size(), 1);
        QCOMPARE(e->fldSrc()->count(), 0);
        QCOMPARE(e->tblSrc()->currentItem()->text(), QString("ORDERS"));

        shared.Params.setValue("database", database);
        ui::clickItem(e->tblSrc(), "ORDERS");
        QCOMPARE(e->fldSrc()->Items(), QStringList({"ID", "CUST_ID", "SHIP_ID", "REF"}));
        QCOMPARE(e->context.sink.errors.size(), 1);
    }

    // A key listed for a table whose name needs quoting is dropped from that
    // table, and a new key goes from its picked column to the picked table:
    // the twins, with keys of the same names in upper case, keep theirs.
    void pickedTablesGetTheKeyTheirTwinsDoNot_data() { hostile::addRows(); }
    void pickedTablesGetTheKeyTheirTwinsDoNot()
    {
        QFETCH(QString, table);
        QFETCH(QString, twin);
        QFETCH(QString, written);
        auto e = editor(hostile::schema(table, twin));
        const QStringList twinBefore = hostile::catalogue(*e->db, twin);
        const QStringList customersBefore = hostile::catalogue(*e->db, "CUSTOMER");
        const QStringList columns = {"Key INTEGER NOT NULL", "Note VARCHAR(20)", "NOTE VARCHAR(20)", "Ref INTEGER", "REF INTEGER"};

        ui::clickItem(e->tblSrc(), table);
        QCOMPARE(e->keys()->Items(), QStringList{"fk_low : References : customer"});
        ui::clickItem(e->keys(), 0);
        QCOMPARE(e->memo()->Text(), "ALTER TABLE " + written + " DROP CONSTRAINT \"fk_low\"");
        ui::click(e->commit());
        QCOMPARE(e->context.sink.errors, QStringList());
        QCOMPARE(hostile::catalogue(*e->db, table), columns + QStringList{"UNIQUE uq_low NOTE"});
        QCOMPARE(hostile::catalogue(*e->db, twin), twinBefore);

        e->chain(table, "Ref", "customer", "Key");
        QCOMPARE(e->context.sink.messages, QStringList()); // the type probe read both columns
        ui::type(e->name(), "fk new");
        QCOMPARE(e->memo()->Text(), "ALTER TABLE " + written + " ADD CONSTRAINT fk_new FOREIGN KEY(\"Ref\") \r\n"
                                    "REFERENCES \"customer\"(\"Key\") \r\n"
                                    "ON DELETE CASCADE \r\n"
                                    "ON UPDATE CASCADE");
        ui::click(e->commit());
        QCOMPARE(e->context.sink.errors, QStringList());
        QCOMPARE(hostile::catalogue(*e->db, table),
                 columns + QStringList({"FOREIGN KEY FK_NEW Ref -> customer", "UNIQUE uq_low NOTE"}));
        QCOMPARE(hostile::catalogue(*e->db, twin), twinBefore);
        QCOMPARE(hostile::catalogue(*e->db, "CUSTOMER"), customersBefore);
    }

    // Before a foreign key is made, the line counts the rows whose value has
    // no parent; the statement and the commit are as without it.
    void orphansLine_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("statement");
        const QString rules = " \r\nON DELETE CASCADE \r\nON UPDATE CASCADE";
        QTest::newRow("orphans") << "ORDERS" << "CUST_ID" << "CUSTOMERS" << "ID"
                                 << "2 rows of ORDERS refer to no CUSTOMERS row" << QStringList({"11", "13"})
                                 << "ALTER TABLE ORDERS ADD CONSTRAINT fk_x FOREIGN KEY(CUST_ID) \r\nREFERENCES CUSTOMERS(ID)" + rules;
        QTest::newRow("quoted lower-case tables")
            << "orders" << "cust" << "customers" << "id" << "1 row of orders refers to no customers row" << QStringList({"2"})
            << "ALTER TABLE \"orders\" ADD CONSTRAINT fk_x FOREIGN KEY(\"cust\") \r\nREFERENCES \"customers\"(\"id\")" + rules;
        QTest::newRow("every row has its parent or NULL")
            << "ORDERS" << "SHIP_ID" << "SHIPPERS" << "ID" << "" << QStringList()
            << "ALTER TABLE ORDERS ADD CONSTRAINT fk_x FOREIGN KEY(SHIP_ID) \r\nREFERENCES SHIPPERS(ID)" + rules;
    }
    void orphansLine()
    {
        QFETCH(QString, source);
        QFETCH(QString, field);
        QFETCH(QString, destination);
        QFETCH(QString, key);
        QFETCH(QString, line);
        QFETCH(QStringList, ids);
        QFETCH(QString, statement);
        auto e = editor(Shop + QStringList{
            "INSERT INTO CUSTOMERS VALUES (1, 'a', 'a')",
            "INSERT INTO SHIPPERS VALUES (5)",
            "INSERT INTO ORDERS VALUES (10, 1, 5, 'r')",
            "INSERT INTO ORDERS VALUES (11, 2, NULL, 'r')",
            "INSERT INTO ORDERS VALUES (12, NULL, 5, 'r')",
            "INSERT INTO ORDERS VALUES (13, 3, NULL, 'r')",
            "CREATE TABLE \"customers\" (\"id\" INTEGER NOT NULL PRIMARY KEY)",
            "CREATE TABLE \"orders\" (\"no\" INTEGER NOT NULL, \"cust\" INTEGER)",
            "INSERT INTO \"customers\" VALUES (1)",
            "INSERT INTO \"orders\" VALUES (1, 1)",
            "INSERT INTO \"orders\" VALUES (2, 2)",
        });
        TFrmSQL console(e->context);
        e->context.screens.onModal = [&](Screen &screen) {
            if (&screen == &console)
                console.finishLoad();
        };
        e->chain(source, field, destination, key);
        QCOMPARE(ui::find<QLabel>(e->screen.get(), "LblSqlNote")->text(), line);
        QVERIFY(!e->commit()->isEnabled());
        ui::type(e->name(), "fk_x");
        QVERIFY(e->commit()->isEnabled());
        QCOMPARE(e->memo()->Text(), statement);
        QCOMPARE(ui::find<QLabel>(e->screen.get(), "LblSqlNote")->text(), line);
        auto *showRows = ui::find<QPushButton>(e->screen.get(), "CmdShowRows");
        QCOMPARE(!showRows->isHidden(), !ids.isEmpty());
        if (!ids.isEmpty()) {
            ui::click(showRows);
            auto *grid = ui::find<TResultGrid>(&console, "JvDBGResults");
            QStringList shown;
            for (int row = 1; row < grid->RowCount(); ++row)
                shown << grid->Cells(0, row).trimmed();
            QCOMPARE(shown, ids);
        }
        QVERIFY(e->context.sink.errors.isEmpty());
        // The server judges as before: orphans refuse the key.
        ui::click(e->commit());
        QCOMPARE(e->context.sink.errors.size(), ids.isEmpty() ? 0 : 1);
    }
};

QTEST_MAIN(FrmFKTest)
#include "tst_frmfk.moc"
