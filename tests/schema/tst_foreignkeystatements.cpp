// Foreign key statements, catalogue queries and the name rule, without a database.
#include "schema/ForeignKeyName.h"
#include "schema/ForeignKeyStatements.h"

#include <QtTest>

class ForeignKeyStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void statement_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("onDelete");
        QTest::addColumn<QString>("onUpdate");
        QTest::addColumn<QString>("expected");

        QTest::newRow("create: blank before every CR LF, none at the end")
            << "Create Foreign Key" << "FK_ORD_CUST" << "CASCADE" << "SET NULL"
            << "ALTER TABLE ORDERS ADD CONSTRAINT FK_ORD_CUST FOREIGN KEY(CUST_ID) \r\n"
               "REFERENCES CUSTOMERS(ID) \r\n"
               "ON DELETE CASCADE \r\n"
               "ON UPDATE SET NULL";
        QTest::newRow("create before a name is typed: two blanks after ADD CONSTRAINT")
            << "Create Foreign Key" << "" << "SET DEFAULT" << "CASCADE"
            << "ALTER TABLE ORDERS ADD CONSTRAINT  FOREIGN KEY(CUST_ID) \r\n"
               "REFERENCES CUSTOMERS(ID) \r\n"
               "ON DELETE SET DEFAULT \r\n"
               "ON UPDATE CASCADE";
        QTest::newRow("remove: one line naming the constraint, rules ignored")
            << "Remove Foreign Key" << "IGNORED" << "CASCADE" << "CASCADE"
            << "ALTER TABLE ORDERS DROP CONSTRAINT ID";
        QTest::newRow("neutral caption composes nothing")
            << "Create/Remove Foreign Key" << "FK_ORD_CUST" << "CASCADE" << "CASCADE" << "";
        QTest::newRow("caption compared exactly, case included")
            << "create foreign key" << "FK_ORD_CUST" << "CASCADE" << "CASCADE" << "";
    }
    void statement()
    {
        QFETCH(QString, mode);
        QFETCH(QString, name);
        QFETCH(QString, onDelete);
        QFETCH(QString, onUpdate);
        QFETCH(QString, expected);
        const ForeignKeyChoices choices{mode, name, onDelete, onUpdate};
        QCOMPARE(BuildForeignKeySQL(choices, "ORDERS", "CUST_ID", "CUSTOMERS", "ID"), expected);
    }

    // Names read from the database are quoted when they are not plain; the
    // name being created goes in as typed.
    void namesFromTheDatabaseQuotedTheTypedNameNot()
    {
        const ForeignKeyChoices choices{"Create Foreign Key", "fk_Mixed", "CASCADE", "CASCADE"};
        QCOMPARE(BuildForeignKeySQL(choices, "Orders", "cust id", "ORDER", "Id"),
                 QString("ALTER TABLE \"Orders\" ADD CONSTRAINT fk_Mixed FOREIGN KEY(\"cust id\") \r\n"
                         "REFERENCES \"ORDER\"(\"Id\") \r\n"
                         "ON DELETE CASCADE \r\n"
                         "ON UPDATE CASCADE"));
        const ForeignKeyChoices removing{"Remove Foreign Key", "", "", ""};
        QCOMPARE(BuildForeignKeySQL(removing, "O'Brien", "", "", "fk \"low\""),
                 QString("ALTER TABLE \"O'Brien\" DROP CONSTRAINT \"fk \"\"low\"\"\""));
        QCOMPARE(fieldProbeQuery("My Table", "Note"), QString("SELECT \"Note\" FROM \"My Table\""));
    }

    void catalogueQueries_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        QTest::newRow("keys of a table, ending in a line break")
            << foreignKeysOfTableQuery("ORDERS")
            << "SELECT RDB$CONSTRAINT_NAME\r\nFROM RDB$RELATION_CONSTRAINTS\r\n"
               "WHERE RDB$CONSTRAINT_TYPE='FOREIGN KEY' AND\r\nRDB$RELATION_NAME='ORDERS'\r\n";
        QTest::newRow("keys of a table whose name holds a quote")
            << foreignKeysOfTableQuery("O'NEIL")
            << "SELECT RDB$CONSTRAINT_NAME\r\nFROM RDB$RELATION_CONSTRAINTS\r\n"
               "WHERE RDB$CONSTRAINT_TYPE='FOREIGN KEY' AND\r\nRDB$RELATION_NAME='O''NEIL'\r\n";
        QTest::newRow("referenced key")
            << referencedKeyQuery("FK_ORD_CUST")
            << "SELECT RDB$CONST_NAME_UQ\r\nFROM RDB$REF_CONSTRAINTS\r\nWHERE RDB$CONSTRAINT_NAME='FK_ORD_CUST'";
        QTest::newRow("referenced key of a constraint holding quotes")
            << referencedKeyQuery("FK'A'")
            << "SELECT RDB$CONST_NAME_UQ\r\nFROM RDB$REF_CONSTRAINTS\r\nWHERE RDB$CONSTRAINT_NAME='FK''A'''";
        QTest::newRow("owner of a key")
            << constraintTableQuery("INTEG_2")
            << "SELECT RDB$RELATION_NAME\r\nFROM RDB$RELATION_CONSTRAINTS\r\nWHERE RDB$CONSTRAINT_NAME='INTEG_2'";
        QTest::newRow("owner of a key holding a quote")
            << constraintTableQuery("PK'X")
            << "SELECT RDB$RELATION_NAME\r\nFROM RDB$RELATION_CONSTRAINTS\r\nWHERE RDB$CONSTRAINT_NAME='PK''X'";
        QTest::newRow("type probe, names as they stand")
            << fieldProbeQuery("ORDERS", "CUST_ID") << "SELECT CUST_ID FROM ORDERS";
    }
    void catalogueQueries()
    {
        QFETCH(QString, query);
        QFETCH(QString, expected);
        QCOMPARE(query, expected);
    }

    void nameRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inner space") << "my fk" << "my_fk";
        QTest::newRow("leading space trimmed") << " abc" << "abc";
        QTest::newRow("leading underscores removed one by one") << "__fk" << "fk";
        QTest::newRow("one space cleared") << " " << "";
        QTest::newRow("blanks only cleared") << "   " << "";
        QTest::newRow("trailing space kept as underscore") << "fk " << "fk_";
        QTest::newRow("trimmed, then inner space") << "  a b  " << "a_b";
        QTest::newRow("underscore then space then name") << "_ x" << "x";
        QTest::newRow("letters keep their case") << "My Fk" << "My_Fk";
        QTest::newRow("empty stays empty") << "" << "";
    }
    void nameRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(normaliseForeignKeyName(typed), expected);
    }
};

QTEST_GUILESS_MAIN(ForeignKeyStatementsTest)
#include "tst_foreignkeystatements.moc"
