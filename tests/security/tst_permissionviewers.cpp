// The three permission viewers, shown from the hand-over strings against a real Firebird database.
#include "security/ui/TFrmTbl4Role.h"
#include "security/ui/TFrmTblPerm.h"
#include "security/ui/TFrmUserPerm.h"
#include "session/TSQLQuery.h"
#include "tests/security/GrantsFixture.h"

#include <QtTest>

namespace {

const QStringList Setup = {
    "CREATE TABLE T1 (A INTEGER, B INTEGER)",
    "CREATE TABLE T2 (A INTEGER)",
    "CREATE TABLE \"O'Neil\" (A INTEGER)",
    "CREATE TABLE NOBODYS (A INTEGER)",
    "REVOKE ALL ON NOBODYS FROM SYSDBA",
    "CREATE ROLE R1",
    "CREATE ROLE R2",
    "GRANT SELECT ON T1 TO U1",
    "GRANT UPDATE (A, B) ON T1 TO U1",
    "GRANT SELECT ON T1 TO R1",
    "GRANT DELETE ON T2 TO R1",
    "GRANT R1 TO U1",
    "GRANT INSERT ON \"O'Neil\" TO \"O'Brien\"",
};

struct Viewers : GrantsFixture {
    using GrantsFixture::GrantsFixture;

    template <typename T> QStringList listed(const QString &name, const QString &mode, const QString &table = {})
    {
        context.session.SelectedName = name;
        context.session.PermViewMode = mode;
        context.session.SelectedTable = table;
        return list(&show<T>(), "LstUserPerm")->Items();
    }
};

std::unique_ptr<Viewers> viewers(const QStringList &setup = Setup)
{
    return std::make_unique<Viewers>(TestDatabase::embedded(setup));
}

QStringList sorted(QStringList items)
{
    items.sort();
    return items;
}

}

