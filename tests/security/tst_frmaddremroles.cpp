// The role screen driven by name against a real Firebird database.
#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "security/ui/TFrmAddRemRoles.h"
#include "session/TSQLConnection.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UiDriver.h"

#include <QPushButton>
#include <QtTest>

namespace {

// Twins that differ only by quoting, and a name that needs quoting.
const QStringList Roles = {"CREATE ROLE MANAGER", "CREATE ROLE \"sales\"", "CREATE ROLE SALES",
                           "CREATE ROLE \"sales team\"", "CREATE ROLE CLERK"};
const QStringList Listed = {"RDB$ADMIN", "MANAGER", "sales", "SALES", "sales team", "CLERK"};
const QString RolesInCatalogue = QStringLiteral("SELECT RDB$ROLE_NAME FROM RDB$ROLES ORDER BY RDB$ROLE_NAME");

struct RoleScreen {
    std::unique_ptr<TestDatabase> db;
    TestContext context;
    std::unique_ptr<TFrmAddRemRoles> screen;

    explicit RoleScreen(const QStringList &setup, bool connected = true) : db(TestDatabase::embedded(setup))
    {
        if (connected)
            context.session.SessionConnection = db->connect();
        screen = std::make_unique<TFrmAddRemRoles>(context);
        screen->resize(600, 400);
        context.screens.showModal(*screen);
    }

    TListBox *roles() { return ui::find<TListBox>(screen.get(), "LstRoles"); }
    TEdit *name() { return ui::find<TEdit>(screen.get(), "TxtRoleName"); }
    TEdit *statement() { return ui::find<TEdit>(screen.get(), "TxtSqlStatement"); }
    QPushButton *button() { return ui::find<QPushButton>(screen.get(), "CmdAddRemRole"); }
    QStringList selected()
    {
        QStringList names;
        for (int i = 0; i < roles()->count(); ++i) {
            if (roles()->item(i)->isSelected())
                names << roles()->item(i)->text();
        }
        return names;
    }
    QStringList catalogue() const { return db->column(RolesInCatalogue); }
};

// The names left once some are gone, in their order.
QStringList minus(QStringList names, const QStringList &gone)
{
    for (const QString &name : gone)
        names.removeAll(name);
    return names;
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

}

class FrmAddRemRolesTest : public QObject {
    Q_OBJECT

private slots:
    void showWithoutConnectionObjectRefusesToFill()
    {
        RoleScreen s(Roles, false);
        QCOMPARE(s.context.sink.messages,
                 QStringList({"Must select connection data first before you can\n\radd or remove any roles."}));
        QCOMPARE(s.roles()->count(), 0);
    }

    void firstShowListsRolesInServerOrder()
    {
        RoleScreen s(Roles);
        QCOMPARE(s.roles()->Items(), Listed);
        QCOMPARE(s.button()->text(), QString("Add/Remove Role"));
        QVERIFY(!s.button()->isEnabled());
        QCOMPARE(s.name()->text(), QString());
        QCOMPARE(s.statement()->text(), QString());
        QVERIFY(s.context.sink.errors.isEmpty());
    }

