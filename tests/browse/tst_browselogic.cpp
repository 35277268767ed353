// The browser's and the console's pure logic: statement reading, the
// statements handed over, and the columnar store of results.
#include "browse/ConsoleStatement.h"
#include "browse/ObjectStatements.h"
#include "browse/ResultStore.h"

#include <QtTest>

class BrowseLogicTest : public QObject {
    Q_OBJECT

private slots:
    void trimsEveryControlCharacterButKeepsOthers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("two blank lines before") << "\r\n\r\nselect 1" << "select 1";
        QTest::newRow("tabs and blanks after") << "UPDATE T SET X = 1 \t \n" << "UPDATE T SET X = 1";
        QTest::newRow("other control characters") << QString("\x01\x1f select a\x07") << "select a";
        QTest::newRow("inner line breaks kept") << " SELECT *\r\nFROM T " << "SELECT *\r\nFROM T";
        QTest::newRow("no-break space is no blank") << QString::fromUtf16(u"\u00a0select") << QString::fromUtf16(u"\u00a0select");
        QTest::newRow("only blanks") << " \r\n\t" << "";
    }
    void trimsEveryControlCharacterButKeepsOthers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, trimmed);
        QCOMPARE(console::trimStatement(typed), trimmed);
    }

    void onlyTheFirstSixCharactersDecideAQuery_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<bool>("query");
        QTest::newRow("lower case") << "select rdb$relation_id from RDB$DATABASE" << true;
        QTest::newRow("mixed case") << "Select 1 from rdb$database" << true;
        QTest::newRow("longer word") << "SELECTED" << true;
        QTest::newRow("with clause") << "WITH X AS (SELECT 1 A FROM RDB$DATABASE) SELECT A FROM X" << false;
        QTest::newRow("parenthesised") << "(SELECT 1 FROM RDB$DATABASE)" << false;
        QTest::newRow("leading comment") << "/* q */ SELECT 1 FROM RDB$DATABASE" << false;
        QTest::newRow("update") << "UPDATE T SET X = 1" << false;
        QTest::newRow("shorter than the word") << "SELEC" << false;
        QTest::newRow("only a-z upper-cased") << QString::fromUtf16(u"\u017felect 1") << false; // long s upper-cases to S
    }
    void onlyTheFirstSixCharactersDecideAQuery()
    {
        QFETCH(QString, statement);
        QFETCH(bool, query);
        QCOMPARE(console::runsAsQuery(statement), query);
    }

    void handedStatements_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("statement");
        QTest::newRow("table") << "TB" << "CUSTOMER" << "SELECT *\r\nFROM CUSTOMER";
        QTest::newRow("table name padded") << "TB" << "  CUSTOMER   " << "SELECT *\r\nFROM CUSTOMER";
        QTest::newRow("table named by a reserved word") << "TB" << "ORDER" << "SELECT *\r\nFROM \"ORDER\"";
        QTest::newRow("table needing quotes") << "TB" << "Order \"Lines\""
                                              << "SELECT *\r\nFROM \"Order \"\"Lines\"\"\"";
        QTest::newRow("procedure with trailing blanks")
            << "SP" << "GET_TOTAL                      "
            << "SELECT RDB$PROCEDURE_SOURCE\r\nFROM RDB$PROCEDURES\r\nWHERE RDB$PROCEDURE_NAME='GET_TOTAL'";
        QTest::newRow("procedure keeps leading blanks")
            << "SP" << " P " << "SELECT RDB$PROCEDURE_SOURCE\r\nFROM RDB$PROCEDURES\r\nWHERE RDB$PROCEDURE_NAME=' P'";
        QTest::newRow("procedure with a quote")
            << "SP" << "O'BRIEN" << "SELECT RDB$PROCEDURE_SOURCE\r\nFROM RDB$PROCEDURES\r\nWHERE RDB$PROCEDURE_NAME='O''BRIEN'";
        QTest::newRow("trigger trimmed both ends")
            << "TR" << " RDB$TRIGGER_1   " << "SELECT RDB$TRIGGER_SOURCE\r\nFrom RDB$TRIGGERS\r\nWHERE RDB$TRIGGER_NAME='RDB$TRIGGER_1'";
        QTest::newRow("trigger with a quote")
            << "TR" << "T'X" << "SELECT RDB$TRIGGER_SOURCE\r\nFrom RDB$TRIGGERS\r\nWHERE RDB$TRIGGER_NAME='T''X'";
    }
    void handedStatements()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, statement);
        const QString built = kind == "TB"   ? objects::tableStatement(name)
                              : kind == "SP" ? objects::procedureStatement(name)
                                             : objects::triggerStatement(name);
        QCOMPARE(built, statement);
    }

    void listQueries()
    {
        QCOMPARE(objects::procedureListQuery(), QString("SELECT RDB$PROCEDURE_NAME\r\nFROM RDB$PROCEDURES"));
        QCOMPARE(objects::triggerListQuery(), QString("SELECT RDB$TRIGGER_NAME\r\nFROM RDB$TRIGGERS"));
    }

    // Rows cross several blocks; every value comes back where it was put,
    // empty values as one blank.
    void storeKeepsEveryValueAcrossBlocks()
    {
        ResultStore store;
        store.reset({"ID", "NAME"});
        const int rows = 10000;
        for (int r = 0; r < rows; ++r) {
            store.valueBuffer(0).append(std::to_string(r));
            if (r % 3)
                store.valueBuffer(1).append(std::string(size_t(r % 50), 'x'));
            store.endRow();
        }
        QCOMPARE(store.rowCount(), int64_t(rows));
        QCOMPARE(store.columnName(1), std::string("NAME"));
        for (int r : {0, 1, 4095, 4096, 4097, 8191, 8192, 9999}) {
            QCOMPARE(store.value(0, r), std::string_view(std::to_string(r)));
            const std::string expected = r % 3 && r % 50 ? std::string(size_t(r % 50), 'x') : std::string(" ");
            QCOMPARE(std::string(store.value(1, r)), expected);
        }
        QVERIFY(store.value(0, rows).empty());
        QVERIFY(store.value(2, 0).empty());
    }

    void storeDropsAHalfAppendedRow()
    {
        ResultStore store;
        store.reset({"A", "B"});
        store.valueBuffer(0).append("kept");
        store.valueBuffer(1).append("too");
        store.endRow();
        store.valueBuffer(0).append("lost");
        store.discardRow();
        store.valueBuffer(0).append("next");
        store.valueBuffer(1).append("row");
        store.endRow();
        QCOMPARE(store.rowCount(), int64_t(2));
        QCOMPARE(store.value(0, 0), std::string_view("kept"));
        QCOMPARE(store.value(0, 1), std::string_view("next"));
        QCOMPARE(store.value(1, 1), std::string_view("row"));
    }

    // Memory: the text, offsets and little else, even for narrow values.
    void storeHoldsLittleBeyondItsText()
    {
        ResultStore store;
        store.reset({"C"});
        for (int r = 0; r < 100000; ++r) {
            store.valueBuffer(0).append("0123456789012345678901234567890123456789");
            store.endRow();
        }
        QVERIFY2(store.heldBytes() < store.textBytes() * 5 / 4,
                 qPrintable(QString("%1 held for %2").arg(store.heldBytes()).arg(store.textBytes())));
    }

    void storeWithoutColumnsCountsRows()
    {
        ResultStore store;
        store.reset({});
        store.endRow();
        store.endRow();
        QCOMPARE(store.columnCount(), 0);
        QCOMPARE(store.rowCount(), int64_t(2));
        QVERIFY(store.value(0, 0).empty());
    }
};

QTEST_GUILESS_MAIN(BrowseLogicTest)
#include "tst_browselogic.moc"