class PermissionViewersTest : public QObject {
    Q_OBJECT

private slots:
    void userPermLists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("instructions");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("grantees of a table") << "T1" << "TABLE" << "List of Users" << QStringList({"R1", "SYSDBA", "U1"});
        QTest::newRow("a table nobody holds privileges on") << "NOBODYS" << "TABLE" << "List of Users" << QStringList();
        QTest::newRow("a table named with a quote") << "O'Neil" << "TABLE" << "List of Users"
                                                    << QStringList({"O'Brien", "SYSDBA"});
        QTest::newRow("tables of a user, memberships left out")
            << "U1" << "USER" << "Click table name to view permissions." << QStringList({"T1"});
        QTest::newRow("tables of a grantee named with a quote")
            << "O'Brien" << "USER" << "Click table name to view permissions." << QStringList({"O'Neil"});
        QTest::newRow("an empty name finds nothing") << "" << "USER" << "Click table name to view permissions."
                                                     << QStringList();
    }
    void userPermLists()
    {
        QFETCH(QString, name);
        QFETCH(QString, mode);
        QFETCH(QString, instructions);
        QFETCH(QStringList, expected);
        auto v = viewers();
        QCOMPARE(sorted(v->listed<TFrmUserPerm>(name, mode)), expected);
        auto &screen = v->screens.get<TFrmUserPerm>();
        QCOMPARE(v->label(&screen, "LblInstructions"), instructions);
        QVERIFY(!v->context.session.connectionOpen());
        QCOMPARE(v->context.sink.errors, QStringList());
    }

    void tblPermLists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("update on two columns listed twice")
            << "U1" << "T1" << "USER" << QStringList({"SELECT", "UPDATE", "UPDATE"});
        QTest::newRow("owner's five") << "SYSDBA" << "T2" << "USER"
                                      << QStringList({"DELETE", "INSERT", "REFERENCE", "SELECT", "UPDATE"});
        QTest::newRow("both names with quotes") << "O'Brien" << "O'Neil" << "USER" << QStringList({"INSERT"});
        QTest::newRow("read only in user mode") << "U1" << "T1" << "TABLE" << QStringList();
    }
    void tblPermLists()
    {
        QFETCH(QString, name);
        QFETCH(QString, table);
        QFETCH(QString, mode);
        QFETCH(QStringList, expected);
        auto v = viewers();
        QCOMPARE(sorted(v->listed<TFrmTblPerm>(name, mode, table)), expected);
        const QString query = v->memo(&v->screens.get<TFrmTblPerm>(), "TxtSql");
        QCOMPARE(query.isEmpty(), mode != "USER");
        QVERIFY(!v->context.session.connectionOpen());
        QCOMPARE(v->context.sink.errors, QStringList());
    }

    void tbl4RoleShowsEachRoleAfresh()
    {
        auto v = viewers();
        QCOMPARE(sorted(v->listed<TFrmTbl4Role>("R1", "")), QStringList({"T1", "T2"}));
        auto &screen = v->screens.get<TFrmTbl4Role>();
        QCOMPARE(v->memo(&screen, "TxtSql"),
                 QString("SELECT DISTINCT RDB$RELATION_NAME FROM RDB$USER_PRIVILEGES WHERE (RDB$USER = 'R1') "
                         "AND (RDB$PRIVILEGE <> 'M')"));
        QCOMPARE(v->listed<TFrmTbl4Role>("R2", ""), QStringList());
        QCOMPARE(v->label(&screen, "LblInstructions"), QString("Click table name to view permissions."));

        v->listed<TFrmTbl4Role>("R1", "TABLE");
        ui::clickItem(v->list(&screen, "LstUserPerm"), "T2");
        QCOMPARE(v->context.session.SelectedTable, QString("T2"));
        QCOMPARE(v->context.session.PermViewMode, QString("USER"));
        QCOMPARE(v->list(&v->screens.get<TFrmTblPerm>(), "LstUserPerm")->Items(), QStringList({"DELETE"}));
        QCOMPARE(v->context.sink.errors, QStringList());
    }

    // The session's attachment is ended from outside: the failure is shown, the
    // role shown before is not left listed, and the next show reads again.
    void tbl4RoleReportsAReadFailure_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("embedded") << "embedded";
        QTest::newRow("server") << "server";
    }
    void tbl4RoleReportsAReadFailure()
    {
        QFETCH(QString, where);
        auto db = TestDatabase::make(where, Setup);
        if (!db->isValid())
            QSKIP("no loopback test server is running");
        Viewers v(std::move(db));
        QCOMPARE(sorted(v.listed<TFrmTbl4Role>("R1", "")), QStringList({"T1", "T2"}));

        TSQLQuery whoAmI(&v.context.session.connection());
        whoAmI.SQL = "SELECT CURRENT_CONNECTION FROM RDB$DATABASE";
        whoAmI.Open();
        const QString attachment = whoAmI.Fields(0).AsString();
        whoAmI.Close();
        v.db->exec({"DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID = " + attachment});

        QCOMPARE(v.listed<TFrmTbl4Role>("R1", ""), QStringList());
        QCOMPARE(v.context.sink.errors.size(), 1);
        const QString error = v.context.sink.errors.first();
        QVERIFY2(error.contains("shutdown", Qt::CaseInsensitive), qPrintable(error));

        QCOMPARE(sorted(v.listed<TFrmTbl4Role>("R1", "")), QStringList({"T1", "T2"}));
        QCOMPARE(v.context.sink.errors.size(), 1);
    }

    void userPermClickHandsTheTableOn()
    {
        auto v = viewers();
        v->listed<TFrmUserPerm>("R1", "USER");
        auto &screen = v->screens.get<TFrmUserPerm>();
        ui::clickItem(v->list(&screen, "LstUserPerm"), "T1");
        QCOMPARE(v->context.session.SelectedTable, QString("T1"));
        auto &grants = v->screens.get<TFrmTblPerm>();
        QVERIFY(grants.isVisible());
        QCOMPARE(v->list(&grants, "LstUserPerm")->Items(), QStringList({"SELECT"}));
        QCOMPARE(v->memo(&grants, "TxtSql"),
                 QString("SELECT \r\n  CASE RDB$PRIVILEGE \r\n    WHEN 'S' THEN 'SELECT' \r\n    WHEN 'D' THEN 'DELETE' \r\n"
                         "    WHEN 'I' THEN 'INSERT' \r\n    WHEN 'U' THEN 'UPDATE' \r\n    WHEN 'R' THEN 'REFERENCE' \r\n"
                         "    ELSE 'unknown'\r\n  END \r\nFROM RDB$USER_PRIVILEGES \r\n"
                         "WHERE (RDB$USER = 'R1') AND (RDB$RELATION_NAME = 'T1');"));
        QCOMPARE(v->shownNames(), QStringList({"TFrmUserPerm", "TFrmTblPerm"}));
    }
};

QTEST_MAIN(PermissionViewersTest)
#include "tst_permissionviewers.moc"
