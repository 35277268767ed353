// Table permissions and the viewers it opens, driven by name against a real Firebird database.
#include "app/ui/TEdit.h"
#include "app/ui/TRadioGroup.h"
#include "schema/ui/TFrmIndexes.h"
#include "security/ui/TFrmAddRemUsers.h"
#include "security/ui/TFrmPermissions.h"
#include "security/ui/TFrmTblPerm.h"
#include "security/ui/TFrmUserPerm.h"
#include "session/DbError.h"
#include "tests/security/GrantsFixture.h"

#include <QCoreApplication>
#include <QtTest>

namespace {

// "orders" and ORDERS are two tables; U1 and U2 are users because they hold a privilege.
const QStringList Setup = {
    "CREATE TABLE T1 (A INTEGER, B INTEGER)",
    "CREATE TABLE T2 (A INTEGER)",
    "CREATE TABLE \"My Table\" (A INTEGER)",
    "CREATE TABLE \"orders\" (A INTEGER)",
    "CREATE TABLE ORDERS (A INTEGER)",
    "CREATE ROLE R1",
    "GRANT INSERT ON ORDERS TO U1",
    "GRANT INSERT ON ORDERS TO U2",
};

struct Permissions : GrantsFixture {
    using GrantsFixture::GrantsFixture;
    TFrmPermissions *screen = nullptr;

    void open() { screen = &show<TFrmPermissions>(); }
    TListBox *tables() { return list(screen, "LstTables"); }
    TListBox *privilegeList() { return list(screen, "LstAvailPermissions"); }
    TListBox *grantees() { return list(screen, "LstUsers"); }
    TRadioGroup *operation() { return ui::find<TRadioGroup>(screen, "RGModeGR"); }
    TRadioGroup *granteeMode() { return ui::find<TRadioGroup>(screen, "RGModeUR"); }
    TEdit *edit() { return ui::find<TEdit>(screen, "TxtSql"); }
    QPushButton *commit() { return button(screen, "CmdCommit"); }
    void pick(const QStringList &tableNames, const QStringList &privilegeNames, const QStringList &granteeNames)
    {
        for (const QString &name : tableNames)
            ui::clickItem(tables(), name);
        for (const QString &name : privilegeNames)
            ui::clickItem(privilegeList(), name);
        for (const QString &name : granteeNames)
            ui::clickItem(grantees(), name);
    }
    // What the test changed: the setup's own INSERT grants left out.
    QStringList changed() const
    {
        QStringList rows = privileges();
        rows.removeAll("U1 I ORDERS 8");
        rows.removeAll("U2 I ORDERS 8");
        return rows;
    }
};

std::unique_ptr<Permissions> permissions(const QStringList &setup = Setup, bool connected = true)
{
    auto p = std::make_unique<Permissions>(TestDatabase::embedded(setup), connected);
    p->open();
    return p;
}

}

class FrmPermissionsTest : public QObject {
    Q_OBJECT

private slots:
    void showWithoutConnectionObjectRefusesToFill()
    {
        auto p = permissions(Setup, false);
        QCOMPARE(p->context.sink.messages,
                 QStringList({"Must select connection data first before you can\n\rgrant or revoke permissions."}));
        QCOMPARE(p->tables()->count(), 0);
    }

    void firstShowWithOneTableComposesEmptyParts()
    {
        auto p = permissions();
        QCOMPARE(p->tables()->Items(), QStringList({"My Table", "ORDERS", "T1", "T2", "orders"}));
        QCOMPARE(p->privilegeList()->Items(),
                 QStringList({"ALL", "SELECT", "DELETE", "INSERT", "UPDATE", "REFERENCES"}));
        QCOMPARE(p->label(p->screen, "LblUsers"), QString("User List"));
        QCOMPARE(p->grantees()->Items(), QStringList({"PUBLIC", "SYSDBA", "U1", "U2"}));
        ui::clickItem(p->tables(), "T1");
        QCOMPARE(p->edit()->text(), QString("GRANT  ON T1 TO ;"));
        QVERIFY(!p->commit()->isEnabled());
        QVERIFY(!p->button(p->screen, "CmdShowSQL")->isEnabled());
        QVERIFY(p->button(p->screen, "CmdTblToUsers")->isEnabled());
        QVERIFY(!p->button(p->screen, "CmdUserToTbls")->isEnabled());
        QCOMPARE(p->commit()->text(), QString("Grant/Revoke"));
        QVERIFY(p->context.sink.errors.isEmpty());
    }

