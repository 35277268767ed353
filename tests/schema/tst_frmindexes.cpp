// The index and key editor driven through its widgets against a real Firebird database.
#include "app/ui/TComboBox.h"
#include "app/ui/TStringGrid.h"
#include "browse/ui/TFrmSQL.h"
#include "browse/ui/TResultGrid.h"
#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "schema/ui/TFrmIndexes.h"
#include "session/TSQLTable.h"
#include "tests/support/HostileNames.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UiDriver.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// T has a named primary key and a named unique constraint; T2 the same
// columns and no keys; ORDERS holds data of every kind a column action meets.
const QStringList Schema = {
    "CREATE TABLE T (A INTEGER NOT NULL, B INTEGER NOT NULL, C VARCHAR(10), "
    "CONSTRAINT PK_T PRIMARY KEY (A, B), CONSTRAINT UQ_C UNIQUE (C))",
    "CREATE TABLE T2 (A INTEGER NOT NULL, B INTEGER NOT NULL, C VARCHAR(10))",
    "CREATE TABLE U (A INTEGER NOT NULL, C VARCHAR(10), CONSTRAINT UQ_U UNIQUE (A))",
    "CREATE TABLE ORDERS (ID INTEGER NOT NULL, QTY INTEGER NOT NULL, NOTE VARCHAR(20) CHARACTER SET WIN1252, "
    "CODE CHAR(5) NOT NULL, PRICE NUMERIC(9,2), RATE DECIMAL(18,4), REMARK BLOB SUB_TYPE TEXT)",
    "INSERT INTO T2 VALUES (1, 1, 'x')",
    "INSERT INTO T2 VALUES (2, 2, 'x')",
    "INSERT INTO ORDERS VALUES (1, 5, 'première', 'AB', 1234.56, 12.3456, 'long text')",
    "INSERT INTO ORDERS VALUES (2, 7, NULL, 'CD', NULL, 0.5, NULL)",
};

const QString KeysOf = QStringLiteral(
    "SELECT TRIM(rc.RDB$CONSTRAINT_TYPE) || ' ' || TRIM(s.RDB$FIELD_NAME) FROM RDB$RELATION_CONSTRAINTS rc "
    "JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = rc.RDB$INDEX_NAME "
    "WHERE rc.RDB$RELATION_NAME = '%1' AND rc.RDB$CONSTRAINT_TYPE IN ('PRIMARY KEY', 'UNIQUE') "
    "ORDER BY rc.RDB$CONSTRAINT_TYPE, rc.RDB$CONSTRAINT_NAME, s.RDB$FIELD_POSITION");
const QString ConstraintNamesOf = QStringLiteral(
    "SELECT RDB$CONSTRAINT_NAME FROM RDB$RELATION_CONSTRAINTS WHERE RDB$RELATION_NAME = '%1' "
    "AND RDB$CONSTRAINT_TYPE IN ('PRIMARY KEY', 'UNIQUE') ORDER BY 1");
// A small copy of the employee sample's domains: SALARY with DEFAULT and
// CHECK, PRODTYPE with DEFAULT, CHECK and NOT NULL, and a computed column.
const QStringList Employee = {
    "CREATE DOMAIN SALARY AS NUMERIC(10,2) DEFAULT 0 CHECK (VALUE > 0)",
    "CREATE DOMAIN PRODTYPE AS VARCHAR(12) DEFAULT 'software' NOT NULL "
    "CHECK (VALUE IN ('software', 'hardware', 'other', 'N/A'))",
    "CREATE DOMAIN FIRSTNAME AS VARCHAR(15)",
    "CREATE DOMAIN LASTNAME AS VARCHAR(20)",
    "CREATE TABLE EMPLOYEE (EMP_NO SMALLINT NOT NULL, FIRST_NAME FIRSTNAME NOT NULL, LAST_NAME LASTNAME NOT NULL, "
    "SALARY SALARY NOT NULL, FULL_NAME COMPUTED BY (last_name || ', ' || first_name))",
    "CREATE TABLE PROJECT (PROJ_ID CHAR(5) NOT NULL, PRODUCT PRODTYPE)",
    "INSERT INTO EMPLOYEE VALUES (1, 'Ada', 'Lovelace', 1000.50)",
    "INSERT INTO PROJECT VALUES ('P1', 'hardware')",
};
// A column with what its domain gives it: source, own NOT NULL, and the domain's DEFAULT, CHECK and NOT NULL.
const QString ColumnWithDomain = QStringLiteral(
    "SELECT TRIM(rf.RDB$FIELD_SOURCE) || ' | ' || COALESCE(rf.RDB$NULL_FLAG, 0) || ' | ' "
    "|| COALESCE(f.RDB$DEFAULT_SOURCE, '-') || ' | ' || COALESCE(f.RDB$VALIDATION_SOURCE, '-') || ' | ' "
    "|| COALESCE(f.RDB$NULL_FLAG, 0) FROM RDB$RELATION_FIELDS rf "
    "JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
    "WHERE rf.RDB$RELATION_NAME = '%1' AND rf.RDB$FIELD_NAME = '%2'");

// Data every check meets: NULLs, duplicates in one and two fields, NULLs in key fields.
const QStringList Items = {
    "CREATE TABLE ITEMS (ID INTEGER NOT NULL, QTY INTEGER, CODE VARCHAR(5), A INTEGER, B INTEGER, "
    "NOTE VARCHAR(20), PRICE NUMERIC(9,2))",
    "INSERT INTO ITEMS VALUES (1, NULL, 'x', 1, 1, 'n', 1)",
    "INSERT INTO ITEMS VALUES (2, 5, 'x', 1, 1, 'n', 2)",
    "INSERT INTO ITEMS VALUES (3, NULL, 'y', 1, 2, 'n', 3)",
    "INSERT INTO ITEMS VALUES (4, 7, 'z', NULL, 2, 'n', 4)",
    "INSERT INTO ITEMS VALUES (5, 8, 'z', NULL, 2, 'n', 5)",
    "CREATE TABLE BIG (ID INTEGER NOT NULL, V INTEGER)",
    "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I <= 20000) DO BEGIN "
    "INSERT INTO BIG VALUES (:I, IIF(:I = 777, NULL, :I)); I = I + 1; END END",
};

