// Role membership and the roles-of-a-user view, driven by name against a real Firebird database.
#include "app/ui/TEdit.h"
#include "app/ui/TRadioGroup.h"
#include "security/ui/TFrmRolesForUser.h"
#include "security/ui/TFrmTbl4Role.h"
#include "security/ui/TFrmTblPerm.h"
#include "security/ui/TFrmUserInRoles.h"
#include "tests/security/GrantsFixture.h"

#include <QtTest>

namespace {

// U1 and U2 are users because they hold a privilege; R1 holds privileges of its own.
const QStringList Setup = {
    "CREATE TABLE T1 (A INTEGER, B INTEGER)",
    "CREATE ROLE R1",
    "CREATE ROLE R2",
    "CREATE ROLE \"Sales Team\"",
    "GRANT SELECT ON T1 TO U1",
    "GRANT SELECT ON T1 TO U2",
    "GRANT SELECT ON T1 TO R1",
    "GRANT UPDATE (A) ON T1 TO R1",
};

struct Membership : GrantsFixture {
    using GrantsFixture::GrantsFixture;
    TFrmUserInRoles *screen = nullptr;

    void open() { screen = &show<TFrmUserInRoles>(); }
    TListBox *users() { return list(screen, "LstUser"); }
    TListBox *roles() { return list(screen, "LstRoles"); }
    TRadioGroup *userMode() { return ui::find<TRadioGroup>(screen, "RGRUMode"); }
    TRadioGroup *grantMode() { return ui::find<TRadioGroup>(screen, "RGRemAddMode"); }
    QPushButton *commit() { return button(screen, "CmdUserInRole"); }
    QString statement() { return ui::find<TEdit>(screen, "TxtSqlStatement")->text(); }
    void click(TListBox *list, const QStringList &items)
    {
        for (const QString &item : items)
            ui::clickItem(list, item);
    }
    QStringList memberships() const { return privileges().filter(" M "); }
};

std::unique_ptr<Membership> membership(const QStringList &setup = Setup, bool connected = true)
{
    auto m = std::make_unique<Membership>(TestDatabase::embedded(setup), connected);
    m->open();
    return m;
}

}

class FrmUserInRolesTest : public QObject {
    Q_OBJECT

private slots:
    void showWithoutConnectionObjectRefusesToFill()
    {
        auto m = membership(Setup, false);
        const QString text = "Must select connection data first before you can add or remove any role information";
        QCOMPARE(m->context.sink.messages, QStringList({text}));
        QCOMPARE(m->label(m->screen, "LblInfo"), text);
        QCOMPARE(m->users()->count(), 0);
        QCOMPARE(m->roles()->count(), 0);
    }

    void showListsBothAndResetsTheScreen()
    {
        auto m = membership();
        QCOMPARE(m->users()->Items(), QStringList({"PUBLIC", "SYSDBA", "U1", "U2"}));
        QCOMPARE(m->roles()->Items(), QStringList({"RDB$ADMIN", "R1", "R2", "Sales Team"}));
        QCOMPARE(m->commit()->text(), QString("Grant Roles To User"));
        QVERIFY(!m->commit()->isEnabled());
        QVERIFY(!m->button(m->screen, "CmdUsers4Role")->isEnabled());

        // A click in one list while the other has no current item composes nothing.
        ui::clickItem(m->users(), "U1");
        QCOMPARE(m->statement(), QString());
        QVERIFY(!m->commit()->isEnabled());

        ui::clickItem(m->roles(), "R1");
        ui::clickRadio(m->grantMode(), 1);
        ui::clickRadio(m->userMode(), 1);
        m->open();
        QCOMPARE(m->statement(), QString());
        QVERIFY(!m->commit()->isEnabled());
        QCOMPARE(m->grantMode()->ItemIndex(), 0);
        QCOMPARE(m->userMode()->ItemIndex(), 0);
        QCOMPARE(m->commit()->text(), QString("Grant Roles on User"));
        QVERIFY(m->button(m->screen, "CmdRoles4User")->isEnabled());
        QVERIFY(!m->button(m->screen, "CmdUsers4Role")->isEnabled());
        QCOMPARE(m->users()->selectedItems().size(), 0);
        ui::clickItem(m->users(), "U2");
        QCOMPARE(m->statement(), QString());
        QVERIFY(m->context.sink.errors.isEmpty());
    }