    void typedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("leading blanks trimmed, inner blank to underscore")
            << "  sales team" << "sales_team" << "CREATE ROLE sales_team" << "Add Role" << QStringList();
        QTest::newRow("leading underscore removed") << "_x" << "x" << "CREATE ROLE x" << "Add Role" << QStringList();
        QTest::newRow("two leading underscores removed") << "__x" << "x" << "CREATE ROLE x" << "Add Role" << QStringList();
        QTest::newRow("letter case kept") << "NewRole" << "NewRole" << "CREATE ROLE NewRole" << "Add Role" << QStringList();
        QTest::newRow("case ignored: manager selects MANAGER")
            << "manager" << "manager" << "DROP ROLE manager" << "Remove Role" << QStringList({"MANAGER"});
        QTest::newRow("exact twin first: sales selects the quoted one")
            << "sales" << "sales" << "DROP ROLE \"sales\"" << "Remove Role" << QStringList({"sales"});
        QTest::newRow("exact twin first: SALES selects its own")
            << "SALES" << "SALES" << "DROP ROLE SALES" << "Remove Role" << QStringList({"SALES"});
        QTest::newRow("case differs from a quoted name: the listed one is dropped as itself")
            << "Sales" << "Sales" << "DROP ROLE \"sales\"" << "Remove Role" << QStringList({"sales"});
    }
    void typedName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, statement);
        QFETCH(QString, caption);
        QFETCH(QStringList, selected);
        RoleScreen s(Roles);
        ui::type(s.name(), typed);
        QCOMPARE(s.name()->text(), name);
        QCOMPARE(s.statement()->text(), statement);
        QCOMPARE(s.button()->text(), caption);
        QVERIFY(s.button()->isEnabled());
        QCOMPARE(s.selected(), selected);
    }

    void statementTypedOverIsComposedAgain()
    {
        RoleScreen s(Roles);
        ui::type(s.name(), "clerk");
        ui::type(s.statement(), "DROP ROLE MANAGER");
        QCOMPARE(s.statement()->text(), QString("DROP ROLE clerk"));
    }

    void newNameClearsTheSelection()
    {
        RoleScreen s(Roles);
        ui::clickItem(s.roles(), "MANAGER");
        ui::clickItem(s.roles(), "CLERK");
        QCOMPARE(s.selected(), QStringList({"MANAGER", "CLERK"}));
        QVERIFY(!s.statement()->isEnabled());
        ui::type(s.name(), "auditor");
        QCOMPARE(s.selected(), QStringList());
        QCOMPARE(s.button()->text(), QString("Add Role"));
        QCOMPARE(s.statement()->text(), QString("CREATE ROLE auditor"));
    }

    void emptiedNameDisablesTheButton()
    {
        RoleScreen s(Roles);
        ui::type(s.name(), "auditor");
        s.name()->selectAll();
        QTest::keyClick(s.name(), Qt::Key_Delete);
        QVERIFY(!s.button()->isEnabled());
        QCOMPARE(s.button()->text(), QString("Add Role"));
        QCOMPARE(s.statement()->text(), QString("CREATE ROLE "));
    }

    void addCreatesTheTypedRole_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<bool>("closedFirst");
        QTest::newRow("button clicked") << false << false;
        QTest::newRow("Enter pressed in the name") << true << false;
        QTest::newRow("connection closed by another screen") << false << true;
    }
    void addCreatesTheTypedRole()
    {
        QFETCH(bool, byEnter);
        QFETCH(bool, closedFirst);
        RoleScreen s(Roles);
        if (closedFirst)
            s.context.session.SessionConnection->Close();
        ui::type(s.name(), "sales team 2");
        QCOMPARE(s.statement()->text(), QString("CREATE ROLE sales_team_2"));
        if (byEnter)
            QTest::keyClick(s.name(), Qt::Key_Return);
        else
            ui::click(s.button());
        QVERIFY(s.context.sink.errors.isEmpty());
        QVERIFY(s.catalogue().contains("SALES_TEAM_2"));
        // Shown again: the list re-read, the name emptied.
        QCOMPARE(s.roles()->Items(), Listed + QStringList{"SALES_TEAM_2"});
        QCOMPARE(s.name()->text(), QString());
        QCOMPARE(s.button()->text(), QString("Add Role"));
        QVERIFY(!s.button()->isEnabled());
        QCOMPARE(s.statement()->text(), QString("CREATE ROLE "));
    }

    void pickedRoleIsDroppedAsListed_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("statement");
        QTest::newRow("plain name, no semicolon") << "MANAGER" << "DROP ROLE MANAGER";
        QTest::newRow("quoted lower-case name beside its twin") << "sales" << "DROP ROLE \"sales\"";
        QTest::newRow("upper-case twin") << "SALES" << "DROP ROLE SALES";
        QTest::newRow("name with a blank, kept as listed") << "sales team" << "DROP ROLE \"sales team\"";
    }
    void pickedRoleIsDroppedAsListed()
    {
        QFETCH(QString, role);
        QFETCH(QString, statement);
        RoleScreen s(Roles);
        ui::clickItem(s.roles(), role);
        QCOMPARE(s.name()->text(), role);
        QCOMPARE(s.button()->text(), QString("Remove Role"));
        QCOMPARE(s.statement()->text(), statement);
        QVERIFY(s.statement()->isEnabled());
        ui::click(s.button());
        QVERIFY(s.context.sink.errors.isEmpty());
        QCOMPARE(s.catalogue(), sorted(minus(Listed, {role})));
        QCOMPARE(s.roles()->Items(), minus(Listed, {role}));
    }

    void severalSelectedRolesDropInListOrder()
    {
        RoleScreen s(Roles);
        // Clicked out of list order: the drops still follow the list.
        ui::clickItem(s.roles(), "CLERK");
        ui::clickItem(s.roles(), "sales");
        ui::clickItem(s.roles(), "MANAGER");
        QVERIFY(!s.statement()->isEnabled());
        ui::click(s.button());
        QVERIFY(s.context.sink.errors.isEmpty());
        QCOMPARE(s.catalogue(), sorted(minus(Listed, {"MANAGER", "sales", "CLERK"})));
        QCOMPARE(s.roles()->Items(), QStringList({"RDB$ADMIN", "SALES", "sales team"}));
    }

    void failedDropStopsTheRest()
    {
        RoleScreen s(Roles);
        ui::clickItem(s.roles(), "MANAGER");
        ui::clickItem(s.roles(), "sales");
        ui::clickItem(s.roles(), "CLERK");
        // Dropped meanwhile by someone else: the second drop fails.
        s.db->exec({"DROP ROLE \"sales\""});
        ui::click(s.button());
        QCOMPARE(s.context.sink.errors.size(), 1);
        QVERIFY2(s.context.sink.errors.first().contains("sales"), qPrintable(s.context.sink.errors.first()));
        QCOMPARE(s.catalogue(), sorted(minus(Listed, {"MANAGER", "sales"})));
        // Not re-read: the list still shows what was there before.
        QCOMPARE(s.roles()->Items(), Listed);
        QVERIFY(!s.context.session.SessionConnection->activeTransaction());
    }

    void serverRefusalIsShownAndLeavesNoTransaction_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("serverText");
        QTest::newRow("reserved word") << "select" << "Token unknown";
        QTest::newRow("name over 31 bytes") << QString(32, QLatin1Char('R')) << "Name longer than database column size";
    }
    void serverRefusalIsShownAndLeavesNoTransaction()
    {
        QFETCH(QString, typed);
        QFETCH(QString, serverText);
        RoleScreen s(Roles);
        ui::type(s.name(), typed);
        ui::click(s.button());
        QCOMPARE(s.context.sink.errors.size(), 1);
        QVERIFY2(s.context.sink.errors.first().contains(serverText), qPrintable(s.context.sink.errors.first()));
        QVERIFY(!s.context.session.SessionConnection->activeTransaction());
        QCOMPARE(s.catalogue(), sorted(Listed));
        // The next statement runs and is committed on its own.
        ui::type(s.name(), "auditor");
        ui::click(s.button());
        QCOMPARE(s.context.sink.errors.size(), 1);
        QVERIFY(s.catalogue().contains("AUDITOR"));
    }

    void connectionWithoutParametersRunsNothing()
    {
        RoleScreen s(Roles, false);
        s.context.session.SessionConnection = std::make_unique<TSQLConnection>();
        ui::type(s.name(), "auditor");
        ui::click(s.button());
        QVERIFY(s.context.sink.errors.isEmpty());
        QCOMPARE(s.catalogue(), sorted(Listed));
    }
};

QTEST_MAIN(FrmAddRemRolesTest)
#include "tst_frmaddremroles.moc"