const QString OrdersValues = QStringLiteral(
    "SELECT ID || '|' || QTY || '|' || COALESCE(NOTE, '-') || '|' || TRIM(CODE) || '|' "
    "|| COALESCE(CAST(PRICE AS VARCHAR(30)), '-') || '|' || RATE || '|' || COALESCE(REMARK, '-') "
    "FROM ORDERS ORDER BY ID");

}

class FrmIndexesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TestContext> m_ctx;
    std::unique_ptr<TFrmIndexes> m_screen;

    // A database made for the test, the session connected to it, the screen shown.
    bool open(const QStringList &setup = Schema, const QString &where = "embedded")
    {
        m_db = TestDatabase::make(where, setup);
        if (!m_db->isValid())
            return false;
        m_ctx = std::make_unique<TestContext>();
        m_db->configure(m_ctx->session.connection());
        m_ctx->session.connection().Open();
        show();
        return true;
    }
    void show()
    {
        m_screen = std::make_unique<TFrmIndexes>(*m_ctx);
        m_ctx->screens.showModeless(*m_screen);
    }

    TListBox *list(const char *name) { return ui::find<TListBox>(m_screen.get(), name); }
    TListBox *tables() { return list("LstTableNames"); }
    TListBox *fields() { return list("LstFldNames"); }
    TListBox *info() { return list("LstTblInfo"); }
    TComboBox *actions() { return ui::find<TComboBox>(m_screen.get(), "CmbActions"); }
    TEdit *name() { return ui::find<TEdit>(m_screen.get(), "TxtIndexName"); }
    TMemo *memo() { return ui::find<TMemo>(m_screen.get(), "MmoSql"); }
    QPushButton *commit() { return ui::find<QPushButton>(m_screen.get(), "CmdCommit"); }
    QString label(const char *name) { return ui::find<QLabel>(m_screen.get(), name)->text(); }

    void pickFields(const QStringList &names)
    {
        for (const QString &field : names)
            ui::clickItem(fields(), field);
    }

    // Columns in order as the catalogue reads them now: name, type, NOT NULL, character set.
    QStringList describe(const QString &tableName)
    {
        auto connection = m_db->connect();
        TSQLTable table(connection.get());
        table.setTableName(tableName);
        table.Open();
        QStringList columns;
        for (const FieldDef &def : table.FieldDefs()) {
            QString line = def.name + ' ' + def.declaredType;
            if (def.required)
                line += " NOT NULL";
            if (!def.charset.isEmpty())
                line += ' ' + def.charset;
            columns << line;
        }
        return columns;
    }

    void verifyNoTransactionLeft()
    {
        QVERIFY(!m_ctx->session.SessionTransaction);
        QVERIFY(!m_ctx->session.connection().activeTransaction());
    }