    void grantThenRevoke_data()
    {
        QTest::addColumn<QStringList>("users");
        QTest::addColumn<QStringList>("roles");
        QTest::addColumn<QString>("grant");
        QTest::addColumn<QStringList>("granted");
        QTest::addColumn<QString>("revoke");
        QTest::newRow("two users, two roles")
            << QStringList({"U1", "U2"}) << QStringList({"R1", "R2"}) << "GRANT R1,R2 TO U1,U2"
            << QStringList({"U1 M R1 8", "U1 M R2 8", "U2 M R1 8", "U2 M R2 8"}) << "REVOKE R1,R2 FROM U1,U2";
        QTest::newRow("one user, one role: the current items")
            << QStringList({"U1"}) << QStringList({"R2"}) << "GRANT R2 TO U1" << QStringList({"U1 M R2 8"})
            << "REVOKE R2 FROM U1";
        QTest::newRow("a role named with a blank is granted whole")
            << QStringList({"U2"}) << QStringList({"R1", "Sales Team"}) << "GRANT R1,\"Sales Team\" TO U2"
            << QStringList({"U2 M R1 8", "U2 M Sales Team 8"}) << "REVOKE R1,\"Sales Team\" FROM U2";
    }
    void grantThenRevoke()
    {
        QFETCH(QStringList, users);
        QFETCH(QStringList, roles);
        QFETCH(QString, grant);
        QFETCH(QStringList, granted);
        QFETCH(QString, revoke);
        auto m = membership();
        m->click(m->users(), users);
        m->click(m->roles(), roles);
        QCOMPARE(m->statement(), grant);
        ui::click(m->commit());
        QCOMPARE(m->context.sink.errors, QStringList());
        QCOMPARE(m->memberships(), granted);

        ui::clickRadio(m->grantMode(), 1);
        QCOMPARE(m->statement(), grant);
        // A further click (off and on again) composes the statement anew.
        m->click(m->users(), {users.last(), users.last()});
        QCOMPARE(m->statement(), revoke);
        ui::click(m->commit());
        QCOMPARE(m->context.sink.errors, QStringList());
        QCOMPARE(m->memberships(), QStringList());
    }

    void modeChangesTheCaptionNotTheStatement()
    {
        auto m = membership();
        m->click(m->users(), {"U1"});
        m->click(m->roles(), {"R1"});
        QCOMPARE(m->statement(), QString("GRANT R1 TO U1"));
        ui::clickRadio(m->grantMode(), 1);
        QCOMPARE(m->commit()->text(), QString("Revoke Roles on User"));
        ui::clickRadio(m->userMode(), 1);
        QCOMPARE(m->commit()->text(), QString("Revoke Role on Users"));
        QVERIFY(!m->button(m->screen, "CmdRoles4User")->isEnabled());
        QVERIFY(m->button(m->screen, "CmdUsers4Role")->isEnabled());
        ui::clickRadio(m->grantMode(), 0);
        QCOMPARE(m->commit()->text(), QString("Grant Role on Users"));
        ui::clickRadio(m->grantMode(), 1);

        ui::click(m->button(m->screen, "CmdCopySQL"));
        QCOMPARE(m->context.clip.text(), QString("GRANT R1 TO U1"));
        // The button runs the statement shown, not what the mode would compose.
        ui::click(m->commit());
        QCOMPARE(m->context.sink.errors, QStringList());
        QCOMPARE(m->memberships(), QStringList({"U1 M R1 8"}));
    }

    void refusedStatementShowsTheServersText()
    {
        auto m = membership();
        m->db->exec({"DROP ROLE R2"});
        m->click(m->users(), {"U1"});
        m->click(m->roles(), {"R2"});
        QCOMPARE(m->statement(), QString("GRANT R2 TO U1"));
        ui::click(m->commit());
        QCOMPARE(m->context.sink.errors.size(), 1);
        QVERIFY2(m->context.sink.errors.first().contains("R2"), qPrintable(m->context.sink.errors.first()));
        QCOMPARE(m->statement(), QString("GRANT R2 TO U1"));
        QCOMPARE(m->memberships(), QStringList());
    }

