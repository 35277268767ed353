// Role grants, table privilege statements and the queries of the permission
// screens, without a database.
#include "security/PermissionQueries.h"
#include "security/PermissionStatements.h"
#include "security/RoleGrantStatements.h"

#include <QtTest>

class GrantStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void commaText_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing selected") << QStringList() << "";
        QTest::newRow("joined without blanks") << QStringList({"ALL", "SELECT"}) << "ALL,SELECT";
        QTest::newRow("one empty item alone") << QStringList({""}) << "\"\"";
        QTest::newRow("empty item among others stays bare") << QStringList({"A", "", "B"}) << "A,,B";
        QTest::newRow("blank, comma, control character quoted")
            << QStringList({"My Table", "A,B", "T\tX"}) << "\"My Table\",\"A,B\",\"T\tX\"";
        QTest::newRow("double quote doubled inside quotes") << QStringList({"say\"hi"}) << "\"say\"\"hi\"";
        QTest::newRow("lower case and single quote left bare") << QStringList({"orders", "O'Neil"}) << "orders,O'Neil";
    }
    void commaText()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, expected);
        QCOMPARE(::commaText(items), expected);
    }

    void identifierCommaText_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain names bare") << QStringList({"T1", "RDB$ADMIN", "MY_TABLE"}) << "T1,RDB$ADMIN,MY_TABLE";
        QTest::newRow("lower case kept apart from its upper-case twin")
            << QStringList({"orders", "ORDERS"}) << "\"orders\",ORDERS";
        QTest::newRow("blank kept inside one name") << QStringList({"My Table"}) << "\"My Table\"";
        QTest::newRow("single quote needs double quotes") << QStringList({"O'Brien"}) << "\"O'Brien\"";
        QTest::newRow("reserved word quoted") << QStringList({"ORDER"}) << "\"ORDER\"";
        QTest::newRow("one empty name") << QStringList({""}) << "\"\"";
        QTest::newRow("nothing selected") << QStringList() << "";
    }
    void identifierCommaText()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, expected);
        QCOMPARE(::identifierCommaText(names), expected);
    }

    void permissionStatement_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("privileges");
        QTest::addColumn<QString>("tables");
        QTest::addColumn<QString>("grantees");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grant") << 0 << "SELECT,UPDATE" << "T1,T2" << "U1,U2" << "GRANT SELECT,UPDATE ON T1,T2 TO U1,U2;";
        QTest::newRow("revoke") << 1 << "SELECT,UPDATE" << "T1" << "U1,U2" << "REVOKE SELECT,UPDATE ON T1 FROM U1,U2;";
        QTest::newRow("empty parts kept, two blanks after GRANT") << 0 << "" << "T1" << "" << "GRANT  ON T1 TO ;";
    }
    void permissionStatement()
    {
        QFETCH(int, mode);
        QFETCH(QString, privileges);
        QFETCH(QString, tables);
        QFETCH(QString, grantees);
        QFETCH(QString, expected);
        QCOMPARE(BuildPermissionSQL(grantModeOf(mode), privileges, tables, grantees), expected);
    }

    void roleGrantStatement_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("roles");
        QTest::addColumn<QStringList>("users");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grant, no blanks, no semicolon")
            << 0 << QStringList({"R1", "R2"}) << QStringList({"U1", "U2"}) << "GRANT R1,R2 TO U1,U2";
        QTest::newRow("revoke") << 1 << QStringList({"R1", "R2"}) << QStringList({"U1", "U2"})
                                << "REVOKE R1,R2 FROM U1,U2";
        QTest::newRow("role with a blank stays one name")
            << 0 << QStringList({"Sales Team", "R1"}) << QStringList({"U1"}) << "GRANT \"Sales Team\",R1 TO U1";
        QTest::newRow("lower-case user quoted") << 0 << QStringList({"R1"}) << QStringList({"anna"})
                                                << "GRANT R1 TO \"anna\"";
    }
    void roleGrantStatement()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, roles);
        QFETCH(QStringList, users);
        QFETCH(QString, expected);
        QCOMPARE(BuildRoleGrantSQL(grantModeOf(mode), roles, users), expected);
    }

    void roleGrantNames_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none selected: the current item") << QStringList() << "U1" << QStringList({"U1"});
        QTest::newRow("one selected: the current item, even another")
            << QStringList({"U1"}) << "U2" << QStringList({"U2"});
        QTest::newRow("two selected: the selection in list order")
            << QStringList({"U1", "U3"}) << "U2" << QStringList({"U1", "U3"});
    }
    void roleGrantNames()
    {
        QFETCH(QStringList, selected);
        QFETCH(QString, current);
        QFETCH(QStringList, expected);
        QCOMPARE(::roleGrantNames(selected, current), expected);
    }

    void queries_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        QTest::newRow("membership roles") << memberRolesQuery() << "SELECT RDB$ROLE_NAME FROM RDB$ROLES;";
        QTest::newRow("membership users")
            << memberUsersQuery()
            << "SELECT DISTINCT RDB$USER\r\nFROM RDB$USER_PRIVILEGES\r\nWHERE RDB$USER NOT IN(\r\n"
               "  SELECT RDB$ROLE_NAME\r\n  FROM RDB$ROLES);";
        QTest::newRow("permission users, no semicolon")
            << granteeUsersQuery()
            << "SELECT DISTINCT RDB$USER\r\nFROM RDB$USER_PRIVILEGES\r\nWHERE RDB$USER NOT IN(\r\n"
               "  SELECT RDB$ROLE_NAME\r\n  FROM RDB$ROLES)";
        QTest::newRow("permission roles on show") << granteeRolesQueryOnShow() << "SELECT RDB$ROLE_NAME From RDB$ROLES;";
        QTest::newRow("permission roles on switch") << granteeRolesQueryOnSwitch() << "SELECT RDB$ROLE_NAME\r\nFROM RDB$ROLES";
        QTest::newRow("roles of a user, quote doubled")
            << rolesOfUserQuery("O'Brien")
            << "SELECT DISTINCT RDB$RELATION_NAME \r\nFROM RDB$USER_PRIVILEGES \r\n"
               "WHERE RDB$USER = 'O''Brien' AND \r\nRDB$PRIVILEGE = 'M'";
        QTest::newRow("grantees of a role")
            << granteesOfRoleQuery("R1")
            << "SELECT RDB$USER \r\nFROM RDB$USER_PRIVILEGES \r\nWHERE RDB$RELATION_NAME = 'R1';";
        QTest::newRow("grantees of a table, quote doubled")
            << granteesOfTableQuery("O'Neil")
            << "SELECT DISTINCT RDB$USER FROM RDB$USER_PRIVILEGES WHERE RDB$RELATION_NAME = 'O''Neil'";
        QTest::newRow("tables of a grantee")
            << tablesOfGranteeQuery("U1")
            << "SELECT DISTINCT RDB$RELATION_NAME FROM RDB$USER_PRIVILEGES WHERE (RDB$USER = 'U1') "
               "AND (RDB$PRIVILEGE <> 'M')";
        QTest::newRow("privileges on a table, both names' quotes doubled")
            << privilegesOnTableQuery("O'Brien", "it's")
            << "SELECT \r\n  CASE RDB$PRIVILEGE \r\n    WHEN 'S' THEN 'SELECT' \r\n    WHEN 'D' THEN 'DELETE' \r\n"
               "    WHEN 'I' THEN 'INSERT' \r\n    WHEN 'U' THEN 'UPDATE' \r\n    WHEN 'R' THEN 'REFERENCE' \r\n"
               "    ELSE 'unknown'\r\n  END \r\nFROM RDB$USER_PRIVILEGES \r\n"
               "WHERE (RDB$USER = 'O''Brien') AND (RDB$RELATION_NAME = 'it''s');";
    }
    void queries()
    {
        QFETCH(QString, query);
        QFETCH(QString, expected);
        QCOMPARE(query, expected);
    }
};

QTEST_GUILESS_MAIN(GrantStatementsTest)
#include "tst_grantstatements.moc"
