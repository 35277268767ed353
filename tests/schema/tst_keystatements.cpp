// Key and column statements and the index-name rules, without a database.
#include "schema/ColumnAlteration.h"
#include "schema/IndexNameRules.h"
#include "schema/KeyStatements.h"
#include "session/TSQLTable.h"

#include <QtTest>

namespace {

FieldDef field(const QString &name, FieldKind kind, const QString &declared, bool required = false)
{
    FieldDef def;
    def.name = name;
    def.kind = kind;
    def.declaredType = declared;
    def.required = required;
    // "VARCHAR(35)" -> size 35; "NUMERIC(9,2)" -> precision 9, scale 2.
    const QString inside = declared.section(QLatin1Char('('), 1).chopped(declared.contains(QLatin1Char('(')) ? 1 : 0);
    if (kind == FieldKind::String) {
        def.size = inside.toInt();
    } else if (kind == FieldKind::Bcd) {
        def.precision = inside.section(QLatin1Char(','), 0, 0).toInt();
        def.scale = inside.section(QLatin1Char(','), 1, 1).toInt();
        def.size = def.precision;
    }
    return def;
}

}

Q_DECLARE_METATYPE(FieldDef)

class KeyStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void nameSettles_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("settled");
        QTest::newRow("lower case and a space") << "pk t" << "PK_T";
        QTest::newRow("leading underscores") << "__x" << "X";
        QTest::newRow("leading blanks") << "  x" << "X";
        QTest::newRow("blank then underscore") << " _a b" << "A_B";
        QTest::newRow("a leading blank trims both ends") << " a " << "A";
        QTest::newRow("inner underscore kept") << "a_b" << "A_B";
        QTest::newRow("two spaces inside") << "a  b" << "A__B";
        QTest::newRow("only a to z change case") << "straße é" << "STRAßE_é";
        QTest::newRow("blank only") << " " << "";
        QTest::newRow("digits and signs") << "ix$1" << "IX$1";
    }
    void nameSettles()
    {
        QFETCH(QString, typed);
        QFETCH(QString, settled);
        QCOMPARE(settleIndexName(typed), settled);
    }

    // A trim or an underscore removal is a rewrite of its own: the final form
    // is only reached when the handler runs again for the new text.
    void oneRewriteAtATime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("settled");
        QTest::newRow("leading blank: trim only") << " pk t" << "pk t" << false;
        QTest::newRow("leading underscore: one removed") << "__pk" << "_pk" << false;
        QTest::newRow("upper case and underscores") << "pk t" << "PK_T" << true;
        QTest::newRow("empty") << "" << "" << true;
    }
    void oneRewriteAtATime()
    {
        QFETCH(QString, text);
        QFETCH(QString, next);
        QFETCH(bool, settled);
        const IndexNameStep step = indexNameStep(text);
        QCOMPARE(step.text, next);
        QCOMPARE(step.settled, settled);
    }

    void keyForms_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("primary key, unnamed") << composePrimaryKey("T", "", "A,B") << "ALTER TABLE T ADD PRIMARY KEY(A,B)";
        QTest::newRow("primary key, named")
            << composePrimaryKey("T", "PK_T", "A,B") << "ALTER TABLE T ADD CONSTRAINT PK_T PRIMARY KEY(A,B)";
        QTest::newRow("unique, unnamed") << composeUniqueConstraint("T", "", "C") << "ALTER TABLE T ADD UNIQUE(C)";
        QTest::newRow("unique, named")
            << composeUniqueConstraint("T", "UQ_C", "C") << "ALTER TABLE T ADD CONSTRAINT UQ_C UNIQUE(C)";
        QTest::newRow("drop") << composeDropConstraint("T", "INTEG_5") << "ALTER TABLE T DROP CONSTRAINT INTEG_5";
        IndexDef key;
        key.name = "PK_T";
        key.constraint = true;
        QTest::newRow("drop of a constraint's index") << composeDropIndexDef("T", key) << "ALTER TABLE T DROP CONSTRAINT PK_T";
        IndexDef plain;
        plain.name = "IX_UNIQUE_C";
        QTest::newRow("drop of a unique index that backs no constraint")
            << composeDropIndexDef("T", plain) << "DROP INDEX IX_UNIQUE_C";
        QTest::newRow("field list of two") << composeSelectedFieldList({"A", "B"}) << "A,B";
        QTest::newRow("field list of one") << composeSelectedFieldList({"A"}) << "A";
        QTest::newRow("field list of none") << composeSelectedFieldList({}) << "";
        QTest::newRow("key fields shown with commas") << keyFieldsForDisplay("A;B;C") << "A,B,C";
        QTest::newRow("field list of names read from the database")
            << composeSelectedFieldList({"Key", "NOTE", "My Col", "ORDER"}) << "\"Key\",NOTE,\"My Col\",\"ORDER\"";
        QTest::newRow("drop from a lower-case table")
            << composeDropConstraint("orders", "fk_low") << "ALTER TABLE \"orders\" DROP CONSTRAINT \"fk_low\"";
        IndexDef quoted;
        quoted.name = "ix low";
        QTest::newRow("drop of a unique index named with a blank")
            << composeDropIndexDef("T", quoted) << "DROP INDEX \"ix low\"";
        QTest::newRow("typed key name as typed, table quoted")
            << composePrimaryKey("My Table", "PK_MY", "\"Key\"") << "ALTER TABLE \"My Table\" ADD CONSTRAINT PK_MY PRIMARY KEY(\"Key\")";
        QTest::newRow("unique on a reserved-word table")
            << composeUniqueConstraint("ORDER", "", "A") << "ALTER TABLE \"ORDER\" ADD UNIQUE(A)";
    }
    void keyForms()
    {
        QFETCH(QString, statement);
        QFETCH(QString, expected);
        QCOMPARE(statement, expected);
    }

    void keyCommitTextIsTrimmedAndUpperCased_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("runs");
        QTest::newRow("hand typed, lower case, line ends")
            << "  alter table t add unique(c)\r\n" << "ALTER TABLE T ADD UNIQUE(C)";
        QTest::newRow("only a to z change case") << "alter table tä drop constraint ü" << "ALTER TABLE Tä DROP CONSTRAINT ü";
        QTest::newRow("empty") << "  \r\n" << "";
        QTest::newRow("quoted identifiers kept")
            << "alter table \"orders\" drop constraint \"fk_low\"" << "ALTER TABLE \"orders\" DROP CONSTRAINT \"fk_low\"";
        QTest::newRow("doubled quote inside an identifier")
            << "alter table \"say \"\"hi\"\" t\" add unique(c)" << "ALTER TABLE \"say \"\"hi\"\" t\" ADD UNIQUE(C)";
        QTest::newRow("literal kept, an apostrophe inside")
            << "alter table t add check (c <> 'o''brien \"x')" << "ALTER TABLE T ADD CHECK (C <> 'o''brien \"x')";
        QTest::newRow("unclosed quote keeps the rest") << "drop index \"ix low" << "DROP INDEX \"ix low";
    }
    void keyCommitTextIsTrimmedAndUpperCased()
    {
        QFETCH(QString, memo);
        QFETCH(QString, runs);
        QCOMPARE(keyCommitText(memo), runs);
    }

    void nullabilitySwitches_data()
    {
        QTest::addColumn<FieldDef>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("required becomes nullable")
            << field("QTY", FieldKind::Integer, "INTEGER", true) << "ALTER TABLE ORDERS ALTER QTY DROP NOT NULL";
        QTest::newRow("nullable becomes required")
            << field("QTY", FieldKind::Integer, "INTEGER", false) << "ALTER TABLE ORDERS ALTER QTY SET NOT NULL";
        QTest::newRow("a decimal keeps its precision: only the flag changes")
            << field("PRICE", FieldKind::Bcd, "NUMERIC(9,2)") << "ALTER TABLE ORDERS ALTER PRICE SET NOT NULL";
        QTest::newRow("a kind without a size still switches")
            << field("FLAG", FieldKind::Boolean, "BOOLEAN", true) << "ALTER TABLE ORDERS ALTER FLAG DROP NOT NULL";
        FieldDef own = field("SALARY", FieldKind::Bcd, "NUMERIC(10,2)", true);
        own.domain = "SALARY";
        QTest::newRow("a domain column's own NOT NULL switches")
            << own << "ALTER TABLE ORDERS ALTER SALARY DROP NOT NULL";
        QTest::newRow("a column that needs quoting")
            << field("Qty", FieldKind::Integer, "INTEGER") << "ALTER TABLE ORDERS ALTER \"Qty\" SET NOT NULL";
    }
    void nullabilitySwitches()
    {
        QFETCH(FieldDef, column);
        QFETCH(QString, expected);
        QCOMPARE(composeNullabilitySwitch("ORDERS", column), expected);
        QCOMPARE(nullabilityRefusal(column), QString());
    }

    void nullabilityNotSwitched_data()
    {
        QTest::addColumn<FieldDef>("column");
        QTest::addColumn<QString>("reason");
        FieldDef domain = field("PRODUCT", FieldKind::String, "VARCHAR(12)", true);
        domain.domain = "PRODTYPE";
        domain.domainRequired = true;
        QTest::newRow("NOT NULL from the domain")
            << domain << "PRODUCT takes NOT NULL from domain PRODTYPE: change the domain";
        FieldDef computed = field("FULL_NAME", FieldKind::String, "VARCHAR(37)");
        computed.computed = true;
        QTest::newRow("computed") << computed << "FULL_NAME is computed from an expression: change the expression";
    }
    void nullabilityNotSwitched()
    {
        QFETCH(FieldDef, column);
        QFETCH(QString, reason);
        QCOMPARE(composeNullabilitySwitch("T", column), QString());
        QCOMPARE(nullabilityRefusal(column), reason);
    }

    void sizeChanges_data()
    {
        QTest::addColumn<FieldDef>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        const FieldDef varchar = field("F", FieldKind::String, "VARCHAR(35)");
        const FieldDef fixed = field("F", FieldKind::String, "CHAR(10)");
        const FieldDef numeric = field("F", FieldKind::Bcd, "NUMERIC(9,2)");
        const FieldDef decimal = field("F", FieldKind::Bcd, "DECIMAL(9,0)");
        QTest::newRow("varchar grows") << varchar << "50" << "ALTER TABLE T ALTER F TYPE VARCHAR(50)";
        QTest::newRow("char stays char") << fixed << "12" << "ALTER TABLE T ALTER F TYPE CHAR(12)";
        QTest::newRow("numeric stays numeric, scale kept") << numeric << "12" << "ALTER TABLE T ALTER F TYPE NUMERIC(12,2)";
        QTest::newRow("numeric, precision and scale") << numeric << "12,3" << "ALTER TABLE T ALTER F TYPE NUMERIC(12,3)";
        QTest::newRow("decimal without places") << decimal << "12" << "ALTER TABLE T ALTER F TYPE DECIMAL(12)";
        QTest::newRow("decimal, precision and scale") << decimal << "10,4" << "ALTER TABLE T ALTER F TYPE DECIMAL(10,4)";
        QTest::newRow("smaller scale would round the values") << numeric << "12,1" << "";
        QTest::newRow("text that is no size") << varchar << "ABC" << "";
        QTest::newRow("spaces turned into underscores") << varchar << "5_0" << "";
        QTest::newRow("empty") << varchar << "" << "";
        QTest::newRow("a scale for a string") << varchar << "10,2" << "";
        QTest::newRow("statement smuggled into the size") << decimal << "9)_DEFAULT_0" << "";
        QTest::newRow("integer has no size") << field("F", FieldKind::Integer, "INTEGER") << "10" << "";
        QTest::newRow("text blob has no size") << field("F", FieldKind::Memo, "BLOB SUB_TYPE TEXT") << "10" << "";
        QTest::newRow("a column that needs quoting")
            << field("Note", FieldKind::String, "VARCHAR(20)") << "30" << "ALTER TABLE T ALTER \"Note\" TYPE VARCHAR(30)";
    }
    void sizeChanges()
    {
        QFETCH(FieldDef, column);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(composeSizeChange("T", column, typed), expected);
        // Nothing composed always comes with its reason.
        QCOMPARE(sizeChangeRefusal(column, typed).isEmpty(), !expected.isEmpty());
    }

    void sizeChangeReasons_data()
    {
        QTest::addColumn<FieldDef>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        FieldDef salary = field("SALARY", FieldKind::Bcd, "NUMERIC(10,2)");
        salary.domain = "SALARY";
        QTest::newRow("type from a domain") << salary << "12,2" << "SALARY takes its type from domain SALARY: change the domain";
        FieldDef computed = field("FULL_NAME", FieldKind::String, "VARCHAR(37)");
        computed.computed = true;
        QTest::newRow("computed") << computed << "50" << "FULL_NAME is computed from an expression: change the expression";
        QTest::newRow("no size") << field("ID", FieldKind::Integer, "INTEGER") << "10"
                                 << "ID is INTEGER: only CHAR, VARCHAR, NUMERIC and DECIMAL have a size to change";
        QTest::newRow("length not digits") << field("NOTE", FieldKind::String, "VARCHAR(20)") << "5_0"
                                           << "The length of NOTE is written in digits, such as 50";
        QTest::newRow("precision not digits") << field("PRICE", FieldKind::Bcd, "NUMERIC(9,2)") << "9)_DEFAULT_0"
                                              << "The precision of PRICE is written in digits, with a scale after a comma, such as 12 or 12,2";
        QTest::newRow("smaller scale") << field("PRICE", FieldKind::Bcd, "NUMERIC(9,2)") << "12,1"
                                       << "PRICE has 2 decimal places: a smaller scale would round its values";
    }
    void sizeChangeReasons()
    {
        QFETCH(FieldDef, column);
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        QCOMPARE(sizeChangeRefusal(column, typed), reason);
        QCOMPARE(composeSizeChange("T", column, typed), QString());
    }

    // What Firebird 3 refuses whatever the data: fewer characters, or fewer
    // digits before the decimal point.
    void shrinkSaidBeforeCommit_data()
    {
        QTest::addColumn<FieldDef>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("said");
        const FieldDef price = field("PRICE", FieldKind::Bcd, "NUMERIC(9,2)");
        const FieldDef code = field("CODE", FieldKind::String, "CHAR(5)");
        QTest::newRow("shorter string") << code << "4" << true;
        QTest::newRow("same length") << code << "5" << false;
        QTest::newRow("longer") << code << "8" << false;
        QTest::newRow("smaller precision") << price << "8" << true;
        QTest::newRow("larger scale, same precision") << price << "9,4" << true;
        QTest::newRow("larger scale, fewer digits before the point") << price << "10,4" << true;
        QTest::newRow("larger scale, as many digits before the point") << price << "11,4" << false;
        QTest::newRow("nothing composed, nothing said") << price << "9,1" << false;
    }
    void shrinkSaidBeforeCommit()
    {
        QFETCH(FieldDef, column);
        QFETCH(QString, typed);
        QFETCH(bool, said);
        QCOMPARE(!sizeShrinkNote(column, typed).isEmpty(), said);
    }

    void nullableKeyFieldsSaid()
    {
        QCOMPARE(nullableKeyNote({}), QString());
        QCOMPARE(nullableKeyNote({"C"}), QString("C allows NULL: Firebird 3 refuses a primary key on it whatever the data"));
        QCOMPARE(nullableKeyNote({"C", "Note"}),
                 QString("C, Note allow NULL: Firebird 3 refuses a primary key on them whatever the data"));
    }

    void sizeTextStartsWithTheCurrentSize_data()
    {
        QTest::addColumn<FieldDef>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("string: its characters") << field("F", FieldKind::String, "VARCHAR(35)") << "35";
        QTest::newRow("decimal with places: precision and scale") << field("F", FieldKind::Bcd, "NUMERIC(9,2)") << "9,2";
        QTest::newRow("decimal without places: precision") << field("F", FieldKind::Bcd, "DECIMAL(10,0)") << "10";
    }
    void sizeTextStartsWithTheCurrentSize()
    {
        QFETCH(FieldDef, column);
        QFETCH(QString, text);
        QCOMPARE(sizeTextOf(column), text);
        // The text it starts with composes a statement that changes nothing.
        QVERIFY(!composeSizeChange("T", column, text).isEmpty());
    }
};

QTEST_GUILESS_MAIN(KeyStatementsTest)
#include "tst_keystatements.moc"