    void commitRunsOneStatementPerTable_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("composed");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QStringList>("after");
        const QStringList both = {"U1 S T1 8", "U1 S T2 8", "U1 U T1 8", "U1 U T2 8",
                                  "U2 S T1 8", "U2 S T2 8", "U2 U T1 8", "U2 U T2 8"};
        QTest::newRow("grant: the caption stays neutral until the mode changes")
            << 0 << Setup << "Grant/Revoke" << "GRANT SELECT,UPDATE ON T1,T2 TO U1,U2;"
                               << "GRANT SELECT,UPDATE ON T2 TO U1,U2;" << both;
        QTest::newRow("revoke") << 1
                                << Setup + QStringList{"GRANT SELECT, UPDATE ON T1 TO U1, U2",
                                                       "GRANT SELECT, UPDATE ON T2 TO U1, U2"}
                                << "Revoke Permission" << "REVOKE SELECT,UPDATE ON T1,T2 FROM U1,U2;"
                                << "REVOKE SELECT,UPDATE ON T2 FROM U1,U2;" << QStringList();
    }
    void commitRunsOneStatementPerTable()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, setup);
        QFETCH(QString, caption);
        QFETCH(QString, composed);
        QFETCH(QString, last);
        QFETCH(QStringList, after);
        auto p = permissions(setup);
        ui::clickRadio(p->operation(), mode);
        p->pick({"T1", "T2"}, {"SELECT", "UPDATE"}, {"U1", "U2"});
        QCOMPARE(p->edit()->text(), composed);
        QCOMPARE(p->commit()->text(), caption);
        QVERIFY(p->commit()->isEnabled());
        ui::click(p->button(p->screen, "CmdShowSQL"));
        QCOMPARE(p->context.clip.text(), composed);
        ui::click(p->commit());
        QCOMPARE(p->context.sink.errors, QStringList());
        QCOMPARE(p->edit()->text(), last);
        QCOMPARE(p->changed(), after);
    }

    void namesThatNeedQuotesLandOnTheirOwnTable()
    {
        auto p = permissions();
        p->pick({"My Table", "orders"}, {"SELECT"}, {"U1"});
        QCOMPARE(p->edit()->text(), QString("GRANT SELECT ON \"My Table\",\"orders\" TO U1;"));
        ui::click(p->commit());
        QCOMPARE(p->context.sink.errors, QStringList());
        QCOMPARE(p->edit()->text(), QString("GRANT SELECT ON \"orders\" TO U1;"));
        QCOMPARE(p->changed(), QStringList({"U1 S My Table 8", "U1 S orders 8"}));
    }

    void typedStatementIsWhatRunsAndARefusalIsShown()
    {
        auto p = permissions();
        p->pick({"T1"}, {"DELETE"}, {"U2"});
        QCOMPARE(p->edit()->text(), QString("GRANT DELETE ON T1 TO U2;"));
        ui::type(p->edit(), "GRANT DELETE ON NO_SUCH_TABLE TO U2");
        ui::click(p->commit());
        QCOMPARE(p->context.sink.errors.size(), 1);
        QVERIFY2(p->context.sink.errors.first().contains("NO_SUCH_TABLE"), qPrintable(p->context.sink.errors.first()));
        QCOMPARE(p->edit()->text(), QString("GRANT DELETE ON NO_SUCH_TABLE TO U2"));
        ui::type(p->edit(), "GRANT DELETE ON T2 TO U2");
        ui::click(p->commit());
        QCOMPARE(p->changed(), QStringList({"U2 D T2 8"}));
    }

    void rolesModeIsKeptBetweenShows()
    {
        auto p = permissions();
        p->pick({"T1"}, {"SELECT"}, {"U1"});
        ui::clickRadio(p->granteeMode(), 1);
        QCOMPARE(p->label(p->screen, "LblUsers"), QString("Role List"));
        QCOMPARE(p->grantees()->Items(), QStringList({"RDB$ADMIN", "R1"}));
        QCOMPARE(p->edit()->text(), QString("GRANT SELECT ON T1 TO U1;"));
        ui::clickItem(p->grantees(), "R1");
        QCOMPARE(p->edit()->text(), QString("GRANT SELECT ON T1 TO R1;"));
        ui::click(p->commit());
        QCOMPARE(p->changed(), QStringList({"R1 S T1 13"}));

        ui::clickRadio(p->operation(), 1);
        p->open();
        QCOMPARE(p->operation()->ItemIndex(), 0);
        QCOMPARE(p->granteeMode()->ItemIndex(), 1);
        QCOMPARE(p->label(p->screen, "LblUsers"), QString("Role List"));
        QCOMPARE(p->grantees()->Items(), QStringList({"RDB$ADMIN", "R1"}));
        QCOMPARE(p->commit()->text(), QString("Grant/Revoke"));
        QVERIFY(!p->commit()->isEnabled());
        QCOMPARE(p->edit()->text(), QString("GRANT SELECT ON T1 TO R1;"));
        QCOMPARE(p->privilegeList()->selectedItems().size(), 1);

        ui::clickRadio(p->granteeMode(), 0);
        QCOMPARE(p->label(p->screen, "LblUsers"), QString("User List"));
        QCOMPARE(p->grantees()->Items(), QStringList({"PUBLIC", "SYSDBA", "U1", "U2"}));
        QVERIFY(p->context.sink.messages.isEmpty());
    }

    void viewUsersForTheCurrentTableEvenWhenDeselected()
    {
        auto p = permissions(Setup + QStringList{"GRANT SELECT ON T2 TO U2"});
        p->pick({"T1", "T2", "T2"}, {}, {});
        QCOMPARE(p->tables()->selectedItems().size(), 1);
        ui::click(p->button(p->screen, "CmdTblToUsers"));
        QCOMPARE(p->context.session.SelectedName, QString("T2"));
        QCOMPARE(p->context.session.PermViewMode, QString("TABLE"));
        auto &viewer = p->screens.get<TFrmUserPerm>();
        QVERIFY(viewer.isVisible());
        QCOMPARE(p->label(&viewer, "LblInstructions"), QString("List of Users"));
        QCOMPARE(p->memo(&viewer, "TxtSql"),
                 QString("SELECT DISTINCT RDB$USER FROM RDB$USER_PRIVILEGES WHERE RDB$RELATION_NAME = 'T2'"));
        QCOMPARE(p->list(&viewer, "LstUserPerm")->Items(), QStringList({"SYSDBA", "U2"}));
        // The grantees of a table lead nowhere.
        ui::clickItem(p->list(&viewer, "LstUserPerm"), "U2");
        QCOMPARE(p->shownNames(), QStringList({"TFrmPermissions", "TFrmUserPerm"}));
        QVERIFY(!p->context.session.connectionOpen());
    }

    // Tables of a grantee, its privileges on one, and every screen left open
    // working on after the viewers closed the session connection.
    void tablesOfAGranteeThenItsPrivileges()
    {
        auto p = permissions(Setup + QStringList{"GRANT UPDATE (A, B) ON T1 TO U1"});
        auto &indexes = p->screens.get<TFrmIndexes>();
        p->context.screens.showModeless(indexes);

        ui::clickItem(p->grantees(), "U1");
        ui::clickItem(p->grantees(), "U1");
        QCOMPARE(p->grantees()->selectedItems().size(), 0);
        ui::click(p->button(p->screen, "CmdUserToTbls"));
        QCOMPARE(p->context.session.SelectedName, QString("U1"));
        QCOMPARE(p->context.session.PermViewMode, QString("USER"));
        auto &tables = p->screens.get<TFrmUserPerm>();
        QCOMPARE(p->label(&tables, "LblInstructions"), QString("Click table name to view permissions."));
        QCOMPARE(p->list(&tables, "LstUserPerm")->Items(), QStringList({"ORDERS", "T1"}));
        QVERIFY(!p->context.session.connectionOpen());

        ui::clickItem(p->list(&tables, "LstUserPerm"), "T1");
        QCOMPARE(p->context.session.SelectedTable, QString("T1"));
        auto &grants = p->screens.get<TFrmTblPerm>();
        QCOMPARE(p->list(&grants, "LstUserPerm")->Items(), QStringList({"UPDATE", "UPDATE"}));
        QVERIFY(!p->context.session.connectionOpen());
        QCOMPARE(p->shownNames(), QStringList({"TFrmPermissions", "TFrmIndexes", "TFrmUserPerm", "TFrmTblPerm"}));
        grants.hide();
        tables.hide();

        // The index editor left open beside them.
        ui::clickItem(p->list(&indexes, "LstTableNames"), "T1");
        QCOMPARE(p->list(&indexes, "LstFldNames")->Items(), QStringList({"A", "B"}));

        // The screen that opened the viewers: a mode switch reads, a commit writes.
        ui::click(p->button(p->screen, "CmdUserToTbls"));
        tables.hide();
        QVERIFY(!p->context.session.connectionOpen());
        ui::clickRadio(p->granteeMode(), 1);
        QCOMPARE(p->grantees()->Items(), QStringList({"RDB$ADMIN", "R1"}));
        p->pick({"T2"}, {"INSERT"}, {"R1"});
        ui::click(p->button(p->screen, "CmdUserToTbls"));
        tables.hide();
        QVERIFY(!p->context.session.connectionOpen());
        ui::click(p->commit());
        QCOMPARE(p->context.sink.errors, QStringList());
        QCOMPARE(p->context.sink.messages, QStringList());
        QVERIFY(p->changed().contains("R1 I T2 13"));
    }

    // The user screen beside the main menu, after a viewer closed the
    // connection: users live in the server's security database.
    void userScreenWorksOnAfterAViewer()
    {
        auto db = TestDatabase::server(Setup);
        if (!db->isValid())
            QSKIP("no loopback test server is running");
        Permissions p(std::move(db));
        p.open();
        auto &users = p.screens.get<TFrmAddRemUsers>();
        p.context.screens.showModeless(users);
        const QString name = QStringLiteral("KG%1").arg(QCoreApplication::applicationPid());
        struct Drop {
            const TestDatabase &db;
            QString name;
            ~Drop()
            {
                try {
                    db.exec({"DROP USER " + name});
                } catch (const DbError &) {
                    // never made
                }
            }
        } drop{*p.db, name};

        ui::clickItem(p.grantees(), "U1");
        ui::click(p.button(p.screen, "CmdUserToTbls"));
        p.screens.get<TFrmUserPerm>().hide();
        QVERIFY(!p.context.session.connectionOpen());

        ui::type(ui::find<TEdit>(&users, "TxtUserName"), name);
        ui::type(ui::find<TEdit>(&users, "TxtPassword1"), "secret");
        ui::type(ui::find<TEdit>(&users, "TxtPassword2"), "secret");
        ui::click(p.button(&users, "CmdAddRemUN"));
        QCOMPARE(p.context.sink.errors, QStringList());
        QCOMPARE(p.db->column("SELECT SEC$USER_NAME FROM SEC$USERS WHERE SEC$USER_NAME = '" + name + "'"),
                 QStringList({name}));
    }
};

QTEST_MAIN(FrmPermissionsTest)
#include "tst_frmpermissions.moc"
