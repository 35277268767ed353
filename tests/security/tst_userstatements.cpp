// The user statements, composed from plain values.
#include "security/UserStatements.h"

#include <QTest>

class UserStatementsTest : public QObject {
    Q_OBJECT
private slots:
    void nameClauses_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("clauses");
        QTest::newRow("none") << "" << "" << "" << "";
        QTest::newRow("first only") << "Ann" << "" << "" << " FIRSTNAME 'Ann'";
        QTest::newRow("all three in order") << "Ann" << "B" << "Cole" << " FIRSTNAME 'Ann' MIDDLENAME 'B' LASTNAME 'Cole'";
        QTest::newRow("middle and last without first") << "" << "B" << "Cole" << " MIDDLENAME 'B' LASTNAME 'Cole'";
        QTest::newRow("quotes doubled") << "O'Brien" << "" << "D'Arcy" << " FIRSTNAME 'O''Brien' LASTNAME 'D''Arcy'";
    }
    void nameClauses()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, clauses);
        QCOMPARE(BuildNameClauses(first, middle, last), clauses);
    }

    void userStatements_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("create, shown") << createUserStatement("ann", "***", " FIRSTNAME 'Ann'", true)
                                       << "CREATE USER ann PASSWORD '***' FIRSTNAME 'Ann';";
        QTest::newRow("create, executed") << createUserStatement("ann", "it's", " FIRSTNAME 'Ann'", false)
                                          << "CREATE USER ann PASSWORD 'it''s' FIRSTNAME 'Ann'";
        QTest::newRow("drop") << dropUserStatement("\"ann\"") << "DROP USER \"ann\";";
        QTest::newRow("alter, two blanks before SET and before the clauses")
            << alterUserStatement("ANN", "p'w", " LASTNAME 'Cole'") << "ALTER USER ANN  SET PASSWORD 'p''w'  LASTNAME 'Cole';";
        QTest::newRow("alter, empty password and no names") << alterUserStatement("ANN", "", "")
                                                            << "ALTER USER ANN  SET PASSWORD '' ;";
        QTest::newRow("access grant") << accessGrantStatement("ann", false)
                                      << "GRANT SELECT ON RDB$USER_PRIVILEGES TO ann;";
        QTest::newRow("access grant with grant option")
            << accessGrantStatement("ann", true) << "GRANT SELECT ON RDB$USER_PRIVILEGES TO ann WITH GRANT OPTION;";
        QTest::newRow("table grant, name trimmed") << tableGrantStatement("ORDERS  ", "ann", false)
                                                   << "GRANT ALL ON ORDERS TO ann;";
        QTest::newRow("table grant, quoted table, grant option")
            << tableGrantStatement("My Table", "ann", true) << "GRANT ALL ON \"My Table\" TO ann WITH GRANT OPTION;";
        QTest::newRow("table grant before a name is typed") << tableGrantStatement("ORDERS", "", false)
                                                            << "GRANT ALL ON ORDERS TO ;";
        QTest::newRow("revoke") << revokeAllStatement("ann") << "REVOKE ALL ON ALL FROM ann";
    }
    void userStatements()
    {
        QFETCH(QString, statement);
        QFETCH(QString, expected);
        QCOMPARE(statement, expected);
    }
};

QTEST_GUILESS_MAIN(UserStatementsTest)
#include "tst_userstatements.moc"
