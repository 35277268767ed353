#include "session/SqlText.h"

#include <QTest>

// The naming rules every screen writes statements with.
class TestSqlText : public QObject {
    Q_OBJECT
private slots:
    void identifiers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain upper case stays bare") << "ORDERS" << "ORDERS";
        QTest::newRow("digits, underscore and dollar") << "T_1$X" << "T_1$X";
        QTest::newRow("lower case") << "orders" << "\"orders\"";
        QTest::newRow("mixed case") << "Orders" << "\"Orders\"";
        QTest::newRow("blank inside") << "My Table" << "\"My Table\"";
        QTest::newRow("reserved word") << "ORDER" << "\"ORDER\"";
        QTest::newRow("leading digit") << "1T" << "\"1T\"";
        QTest::newRow("leading underscore") << "_T" << "\"_T\"";
        QTest::newRow("single quote") << "O'BRIEN" << "\"O'BRIEN\"";
        QTest::newRow("double quote doubled") << "A\"B" << "\"A\"\"B\"";
        QTest::newRow("non-ASCII letter") << QString::fromUtf8("GRÖSSE") << QString::fromUtf8("\"GRÖSSE\"");
        QTest::newRow("empty") << "" << "\"\"";
    }
    void identifiers()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QCOMPARE(sqlIdentifier(name), written);
    }

    void typedNamesOfListedObjects_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("written");
        QTest::newRow("same name") << "MANAGER" << "MANAGER" << "MANAGER";
        QTest::newRow("lower case typed for a plain name stays as typed") << "manager" << "MANAGER" << "manager";
        QTest::newRow("picked lower-case name") << "sales" << "sales" << "\"sales\"";
        QTest::newRow("typed case differs from a quoted name") << "Sales" << "sales" << "\"sales\"";
        QTest::newRow("picked name with a blank") << "sales team" << "sales team" << "\"sales team\"";
        QTest::newRow("reserved word") << "order" << "ORDER" << "\"ORDER\"";
        // The Kelvin sign matches K when case is ignored, but the server does not read it as K.
        QTest::newRow("non-ASCII letter that matches ignoring case")
            << QString::fromUtf8("\u212AEY") << "KEY" << "KEY";
    }
    void typedNamesOfListedObjects()
    {
        QFETCH(QString, typed);
        QFETCH(QString, listed);
        QFETCH(QString, written);
        QCOMPARE(sqlIdentifierFor(typed, listed), written);
    }

    void literals_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "abc" << "'abc'";
        QTest::newRow("quote doubled") << "it's" << "'it''s'";
        QTest::newRow("two quotes") << "''" << "''''''";
        QTest::newRow("empty") << "" << "''";
    }
    void literals()
    {
        QFETCH(QString, value);
        QFETCH(QString, written);
        QCOMPARE(sqlQuoted(value), written);
    }

    void lookups_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("exact match after a case twin") << QStringList{"ORDERS", "orders"} << "orders" << 1;
        QTest::newRow("exact match before a case twin") << QStringList{"ORDERS", "orders"} << "ORDERS" << 0;
        QTest::newRow("case ignored when no exact match") << QStringList{"A", "MANAGER"} << "manager" << 1;
        QTest::newRow("first of several case matches") << QStringList{"Sales", "SALES"} << "sales" << 0;
        QTest::newRow("no match") << QStringList{"A"} << "B" << -1;
        QTest::newRow("empty list") << QStringList{} << "A" << -1;
    }
    void lookups()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, name);
        QFETCH(int, index);
        QCOMPARE(int(indexOfName(names, name)), index);
    }
};

QTEST_GUILESS_MAIN(TestSqlText)
#include "tst_sqltext.moc"
