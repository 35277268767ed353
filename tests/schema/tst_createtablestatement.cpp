// Table statements and name rules, without a database.
#include "schema/CreateTableStatement.h"
#include "schema/TableNameRules.h"

#include <QtTest>

Q_DECLARE_METATYPE(QList<FieldDefinition>)

namespace {

FieldDefinition field(const QString &name, const QString &type, bool nullable, bool key, const QString &precision = {})
{
    FieldDefinition f;
    f.name = name;
    f.type = type;
    f.nullable = nullable;
    f.primaryKey = key;
    f.precision = precision;
    return f;
}

}

class CreateTableStatementTest : public QObject {
    Q_OBJECT

private slots:
    void composesCreateTable_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QList<FieldDefinition>>("fields");
        QTest::addColumn<QString>("keyName");
        QTest::addColumn<QString>("expected");

        const QList<FieldDefinition> customer = {field("ID", "INTEGER", false, true),
                                                 field("NAME", "VARCHAR", true, false, "35")};
        const QList<FieldDefinition> unkeyed = {field("ID", "INTEGER", false, false),
                                                field("NAME", "VARCHAR", true, false, "35")};
        QTest::newRow("unnamed key") << "CUSTOMER" << customer << ""
                                     << "CREATE TABLE CUSTOMER (ID INTEGER Not Null, NAME VARCHAR(35) , Primary Key (ID))";
        QTest::newRow("named key upper-cased") << "CUSTOMER" << customer << "pk_cust"
                                               << "CREATE TABLE CUSTOMER (ID INTEGER Not Null, NAME VARCHAR(35) ,  "
                                                  "CONSTRAINT PK_CUST Primary Key (ID))";
        QTest::newRow("no key ignores the key name") << "CUSTOMER" << unkeyed << "pk_cust"
                                                     << "CREATE TABLE CUSTOMER (ID INTEGER Not Null, NAME VARCHAR(35) )";
        QTest::newRow("key fields in grid order") << "T"
                                                  << QList<FieldDefinition>{field("B", "INTEGER", false, true),
                                                                            field("X", "DATE", true, false),
                                                                            field("A", "BIGINT", false, true)}
                                                  << ""
                                                  << "CREATE TABLE T (B INTEGER Not Null, X DATE , A BIGINT Not Null, "
                                                     "Primary Key (B,A))";
        QTest::newRow("decimal precision as given") << "T" << QList<FieldDefinition>{field("D", "DECIMAL", false, false, "10,4")}
                                                    << "" << "CREATE TABLE T (D DECIMAL(10,4) Not Null)";
        QTest::newRow("two-word type, nullable last") << "T"
                                                      << QList<FieldDefinition>{field("F", "DOUBLE PRECISION", true, false)}
                                                      << "" << "CREATE TABLE T (F DOUBLE PRECISION )";
        QTest::newRow("key name keeps non-ascii letters") << "T"
                                                          << QList<FieldDefinition>{field("ID", "INTEGER", false, true)}
                                                          << "pk_é" << "CREATE TABLE T (ID INTEGER Not Null,  CONSTRAINT PK_é "
                                                                      "Primary Key (ID))";
    }
    void composesCreateTable()
    {
        QFETCH(QString, table);
        QFETCH(QList<FieldDefinition>, fields);
        QFETCH(QString, keyName);
        QFETCH(QString, expected);
        QCOMPARE(composeCreateTable(table, fields, keyName), expected);
    }

    void composesDropTable()
    {
        QCOMPARE(composeDropTable("CUSTOMER"), QString("DROP TABLE CUSTOMER"));
        QCOMPARE(composeDropTable("My Table"), QString("DROP TABLE \"My Table\""));
        QCOMPARE(composeDropTable("CUSTOMER", "customer"), QString("DROP TABLE customer"));
        QCOMPARE(composeDropTable("orders", "ORDERS_"), QString("DROP TABLE \"orders\""));
    }

    // The first failing check wins, in the order the user is told about them.
    void fieldInputChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("precision");
        QTest::addColumn<QStringList>("defined");
        QTest::addColumn<QStringList>("problem");

        const QStringList none;
        QTest::newRow("no type") << "A" << "" << "35" << QStringList{"A"} << QStringList{"Must select a field type"};
        QTest::newRow("varchar without length before duplicate")
            << "A" << "VARCHAR" << "" << QStringList{"A"} << QStringList{"Must enter precicion value for VARCHAR"};
        QTest::newRow("varchar letters") << "A" << "VARCHAR" << "abc" << none << QStringList{"Invalid precicion value"};
        QTest::newRow("varchar fraction") << "A" << "VARCHAR" << "3.5" << none << QStringList{"Invalid precicion value"};
        QTest::newRow("varchar bare sign") << "A" << "VARCHAR" << "-" << none << QStringList{"Invalid precicion value"};
        QTest::newRow("varchar beyond int") << "A" << "VARCHAR" << "99999999999" << none
                                            << QStringList{"Invalid precicion value"};
        QTest::newRow("varchar zero") << "A" << "VARCHAR" << "0" << none
                                      << QStringList{"Precision value must be greater than 0"};
        QTest::newRow("varchar negative") << "A" << "VARCHAR" << "-5" << none
                                          << QStringList{"Precision value must be greater than 0"};
        QTest::newRow("varchar leading zero") << "A" << "VARCHAR" << "035" << none << none;
        QTest::newRow("varchar plus sign") << "A" << "VARCHAR" << "+7" << none << none;
        QTest::newRow("decimal without precision")
            << "A" << "DECIMAL" << "" << none << QStringList{"Must enter precicion value for Decimal", "eg. '10,4'"};
        QTest::newRow("decimal letters") << "A" << "DECIMAL" << "ten" << none << QStringList{"Invalid precicion value"};
        QTest::newRow("decimal text closing the type early")
            << "A" << "DECIMAL" << "10,2), EXTRA VARCHAR(5" << none << QStringList{"Invalid precicion value"};
        QTest::newRow("decimal precision and scale") << "A" << "DECIMAL" << "10,4" << none << none;
        QTest::newRow("decimal precision only") << "A" << "DECIMAL" << "18" << none << none;
        QTest::newRow("decimal scale without precision") << "A" << "DECIMAL" << ",4" << none
                                                         << QStringList{"Invalid precicion value"};
        QTest::newRow("char ignores precision") << "A" << "CHAR" << "abc" << none << none;
        QTest::newRow("duplicate in another case") << "id" << "INTEGER" << "" << QStringList{"ID"}
                                                   << QStringList{"Field is already defined"};
    }
    void fieldInputChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QString, precision);
        QFETCH(QStringList, defined);
        QFETCH(QStringList, problem);
        QCOMPARE(fieldInputProblem(FieldInput{name, type, false, false, precision}, defined), problem);
    }

    void definitionKeepsPrecisionOnlyForDecimalAndVarchar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("precision");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("storedPrecision");
        QTest::newRow("varchar leading zero") << "Name" << "VARCHAR" << "035" << "NAME" << "35";
        QTest::newRow("varchar plus sign") << "n" << "VARCHAR" << "+7" << "N" << "7";
        QTest::newRow("decimal as typed") << "amount" << "DECIMAL" << "10,4" << "AMOUNT" << "10,4";
        QTest::newRow("char drops size") << "c" << "CHAR" << "20" << "C" << "";
        QTest::newRow("numeric drops size") << "n" << "NUMERIC" << "10,4" << "N" << "";
        QTest::newRow("only a to z upper-cased") << "größe_x" << "INTEGER" << "" << "GRößE_X" << "";
    }
    void definitionKeepsPrecisionOnlyForDecimalAndVarchar()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QString, precision);
        QFETCH(QString, storedName);
        QFETCH(QString, storedPrecision);
        const FieldDefinition f = defineField(FieldInput{name, type, true, true, precision});
        QCOMPARE(f.name, storedName);
        QCOMPARE(f.type, type);
        QCOMPARE(f.precision, storedPrecision);
        QVERIFY(f.nullable);
        QVERIFY(f.primaryKey);
    }

    void typedNamesSettle_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("settled");
        QTest::newRow("inner space") << "my table" << "my_table";
        QTest::newRow("leading underscore") << "_x" << "x";
        QTest::newRow("leading underscores one by one") << "___x" << "x";
        QTest::newRow("leading space trimmed") << " abc " << "abc";
        QTest::newRow("space after underscore") << "_ _a b" << "a_b";
        QTest::newRow("only blanks") << "   " << "";
        QTest::newRow("case kept") << "MixedCase" << "MixedCase";
        QTest::newRow("trailing space kept as underscore") << "ab " << "ab_";
    }
    void typedNamesSettle()
    {
        QFETCH(QString, typed);
        QFETCH(QString, settled);
        QCOMPARE(settledName(typed), settled);
    }

    // Each rewrite is one step; the edit's handler runs again for the next.
    void oneRewriteAtATime()
    {
        QCOMPARE(nextNameRewrite(" _x"), QString("_x"));
        QCOMPARE(nextNameRewrite("_ x"), QString(" x"));
        QCOMPARE(nextNameRewrite("x"), QString("x"));
    }
};

QTEST_GUILESS_MAIN(CreateTableStatementTest)
#include "tst_createtablestatement.moc"