private slots:
    void cleanup()
    {
        m_screen.reset();
        m_ctx.reset();
        m_db.reset();
    }

    void showListsTablesAndMasksThePassword()
    {
        open();
        QVERIFY(m_ctx->sink.messages.isEmpty());
        QCOMPARE(label("LblConnState"), QString("Connected"));
        QCOMPARE(tables()->Items(), QStringList({"ORDERS", "T", "T2", "U"}));
        const QStringList params = list("LstConnData")->Items();
        QVERIFY(params.contains("Password=*********"));
        QVERIFY(params.contains("user_name=SYSDBA"));
        QVERIFY(!params.join('\n').contains("masterkey"));
        QVERIFY(!fields()->isEnabled());
        QVERIFY(!actions()->isEnabled());
        QCOMPARE(actions()->ItemIndex(), -1);
        QVERIFY(!commit()->isEnabled());
        QVERIFY(name()->isHidden());
    }

    void showWithoutAnOpenConnection_data()
    {
        QTest::addColumn<bool>("objectExists");
        QTest::newRow("no connection object yet") << false;
        QTest::newRow("connection closed") << true;
    }
    void showWithoutAnOpenConnection()
    {
        QFETCH(bool, objectExists);
        m_ctx = std::make_unique<TestContext>();
        if (objectExists)
            m_ctx->session.connection();
        show();
        QCOMPARE(m_ctx->sink.messages, QStringList({"Must open a connection first!"}));
        QCOMPARE(tables()->count(), 0);
    }

    void databaseWithoutTables()
    {
        open({});
        QCOMPARE(tables()->Items(), QStringList({"Current connection has no tables to alter"}));
        ui::clickItem(tables(), 0);
        QVERIFY(m_ctx->sink.errors.isEmpty());
        QVERIFY(!fields()->isEnabled());
        QVERIFY(!actions()->isEnabled());
    }

    void currentKeysShownWithTheDropFormReady()
    {
        open();
        ui::clickItem(tables(), "T");
        QCOMPARE(fields()->Items(), QStringList({"A", "B", "C"}));
        QCOMPARE(info()->Items(), QStringList({"Unique Idx PK_T is: A;B", "Unique Idx UQ_C is: C"}));
        QVERIFY(!info()->isEnabled());

        ui::pick(actions(), "Set Primary Key");
        QCOMPARE(label("LblCurrentIndex"), QString("Current Primary key is(A,B)"));
        QCOMPARE(memo()->Text(), QString("ALTER TABLE T DROP CONSTRAINT PK_T"));
        QVERIFY(commit()->isEnabled());
        QCOMPARE(label("LblChosenAction"),
                 QString("You have chosen to Set Primary Key\r\nSelect items in the field list that correspond\r\n"
                         "to feilds that you want to set as the Primary Key\r\nand then click \"Commit Changes\"\r\n"
                         "Note: Deselecting all fields will remove Primary Key\r\n"
                         "Current Primary key fields are listed below\r\ntable names"));
        ui::click(ui::find<QPushButton>(m_screen.get(), "CmdCopySql"));
        QCOMPARE(m_ctx->clip.text(), QString("ALTER TABLE T DROP CONSTRAINT PK_T"));

        ui::pick(actions(), "Set Unique Index");
        QCOMPARE(label("LblCurrentIndex"), QString("Current Unique keys are (A,B)"));
        QCOMPARE(info()->Items(), QStringList({"Unique Idx PK_T is: A;B", "Unique Idx UQ_C is: C"}));
        QVERIFY(info()->isEnabled());
        QCOMPARE(memo()->Text(), QString());
        ui::clickItem(info(), 1);
        QCOMPARE(memo()->Text(), QString("ALTER TABLE T DROP CONSTRAINT UQ_C"));
    }

    // Only a primary key is taken for one: a unique constraint listed first
    // must never be offered for dropping as if it were the key.
    void tableWithoutPrimaryKey_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("no index at all") << "T2";
        QTest::newRow("unique constraint only") << "U";
    }
    void tableWithoutPrimaryKey()
    {
        QFETCH(QString, table);
        open();
        ui::clickItem(tables(), table);
        ui::pick(actions(), "Set Primary Key");
        QCOMPARE(label("LblCurrentIndex"), QString("This table has no Primary key"));
        QCOMPARE(memo()->Text(), QString());
        QVERIFY(!commit()->isEnabled());
        QVERIFY(!ui::find<QLabel>(m_screen.get(), "LblIndexName")->isHidden());
        ui::clickItem(fields(), "A");
        QVERIFY(commit()->isEnabled());
        QCOMPARE(memo()->Text(), "ALTER TABLE " + table + " ADD PRIMARY KEY(A)");
    }

    void formsComposedAsFieldsArePickedAndANameTyped_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("unnamed");
        QTest::addColumn<QString>("named");
        QTest::newRow("primary key") << "Set Primary Key" << "ALTER TABLE T2 ADD PRIMARY KEY(A,B)"
                                     << "ALTER TABLE T2 ADD CONSTRAINT PK_T PRIMARY KEY(A,B)";
        QTest::newRow("unique") << "Set Unique Index" << "ALTER TABLE T2 ADD UNIQUE(A,B)"
                                << "ALTER TABLE T2 ADD CONSTRAINT PK_T UNIQUE(A,B)";
    }
    void formsComposedAsFieldsArePickedAndANameTyped()
    {
        QFETCH(QString, action);
        QFETCH(QString, unnamed);
        QFETCH(QString, named);
        open();
        ui::clickItem(tables(), "T2");
        ui::pick(actions(), action);
        pickFields({"A", "B"});
        QCOMPARE(memo()->Text(), unnamed);

        ui::type(name(), "pk t");
        QCOMPARE(name()->text(), QString("PK_T"));
        QCOMPARE(memo()->Text(), named);
        QVERIFY(fields()->selectedItems().isEmpty());

        ui::type(name(), "");
        QCOMPARE(memo()->Text(), unnamed);

        // Deselecting every field leaves the statement as it was.
        pickFields({"A"});
        QCOMPARE(memo()->Text(), "ALTER TABLE T2 ADD " + QString(action == "Set Primary Key" ? "PRIMARY KEY" : "UNIQUE") + "(A)");
        pickFields({"A"});
        QCOMPARE(memo()->Text(), "ALTER TABLE T2 ADD " + QString(action == "Set Primary Key" ? "PRIMARY KEY" : "UNIQUE") + "(A)");

        // A new action clears the name without composing anything from it.
        ui::type(name(), "x");
        ui::pick(actions(), action == "Set Unique Index" ? "Set Primary Key" : "Set Unique Index");
        QCOMPARE(name()->text(), QString());
        QCOMPARE(memo()->Text(), QString());
    }

    void namesTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("statement");
        const QString dropKey = "ALTER TABLE T DROP CONSTRAINT PK_T";
        QTest::newRow("existing key, lower case") << "pk_t" << "PK_T" << dropKey;
        QTest::newRow("existing key, mixed case") << "pK_t" << "PK_T" << dropKey;
        QTest::newRow("existing key, typed with a space") << "pk t" << "PK_T" << dropKey;
        QTest::newRow("existing unique constraint") << "uq_c" << "UQ_C" << "ALTER TABLE T DROP CONSTRAINT UQ_C";
        QTest::newRow("leading underscores") << "__x" << "X" << "ALTER TABLE T ADD CONSTRAINT X PRIMARY KEY(A,B)";
        QTest::newRow("leading blank") << " x" << "X" << "ALTER TABLE T ADD CONSTRAINT X PRIMARY KEY(A,B)";
        QTest::newRow("non-ASCII letters keep their case")
            << "clé" << "CLé" << "ALTER TABLE T ADD CONSTRAINT CLé PRIMARY KEY(A,B)";
    }
    void namesTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, statement);
        open();
        ui::clickItem(tables(), "T");
        ui::pick(actions(), "Set Primary Key");
        pickFields({"A", "B"});
        if (typed.toLatin1() == typed.toUtf8()) {
            ui::type(name(), typed);
        } else {
            // Letters without a key of their own arrive pasted.
            name()->setFocus();
            name()->insert(typed);
        }
        QCOMPARE(name()->text(), shown);
        QCOMPARE(memo()->Text(), statement);

        // Another table clears the name quietly and lists its own fields.
        ui::clickItem(tables(), "U");
        QCOMPARE(name()->text(), QString());
        QCOMPARE(fields()->Items(), QStringList({"A", "C"}));
        QCOMPARE(memo()->Text(), QString());
    }

    void keyCommitsChangeTheSchema_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("picked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("infoRow");
        QTest::addColumn<QString>("handTyped");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("constraint");
        const QStringList primary = {"PRIMARY KEY A", "PRIMARY KEY B"};
        QTest::newRow("unnamed primary key") << "T2" << "Set Primary Key" << QStringList{"A", "B"} << "" << -1 << "" << primary << "";
        QTest::newRow("named primary key")
            << "T2" << "Set Primary Key" << QStringList{"A", "B"} << "pk t2" << -1 << "" << primary << "PK_T2";
        QTest::newRow("unnamed unique") << "T2" << "Set Unique Index" << QStringList{"A"} << "" << -1 << "" << QStringList{"UNIQUE A"} << "";
        QTest::newRow("named unique")
            << "T2" << "Set Unique Index" << QStringList{"B", "A"} << "uq ab" << -1 << "" << QStringList{"UNIQUE A", "UNIQUE B"} << "UQ_AB";
        QTest::newRow("drop primary key") << "T" << "Set Primary Key" << QStringList{} << "" << -1 << "" << QStringList{"UNIQUE C"} << "UQ_C";
        QTest::newRow("drop unique from its row") << "T" << "Set Unique Index" << QStringList{} << "" << 1 << "" << primary << "PK_T";
        QTest::newRow("memo typed by hand runs upper-cased")
            << "T2" << "Set Unique Index" << QStringList{} << "" << -1 << "  alter table t2 add constraint uq_hand unique(b)\n"
            << QStringList{"UNIQUE B"} << "UQ_HAND";
    }
    void keyCommitsChangeTheSchema()
    {
        QFETCH(QString, table);
        QFETCH(QString, action);
        QFETCH(QStringList, picked);
        QFETCH(QString, typed);
        QFETCH(int, infoRow);
        QFETCH(QString, handTyped);
        QFETCH(QStringList, keys);
        QFETCH(QString, constraint);
        open();
        ui::clickItem(tables(), table);
        ui::pick(actions(), action);
        pickFields(picked);
        if (!typed.isEmpty())
            ui::type(name(), typed);
        if (infoRow >= 0)
            ui::clickItem(info(), infoRow);
        if (!handTyped.isEmpty())
            memo()->setPlainText(handTyped);
        ui::click(commit());

        QCOMPARE(m_ctx->sink.errors, QStringList());
        QCOMPARE(m_db->column(KeysOf.arg(table)), keys);
        if (!constraint.isEmpty())
            QVERIFY(m_db->column(ConstraintNamesOf.arg(table)).contains(constraint));
        QVERIFY(!commit()->isEnabled());
        QVERIFY(!actions()->isEnabled());
        QVERIFY(!fields()->isEnabled());
        QVERIFY(m_ctx->session.connectionOpen());
        verifyNoTransactionLeft();
        QCOMPARE(tables()->Items(), QStringList({"ORDERS", "T", "T2", "U"}));

        // Picking the table again reads the new keys.
        ui::clickItem(tables(), table);
        QCOMPARE(info()->count(), keys.isEmpty() ? 1 : int(m_db->column(ConstraintNamesOf.arg(table)).size()));
    }

    // A unique index made with CREATE UNIQUE INDEX backs no constraint, so
    // only DROP INDEX removes it.
    void uniqueIndexWithoutConstraintIsDroppedAsAnIndex()
    {
        open();
        m_db->exec({"CREATE UNIQUE INDEX IX_T2_B ON T2 (B)"});
        ui::clickItem(tables(), "T2");
        QCOMPARE(info()->Items(), QStringList({"Unique Idx IX_T2_B is: B"}));
        ui::pick(actions(), "Set Unique Index");
        ui::clickItem(info(), 0);
        QCOMPARE(memo()->Text(), QString("DROP INDEX IX_T2_B"));
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QCOMPARE(m_db->column("SELECT RDB$INDEX_NAME FROM RDB$INDICES WHERE RDB$RELATION_NAME = 'T2'"), QStringList());
    }

    void refusedKeyCommitKeepsTheScreen_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("picked");
        QTest::addColumn<QString>("error");
        QTest::newRow("key over a nullable column") << "Set Primary Key" << QStringList{"C"} << "C";
        QTest::newRow("duplicate values, refused at commit") << "Set Unique Index" << QStringList{"C"} << "violation of PRIMARY or UNIQUE KEY";
        QTest::newRow("field clicked before any action, empty memo") << "" << QStringList{"A"} << "";
    }
    void refusedKeyCommitKeepsTheScreen()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, picked);
        QFETCH(QString, error);
        open();
        ui::clickItem(tables(), "T2");
        if (!action.isEmpty())
            ui::pick(actions(), action);
        pickFields(picked);
        QVERIFY(commit()->isEnabled());
        const QString statement = memo()->Text();
        ui::click(commit());

        QCOMPARE(m_ctx->sink.errors.size(), 1);
        QVERIFY2(m_ctx->sink.errors.first().contains(error), qPrintable(m_ctx->sink.errors.first()));
        QCOMPARE(memo()->Text(), statement);
        QVERIFY(commit()->isEnabled());
        verifyNoTransactionLeft();
        QCOMPARE(m_db->column(KeysOf.arg("T2")), QStringList());

        // The screen and the shared connection go on working.
        ui::clickItem(tables(), "T2");
        ui::pick(actions(), "Set Unique Index");
        ui::clickItem(fields(), "A");
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors.size(), 1);
        QCOMPARE(m_db->column(KeysOf.arg("T2")), QStringList({"UNIQUE A"}));
    }

    // Each column action changes one column in place: every value stays, and
    // so do the column's position and everything but what was asked.
    void columnCommitsKeepTheData_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("startSize");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("column");
        QTest::newRow("required becomes nullable") << "Set Nullable" << "QTY" << "" << ""
                                                   << "ALTER TABLE ORDERS ALTER QTY DROP NOT NULL" << "QTY INTEGER";
        QTest::newRow("nullable becomes required") << "Set Nullable" << "RATE" << "" << ""
                                                   << "ALTER TABLE ORDERS ALTER RATE SET NOT NULL"
                                                   << "RATE DECIMAL(18,4) NOT NULL";
        QTest::newRow("varchar grows, its character set kept")
            << "Set Precision" << "NOTE" << "20" << "50" << "ALTER TABLE ORDERS ALTER NOTE TYPE VARCHAR(50)"
            << "NOTE VARCHAR(50) WIN1252";
        QTest::newRow("char stays char and NOT NULL")
            << "Set Precision" << "CODE" << "5" << "8" << "ALTER TABLE ORDERS ALTER CODE TYPE CHAR(8)"
            << "CODE CHAR(8) NOT NULL UTF8";
        QTest::newRow("numeric grows, its scale kept")
            << "Set Precision" << "PRICE" << "9,2" << "12" << "ALTER TABLE ORDERS ALTER PRICE TYPE NUMERIC(12,2)"
            << "PRICE NUMERIC(12,2)";
    }
    void columnCommitsKeepTheData()
    {
        QFETCH(QString, action);
        QFETCH(QString, field);
        QFETCH(QString, startSize);
        QFETCH(QString, typed);
        QFETCH(QString, statement);
        QFETCH(QString, column);
        open();
        const QStringList values = m_db->column(OrdersValues);
        QStringList columns = describe("ORDERS");
        ui::clickItem(tables(), "ORDERS");
        ui::pick(actions(), action);
        QVERIFY(!commit()->isEnabled());
        ui::clickItem(fields(), field);
        if (action == "Set Precision") {
            QCOMPARE(name()->text(), startSize);
            ui::type(name(), typed);
        }
        QCOMPARE(memo()->Text(), statement);
        ui::click(commit());

        QCOMPARE(m_ctx->sink.errors, QStringList());
        const int position = fields()->Items().indexOf(field);
        columns[position] = column;
        QCOMPARE(describe("ORDERS"), columns);
        QCOMPARE(m_db->column(OrdersValues), values);
        verifyNoTransactionLeft();
        // The required-properties rows, read afresh, whichever action ran.
        const QStringList rows = info()->Items();
        QCOMPARE(rows.size(), 7);
        QCOMPARE(rows.at(position), field + " Required=" + (column.endsWith("NOT NULL") || column.contains("NOT NULL ") ? "True" : "False"));
        QCOMPARE(rows.at(0), QString("ID Required=True"));
    }

    void refusedColumnChangeLeavesTheColumnAsItWas_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("error");
        QTest::newRow("NULLs present") << "Set Nullable" << "NOTE" << "" << "NULLs present";
        QTest::newRow("shorter than before") << "Set Precision" << "NOTE" << "5" << "at least 20";
        QTest::newRow("smaller precision") << "Set Precision" << "PRICE" << "4" << "PRICE";
        QTest::newRow("larger scale") << "Set Precision" << "PRICE" << "9,4" << "scale";
    }
    void refusedColumnChangeLeavesTheColumnAsItWas()
    {
        QFETCH(QString, action);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, error);
        open();
        const QStringList values = m_db->column(OrdersValues);
        const QStringList columns = describe("ORDERS");
        ui::clickItem(tables(), "ORDERS");
        ui::pick(actions(), action);
        ui::clickItem(fields(), field);
        if (!typed.isEmpty())
            ui::type(name(), typed);
        ui::click(commit());

        QCOMPARE(m_ctx->sink.errors.size(), 1);
        QVERIFY2(m_ctx->sink.errors.first().contains(error), qPrintable(m_ctx->sink.errors.first()));
        QCOMPARE(describe("ORDERS"), columns);
        QCOMPARE(m_db->column(OrdersValues), values);
        verifyNoTransactionLeft();

        // The shared connection takes the next change.
        ui::pick(actions(), "Set Nullable");
        ui::clickItem(fields(), "QTY");
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors.size(), 1);
        QVERIFY(!describe("ORDERS").at(1).contains("NOT NULL"));
    }

    void columnActionOffersOnlyWhatKeepsTheData()
    {
        open();
        ui::clickItem(tables(), "ORDERS");
        ui::pick(actions(), "Set Primary Key");
        ui::pick(actions(), "Set Precision");
        QCOMPARE(label("LblCurrentIndex"), QString("Current precision of selected field is: "));
        QCOMPARE(info()->Items().mid(0, 3), QStringList({"ID Precision=0", "QTY Precision=0", "NOTE Precision=20"}));
        QVERIFY(!commit()->isEnabled());

        ui::clickItem(fields(), "ID"); // an integer has no size to change
        QCOMPARE(memo()->Text(), QString());
        QVERIFY(!commit()->isEnabled());
        QCOMPARE(label("LblSqlNote"), QString("ID is INTEGER: only CHAR, VARCHAR, NUMERIC and DECIMAL have a size to change"));

        ui::clickItem(fields(), "PRICE");
        QCOMPARE(memo()->Text(), QString("ALTER TABLE ORDERS ALTER PRICE TYPE NUMERIC(9,2)"));
        QCOMPARE(label("LblSqlNote"), QString());
        ui::type(name(), "12,1"); // a smaller scale would round the values
        QCOMPARE(memo()->Text(), QString());
        QVERIFY(!commit()->isEnabled());
        QCOMPARE(label("LblSqlNote"), QString("PRICE has 2 decimal places: a smaller scale would round its values"));
        ui::type(name(), "12.2");
        QCOMPARE(memo()->Text(), QString());
        QCOMPARE(label("LblSqlNote"),
                 QString("The precision of PRICE is written in digits, with a scale after a comma, such as 12 or 12,2"));
        ui::clickItem(fields(), "NOTE");
        ui::type(name(), "5 0");
        QCOMPARE(name()->text(), QString("5_0"));
        QCOMPARE(memo()->Text(), QString());
        QCOMPARE(label("LblSqlNote"), QString("The length of NOTE is written in digits, such as 50"));
        ui::pick(actions(), "Set Nullable"); // a new action clears the line
        QCOMPARE(label("LblSqlNote"), QString());

        // Hand edits of the memo are not what a column commit runs.
        ui::pick(actions(), "Set Nullable");
        ui::clickItem(fields(), "QTY");
        memo()->setPlainText("DROP TABLE ORDERS");
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QVERIFY(m_db->column("SELECT RDB$RELATION_NAME FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'ORDERS'").size() == 1);
        QVERIFY(info()->Items().contains("QTY Required=False"));
    }

    void tableDroppedBySomeoneElse()
    {
        open();
        m_db->exec({"DROP TABLE U"});
        ui::clickItem(tables(), "U");
        QCOMPARE(m_ctx->sink.errors.size(), 1);
        ui::clickItem(tables(), "T");
        QCOMPARE(fields()->Items(), QStringList({"A", "B", "C"}));
        QCOMPARE(m_ctx->sink.errors.size(), 1);
    }

    void connectionClosedByAnotherScreen_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("embedded") << "embedded";
        QTest::newRow("server") << "server";
    }
    void connectionClosedByAnotherScreen()
    {
        QFETCH(QString, where);
        // The loopback test server has no international character sets.
        QStringList schema = Schema;
        schema.replaceInStrings(" CHARACTER SET WIN1252", "");
        if (!open(schema, where))
            QSKIP("no loopback test server is running");
        m_ctx->session.connection().Close();
        ui::clickItem(tables(), "T2"); // reopened with its own parameters
        QCOMPARE(fields()->Items(), QStringList({"A", "B", "C"}));
        ui::pick(actions(), "Set Unique Index");
        ui::clickItem(fields(), "B");
        m_ctx->session.connection().Close();
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QCOMPARE(m_db->column(KeysOf.arg("T2")), QStringList({"UNIQUE B"}));
        QVERIFY(m_ctx->session.connectionOpen());

        ui::clickItem(tables(), "ORDERS");
        ui::pick(actions(), "Set Nullable");
        ui::clickItem(fields(), "QTY");
        m_ctx->session.connection().Close();
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QVERIFY(info()->Items().contains("QTY Required=False"));

        m_screen->hide();
        m_ctx->session.connection().Close();
        m_ctx->screens.showModeless(*m_screen);
        QCOMPARE(m_ctx->sink.messages, QStringList({"Must open a connection first!"}));
    }

    // Every action on a table whose name needs quoting changes that table and
    // the column picked, never the twin table or the twin column.
    void pickedTableChangesItsTwinDoesNot_data() { hostile::addRows(); }
    void pickedTableChangesItsTwinDoesNot()
    {
        QFETCH(QString, table);
        QFETCH(QString, twin);
        QFETCH(QString, written);
        open(hostile::schema(table, twin));
        const QStringList twinBefore = hostile::catalogue(*m_db, twin);
        QStringList columns = {"Key INTEGER NOT NULL", "Note VARCHAR(20)", "NOTE VARCHAR(20)", "Ref INTEGER", "REF INTEGER"};
        const QString foreignKey = "FOREIGN KEY fk_low REF -> customer";
        QCOMPARE(hostile::catalogue(*m_db, table), columns + QStringList({foreignKey, "UNIQUE uq_low NOTE"}));

        ui::clickItem(tables(), table);
        QCOMPARE(info()->Items(), QStringList{"Unique Idx uq_low is: NOTE"});
        ui::pick(actions(), "Set Unique Index");
        ui::clickItem(info(), 0);
        QCOMPARE(memo()->Text(), "ALTER TABLE " + written + " DROP CONSTRAINT \"uq_low\"");
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QCOMPARE(hostile::catalogue(*m_db, table), columns + QStringList{foreignKey});
        QCOMPARE(hostile::catalogue(*m_db, twin), twinBefore);

        ui::clickItem(tables(), table);
        ui::pick(actions(), "Set Primary Key");
        ui::clickItem(fields(), "Key");
        QCOMPARE(memo()->Text(), "ALTER TABLE " + written + " ADD PRIMARY KEY(\"Key\")");
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QCOMPARE(hostile::catalogue(*m_db, table), columns + QStringList({foreignKey, "PRIMARY KEY INTEG_ Key"}));
        QCOMPARE(hostile::catalogue(*m_db, twin), twinBefore);

        ui::clickItem(tables(), table);
        ui::pick(actions(), "Set Primary Key");
        QVERIFY2(memo()->Text().startsWith("ALTER TABLE " + written + " DROP CONSTRAINT INTEG_"), qPrintable(memo()->Text()));
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QCOMPARE(hostile::catalogue(*m_db, table), columns + QStringList{foreignKey});

        ui::clickItem(tables(), table);
        ui::pick(actions(), "Set Nullable");
        ui::clickItem(fields(), "Note");
        QCOMPARE(memo()->Text(), "ALTER TABLE " + written + " ALTER \"Note\" SET NOT NULL");
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        columns[1] = "Note VARCHAR(20) NOT NULL";
        QCOMPARE(hostile::catalogue(*m_db, table), columns + QStringList{foreignKey});
        QCOMPARE(hostile::catalogue(*m_db, twin), twinBefore);

        ui::pick(actions(), "Set Precision");
        ui::clickItem(fields(), "Note");
        ui::type(name(), "30");
        QCOMPARE(memo()->Text(), "ALTER TABLE " + written + " ALTER \"Note\" TYPE VARCHAR(30)");
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        columns[1] = "Note VARCHAR(30) NOT NULL";
        QCOMPARE(hostile::catalogue(*m_db, table), columns + QStringList{foreignKey});
        QCOMPARE(hostile::catalogue(*m_db, twin), twinBefore);

        ui::pick(actions(), "Set Unique Index");
        ui::clickItem(fields(), "Note");
        ui::type(name(), "uq n");
        QCOMPARE(memo()->Text(), "ALTER TABLE " + written + " ADD CONSTRAINT UQ_N UNIQUE(\"Note\")");
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QCOMPARE(hostile::catalogue(*m_db, table), columns + QStringList({foreignKey, "UNIQUE UQ_N Note"}));
        QCOMPARE(hostile::catalogue(*m_db, twin), twinBefore);
    }

    // The key commit upper-cases what the user typed, but a quoted name or
    // value stays as written.
    void keyCommitKeepsQuotedNames()
    {
        open(hostile::schema("orders", "ORDERS"));
        ui::clickItem(tables(), "orders");
        ui::pick(actions(), "Set Unique Index");
        ui::clickItem(fields(), "Note");
        memo()->setPlainText("alter table \"orders\" add constraint \"uq_Hand\" unique(\"Note\")");
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QVERIFY(hostile::catalogue(*m_db, "orders").contains("UNIQUE uq_Hand Note"));
        QCOMPARE(hostile::catalogue(*m_db, "ORDERS").filter("UNIQUE"), QStringList{"UNIQUE UQ_LOW NOTE"});
    }

    // A column whose type or NOT NULL its domain gives, or a computed one:
    // nothing is composed, the line under the statement says why, and the
    // column keeps its domain's DEFAULT, CHECK and NOT NULL.
    void domainAndComputedColumnsComposeNothing_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("reason");
        QTest::newRow("size of a domain with DEFAULT and CHECK")
            << "EMPLOYEE" << "Set Precision" << "SALARY" << "SALARY takes its type from domain SALARY: change the domain";
        QTest::newRow("size of a plain string domain")
            << "EMPLOYEE" << "Set Precision" << "FIRST_NAME"
            << "FIRST_NAME takes its type from domain FIRSTNAME: change the domain";
        QTest::newRow("size of a domain that is NOT NULL")
            << "PROJECT" << "Set Precision" << "PRODUCT" << "PRODUCT takes its type from domain PRODTYPE: change the domain";
        QTest::newRow("NOT NULL of the domain")
            << "PROJECT" << "Set Nullable" << "PRODUCT" << "PRODUCT takes NOT NULL from domain PRODTYPE: change the domain";
        QTest::newRow("computed column, NOT NULL")
            << "EMPLOYEE" << "Set Nullable" << "FULL_NAME" << "FULL_NAME is computed from an expression: change the expression";
        QTest::newRow("computed column, size")
            << "EMPLOYEE" << "Set Precision" << "FULL_NAME" << "FULL_NAME is computed from an expression: change the expression";
    }
    void domainAndComputedColumnsComposeNothing()
    {
        QFETCH(QString, table);
        QFETCH(QString, action);
        QFETCH(QString, field);
        QFETCH(QString, reason);
        open(Employee);
        const QStringList before = m_db->column(ColumnWithDomain.arg(table, field));
        ui::clickItem(tables(), table);
        ui::pick(actions(), action);
        ui::clickItem(fields(), field);
        if (action == "Set Precision")
            ui::type(name(), "30");
        QCOMPARE(label("LblSqlNote"), reason);
        QCOMPARE(memo()->Text(), QString());
        QVERIFY(!commit()->isEnabled());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QCOMPARE(m_db->column(ColumnWithDomain.arg(table, field)), before);

        // Another column of the same table composes again and the line clears.
        ui::clickItem(fields(), table == "EMPLOYEE" ? "LAST_NAME" : "PROJ_ID");
        if (action == "Set Precision")
            QCOMPARE(label("LblSqlNote"), table == "EMPLOYEE" ? "LAST_NAME takes its type from domain LASTNAME: change the domain" : "");
        else
            QCOMPARE(label("LblSqlNote"), QString());
    }

    // The column's own NOT NULL may go: the domain stays, with its DEFAULT and CHECK.
    void ownNotNullOfADomainColumnSwitchesKeepingTheDomain()
    {
        open(Employee);
        QCOMPARE(m_db->column(ColumnWithDomain.arg("EMPLOYEE", "SALARY")),
                 QStringList{"SALARY | 1 | DEFAULT 0 | CHECK (VALUE > 0) | 0"});
        ui::clickItem(tables(), "EMPLOYEE");
        ui::pick(actions(), "Set Nullable");
        ui::clickItem(fields(), "SALARY");
        QCOMPARE(memo()->Text(), QString("ALTER TABLE EMPLOYEE ALTER SALARY DROP NOT NULL"));
        QCOMPARE(label("LblSqlNote"), QString());
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QCOMPARE(m_db->column(ColumnWithDomain.arg("EMPLOYEE", "SALARY")),
                 QStringList{"SALARY | 0 | DEFAULT 0 | CHECK (VALUE > 0) | 0"});
        QCOMPARE(m_db->column("SELECT SALARY FROM EMPLOYEE"), QStringList{"1000.50"});
    }

    // Picking the action already chosen is no change: the statement, the name
    // or size typed and the commit stay.
    void repickingTheChosenActionKeepsTheStatement_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("picked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("statement");
        QTest::newRow("typed size") << "ORDERS" << "Set Precision" << QStringList{"NOTE"} << "50" << "50"
                                    << "ALTER TABLE ORDERS ALTER NOTE TYPE VARCHAR(50)";
        QTest::newRow("typed key name") << "T2" << "Set Primary Key" << QStringList({"A", "B"}) << "pk x" << "PK_X"
                                        << "ALTER TABLE T2 ADD CONSTRAINT PK_X PRIMARY KEY(A,B)";
    }
    void repickingTheChosenActionKeepsTheStatement()
    {
        QFETCH(QString, table);
        QFETCH(QString, action);
        QFETCH(QStringList, picked);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, statement);
        open();
        ui::clickItem(tables(), table);
        ui::pick(actions(), action);
        pickFields(picked);
        ui::type(name(), typed);
        QCOMPARE(memo()->Text(), statement);
        ui::pick(actions(), action);
        QCOMPARE(memo()->Text(), statement);
        QCOMPARE(name()->text(), shown);
        QVERIFY(commit()->isEnabled());
        ui::click(commit());
        QCOMPARE(m_ctx->sink.errors, QStringList());
    }

    // The line says what the data will make the server say; the statement and
    // the commit are what they are without it.
    void dataCheckLine_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("picked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("rowsOffered");
        QTest::newRow("NULLs present") << "Set Nullable" << QStringList{"QTY"} << ""
                                       << "ALTER TABLE ITEMS ALTER QTY SET NOT NULL"
                                       << "QTY holds NULL in 2 rows: the server will refuse this" << true;
        QTest::newRow("NULLs absent") << "Set Nullable" << QStringList{"NOTE"} << ""
                                      << "ALTER TABLE ITEMS ALTER NOTE SET NOT NULL" << "" << false;
        QTest::newRow("NOT NULL dropped: nothing to check") << "Set Nullable" << QStringList{"ID"} << ""
                                                           << "ALTER TABLE ITEMS ALTER ID DROP NOT NULL" << "" << false;
        QTest::newRow("duplicates in one field") << "Set Unique Index" << QStringList{"CODE"} << ""
                                                 << "ALTER TABLE ITEMS ADD UNIQUE(CODE)"
                                                 << "2 values of CODE occur more than once" << true;
        QTest::newRow("duplicates across two fields, NULLs in key fields")
            << "Set Unique Index" << QStringList({"A", "B"}) << "uq ab" << "ALTER TABLE ITEMS ADD CONSTRAINT UQ_AB UNIQUE(A,B)"
            << "1 value of (A,B) occurs more than once; 2 rows hold NULL in (A,B), which the key allows" << true;
        QTest::newRow("unique values") << "Set Primary Key" << QStringList{"ID"} << ""
                                       << "ALTER TABLE ITEMS ADD PRIMARY KEY(ID)" << "" << false;
        QTest::newRow("primary key over a column that allows NULL")
            << "Set Primary Key" << QStringList({"ID", "QTY"}) << "" << "ALTER TABLE ITEMS ADD PRIMARY KEY(ID,QTY)"
            << "QTY allows NULL: Firebird 3 refuses a primary key on it whatever the data" << false;
        QTest::newRow("smaller size") << "Set Precision" << QStringList{"NOTE"} << "10"
                                      << "ALTER TABLE ITEMS ALTER NOTE TYPE VARCHAR(10)"
                                      << "NOTE holds up to 20 characters: Firebird 3 refuses a smaller size whatever the data"
                                      << false;
        QTest::newRow("smaller precision") << "Set Precision" << QStringList{"PRICE"} << "8"
                                           << "ALTER TABLE ITEMS ALTER PRICE TYPE NUMERIC(8,2)"
                                           << "PRICE is NUMERIC(9,2): Firebird 3 refuses fewer digits before the decimal "
                                              "point whatever the data"
                                           << false;
        QTest::newRow("larger size") << "Set Precision" << QStringList{"NOTE"} << "30"
                                     << "ALTER TABLE ITEMS ALTER NOTE TYPE VARCHAR(30)" << "" << false;
    }
    void dataCheckLine()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, picked);
        QFETCH(QString, typed);
        QFETCH(QString, statement);
        QFETCH(QString, line);
        QFETCH(bool, rowsOffered);
        open(Items);
        ui::clickItem(tables(), "ITEMS");
        ui::pick(actions(), action);
        pickFields(picked);
        if (!typed.isEmpty())
            ui::type(name(), typed);
        QCOMPARE(memo()->Text(), statement);
        QCOMPARE(label("LblSqlNote"), line);
        QVERIFY(commit()->isEnabled());
        QCOMPARE(!ui::find<QPushButton>(m_screen.get(), "CmdShowRows")->isHidden(), rowsOffered);
        QVERIFY(ui::find<QPushButton>(m_screen.get(), "CmdCheckNow")->isHidden());
        QCOMPARE(m_ctx->sink.errors, QStringList());
        verifyNoTransactionLeft();
    }

    // "Show rows" opens the console on exactly the rows that stand in the way.
    void showRowsListsTheOffendingRows_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("picked");
        QTest::addColumn<QString>("handed");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("NULLs") << "Set Nullable" << QStringList{"QTY"}
                               << "SELECT FIRST 1000 * FROM ITEMS D WHERE D.QTY IS NULL" << QStringList({"1", "3"});
        QTest::newRow("duplicates of two fields")
            << "Set Unique Index" << QStringList({"A", "B"})
            << "SELECT FIRST 1000 D.* FROM ITEMS D JOIN (SELECT A, B FROM ITEMS WHERE A IS NOT NULL AND B IS NOT NULL "
               "GROUP BY A, B HAVING COUNT(*) > 1) G ON G.A = D.A AND G.B = D.B ORDER BY D.A, D.B"
            << QStringList({"1", "2"});
    }
    void showRowsListsTheOffendingRows()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, picked);
        QFETCH(QString, handed);
        QFETCH(QStringList, ids);
        open(Items);
        TFrmSQL console(*m_ctx);
        m_ctx->screens.onModal = [&](Screen &) { console.finishLoad(); };
        ui::clickItem(tables(), "ITEMS");
        ui::pick(actions(), action);
        pickFields(picked);
        const QString statement = memo()->Text();
        ui::click(ui::find<QPushButton>(m_screen.get(), "CmdShowRows"));
        QCOMPARE(m_ctx->sink.errors, QStringList());
        QCOMPARE(m_ctx->session.PendingSQLKind, QString("TB"));
        QCOMPARE(m_ctx->session.PendingSQL, handed);
        QCOMPARE(m_ctx->screens.shown.back().name, QString("TFrmSQL"));
        QVERIFY(m_ctx->screens.shown.back().modal);
        auto *grid = ui::find<TResultGrid>(&console, "JvDBGResults");
        QStringList shown;
        for (int row = 1; row < grid->RowCount(); ++row)
            shown << grid->Cells(0, row).trimmed();
        shown.sort();
        QCOMPARE(shown, ids);
        QCOMPARE(memo()->Text(), statement);
        QVERIFY(commit()->isEnabled());
    }

    // A table beyond the row limit is not checked while the window waits: it
    // is counted in the background, and checked in full on demand.
    void largeTableCheckedOnDemand()
    {
        open(Items);
        ui::clickItem(tables(), "BIG");
        ui::pick(actions(), "Set Nullable");
        ui::clickItem(fields(), "V");
        QCOMPARE(memo()->Text(), QString("ALTER TABLE BIG ALTER V SET NOT NULL"));
        QVERIFY(commit()->isEnabled());
        auto *checkNow = ui::find<QPushButton>(m_screen.get(), "CmdCheckNow");
        QVERIFY(!checkNow->isHidden());
        QVERIFY(label("LblSqlNote").startsWith("not checked: large table ("));
        QTRY_COMPARE_WITH_TIMEOUT(label("LblSqlNote"), QString("not checked: large table (20001 rows)"), 30000);

        ui::click(checkNow);
        QTRY_COMPARE_WITH_TIMEOUT(label("LblSqlNote"), QString("V holds NULL in 1 row: the server will refuse this"), 30000);
        QVERIFY(checkNow->isHidden());
        QVERIFY(!ui::find<QPushButton>(m_screen.get(), "CmdShowRows")->isHidden());
        QCOMPARE(memo()->Text(), QString("ALTER TABLE BIG ALTER V SET NOT NULL"));
        QVERIFY(commit()->isEnabled());

        // A new composition drops what the background was doing.
        ui::clickItem(fields(), "V");
        ui::clickItem(fields(), "ID");
        QCOMPARE(label("LblSqlNote"), QString());
        QTest::qWait(200);
        QCOMPARE(label("LblSqlNote"), QString());
        QCOMPARE(m_ctx->sink.errors, QStringList());
    }
};

QTEST_MAIN(FrmIndexesTest)
#include "tst_frmindexes.moc"