    void viewButtonsWantASelection_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("roles of a user") << 0 << "CmdRoles4User" << "Must select a user first!";
        QTest::newRow("users of a role") << 1 << "CmdUsers4Role" << "Must select a role first!";
    }
    void viewButtonsWantASelection()
    {
        QFETCH(int, mode);
        QFETCH(QString, button);
        QFETCH(QString, message);
        auto m = membership();
        ui::clickRadio(m->userMode(), mode);
        ui::click(m->button(m->screen, qPrintable(button)));
        QCOMPARE(m->context.sink.messages, QStringList({message}));
        QCOMPARE(m->shownNames(), QStringList({"TFrmUserInRoles"}));
    }

    // Membership, the user's roles, the role's tables, the role's privileges on one table.
    void rolesOfUserLeadToTheRolesPrivileges_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("embedded") << "embedded";
        QTest::newRow("server") << "server";
    }
    void rolesOfUserLeadToTheRolesPrivileges()
    {
        QFETCH(QString, where);
        auto db = TestDatabase::make(where, Setup + QStringList{"GRANT R1 TO U1"});
        if (!db->isValid())
            QSKIP("no loopback test server is running");
        Membership m(std::move(db));
        m.open();
        m.click(m.users(), {"U1"});
        ui::click(m.button(m.screen, "CmdRoles4User"));
        QCOMPARE(m.context.session.SelectedName, QString("U1"));
        QCOMPARE(m.context.session.RoleViewMode, QString("USER"));

        auto &roles = m.screens.get<TFrmRolesForUser>();
        QVERIFY(roles.isVisible());
        QCOMPARE(m.label(&roles, "LblInstructions"), QString("Click role name to view permissions."));
        QCOMPARE(m.memo(&roles, "TxtSql"), QString("SELECT DISTINCT RDB$RELATION_NAME \r\nFROM RDB$USER_PRIVILEGES \r\n"
                                                   "WHERE RDB$USER = 'U1' AND \r\nRDB$PRIVILEGE = 'M'"));
        TListBox *roleList = m.list(&roles, "LstUserRole");
        QCOMPARE(roleList->count(), 1);
        const QString listed = roleList->item(0)->text();
        QCOMPARE(listed.trimmed(), QString("R1"));
        QVERIFY2(listed != "R1", "listed as the server returns it, blanks included");

        ui::clickItem(roleList, 0);
        QCOMPARE(m.context.session.SelectedName, listed);
        auto &tables = m.screens.get<TFrmTbl4Role>();
        QCOMPARE(m.list(&tables, "LstUserPerm")->Items(), QStringList({"T1"}));

        ui::clickItem(m.list(&tables, "LstUserPerm"), "T1");
        QCOMPARE(m.context.session.SelectedTable, QString("T1"));
        QCOMPARE(m.context.session.PermViewMode, QString("USER"));
        auto &grants = m.screens.get<TFrmTblPerm>();
        QStringList words = m.list(&grants, "LstUserPerm")->Items();
        words.sort();
        QCOMPARE(words, QStringList({"SELECT", "UPDATE"}));
        QVERIFY(!m.context.session.connectionOpen());
        QCOMPARE(m.context.session.RoleViewMode, QString("USER"));
        QCOMPARE(m.context.session.SelectedName, listed);
        for (const auto &shown : m.context.screens.shown)
            QVERIFY(shown.modal);
        QCOMPARE(m.shownNames(), QStringList({"TFrmUserInRoles", "TFrmRolesForUser", "TFrmTbl4Role", "TFrmTblPerm"}));

        // Back on the membership screen after the viewer closed the connection.
        grants.hide();
        tables.hide();
        roles.hide();
        m.click(m.roles(), {"R2"});
        ui::click(m.commit());
        QCOMPARE(m.context.sink.errors, QStringList());
        QCOMPARE(m.memberships(), QStringList({"U1 M R1 8", "U1 M R2 8"}));
    }

    void usersOfRoleListRowsAndClicksOpenNothing()
    {
        auto m = membership(Setup + QStringList{"GRANT R1 TO U1", "GRANT R1 TO U2"});
        ui::clickRadio(m->userMode(), 1);
        m->click(m->roles(), {"R1"});
        ui::click(m->button(m->screen, "CmdUsers4Role"));
        QCOMPARE(m->context.session.SelectedName, QString("R1"));
        QCOMPARE(m->context.session.RoleViewMode, QString("ROLE"));
        auto &view = m->screens.get<TFrmRolesForUser>();
        QCOMPARE(m->label(&view, "LblInstructions"), QString());
        QCOMPARE(m->memo(&view, "TxtSql"),
                 QString("SELECT RDB$USER \r\nFROM RDB$USER_PRIVILEGES \r\nWHERE RDB$RELATION_NAME = 'R1';"));
        QStringList grantees;
        for (const QString &item : m->list(&view, "LstUserRole")->Items())
            grantees << item.trimmed();
        grantees.sort();
        QCOMPARE(grantees, QStringList({"U1", "U2"}));
        ui::clickItem(m->list(&view, "LstUserRole"), 0);
        QCOMPARE(m->shownNames(), QStringList({"TFrmUserInRoles", "TFrmRolesForUser"}));
        QCOMPARE(m->context.session.SelectedName, QString("R1"));
    }
};

QTEST_MAIN(FrmUserInRolesTest)
#include "tst_frmuserinroles.moc"
