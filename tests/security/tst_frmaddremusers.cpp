// The user screen driven by name against a real Firebird database. Users live
// in the server's security database, so every test that may run a user
// statement works over the loopback test server, with names of its own that
// it drops again; listing and composing alone run on an embedded file.
#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "app/ui/TRadioGroup.h"
#include "security/ui/TFrmAddRemUsers.h"
#include "session/DbError.h"
#include "session/SqlText.h"
#include "session/TSQLConnection.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UiDriver.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList ThreeTables = {"CREATE TABLE ORDERS (ID INTEGER)", "CREATE TABLE CUSTOMERS (ID INTEGER)",
                                 "CREATE TABLE \"line items\" (ID INTEGER)"};

// Users on the shared test server under names no parallel test uses, dropped
// again with the object (including those the screen was meant to make).
class ServerUsers {
public:
    explicit ServerUsers(const TestDatabase &db) : m_db(db) {}
    ~ServerUsers()
    {
        for (const QString &name : m_names) {
            try {
                m_db.exec({"DROP USER " + sqlIdentifier(name)});
            } catch (const DbError &) {
                // never made, or already dropped by the test
            }
        }
    }
    // A new plain name; lower case for a name that only quoting keeps.
    QString fresh(bool lowerCase = false)
    {
        static int counter = 0;
        QString name = QStringLiteral("KU%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
        if (lowerCase)
            name = name.toLower();
        m_names << name;
        return name;
    }
    // Made here, and so dropped at the end, even under a name not from fresh().
    void create(const QString &name, const QString &password)
    {
        if (!m_names.contains(name))
            m_names << name;
        m_db.exec({"CREATE USER " + sqlIdentifier(name) + " PASSWORD " + sqlQuoted(password)});
    }

private:
    const TestDatabase &m_db;
    QStringList m_names;
};

struct UserScreen {
    std::unique_ptr<TestDatabase> db;
    TestContext context;
    std::unique_ptr<TFrmAddRemUsers> screen;

    explicit UserScreen(std::unique_ptr<TestDatabase> database) : db(std::move(database))
    {
        screen = std::make_unique<TFrmAddRemUsers>(context);
        screen->resize(800, 700);
    }
    // The session connection as the given user (SYSDBA when none), then the screen shown.
    void show(const QString &user = {}, const QString &password = {})
    {
        if (db) {
            context.session.SessionConnection = user.isEmpty() ? db->connect() : connectionAs(user, password);
            context.session.SessionConnection->Open();
        }
        context.screens.showModeless(*screen);
    }
    // A connection to the test database as that user, not yet opened.
    std::unique_ptr<TSQLConnection> connectionAs(const QString &user, const QString &password) const
    {
        auto connection = std::make_unique<TSQLConnection>();
        db->configure(*connection);
        connection->Params.setValue("user_name", user);
        connection->Params.setValue("Password", password);
        return connection;
    }
    // A new user on the server, listed here by a privilege on table T.
    QString listedUser(ServerUsers &users, const QString &password, bool lowerCase = false) const
    {
        const QString user = users.fresh(lowerCase);
        users.create(user, password);
        db->exec({"GRANT SELECT ON T TO " + sqlIdentifier(user)});
        return user;
    }

    TListBox *users() { return ui::find<TListBox>(screen.get(), "LstUsers"); }
    TEdit *edit(const char *name) { return ui::find<TEdit>(screen.get(), name); }
    TEdit *name() { return edit("TxtUserName"); }
    TMemo *sql() { return ui::find<TMemo>(screen.get(), "MmoSql"); }
    TMemo *grants() { return ui::find<TMemo>(screen.get(), "MmoGrant"); }
    QPushButton *button(const char *name) { return ui::find<QPushButton>(screen.get(), name); }
    QPushButton *addRemove() { return button("CmdAddRemUN"); }
    TRadioGroup *mode() { return ui::find<TRadioGroup>(screen.get(), "RdoRP"); }
    QCheckBox *withGrant() { return ui::find<QCheckBox>(screen.get(), "ChkWithGrant"); }
    QString selected()
    {
        const int row = users()->ItemIndex();
        return row < 0 ? QString() : users()->item(row)->text();
    }
    void typePasswords(const QString &first, const QString &second)
    {
        ui::type(edit("TxtPassword1"), first);
        ui::type(edit("TxtPassword2"), second);
    }

    // What the server knows of a user: "first|middle|last", empty when there is no such user.
    QString account(const QString &user) const
    {
        const QStringList rows = db->column(
            "SELECT COALESCE(SEC$FIRST_NAME, '') || '|' || COALESCE(SEC$MIDDLE_NAME, '') || '|' || "
            "COALESCE(SEC$LAST_NAME, '') FROM SEC$USERS WHERE SEC$USER_NAME = " + sqlQuoted(user));
        return rows.value(0);
    }
    bool exists(const QString &user) const
    {
        return !db->column("SELECT SEC$USER_NAME FROM SEC$USERS WHERE SEC$USER_NAME = " + sqlQuoted(user)).isEmpty();
    }
    // Every privilege the user holds here, "P TABLE grant-option", sorted.
    QStringList privileges(const QString &user) const
    {
        QStringList rows = db->column("SELECT TRIM(RDB$PRIVILEGE) || ' ' || TRIM(RDB$RELATION_NAME) || ' ' || "
                                      "COALESCE(RDB$GRANT_OPTION, 0) FROM RDB$USER_PRIVILEGES WHERE RDB$USER = "
                                      + sqlQuoted(user));
        rows.sort();
        return rows;
    }
    // Logs in to the test database as that user.
    bool canLogIn(const QString &user, const QString &password) const
    {
        try {
            connectionAs(user, password)->Open();
        } catch (const DbError &) {
            return false;
        }
        return true;
    }
};

std::unique_ptr<UserScreen> onServer(const QStringList &setup = {})
{
    auto db = TestDatabase::server(setup);
    if (!db->isValid())
        return nullptr;
    return std::make_unique<UserScreen>(std::move(db));
}

QStringList allOn(const QString &table)
{
    return {"D " + table + " 0", "I " + table + " 0", "R " + table + " 0", "S " + table + " 0", "U " + table + " 0"};
}

QStringList sorted(QStringList rows)
{
    rows.sort();
    return rows;
}

const QString AccessGrant = QStringLiteral("S RDB$USER_PRIVILEGES 0");

}

#define SERVER_OR_SKIP(s)                                                                                         \
    if (!(s))                                                                                                     \
    QSKIP("no test server (KELVANE_TEST_SERVER)")

class FrmAddRemUsersTest : public QObject {
    Q_OBJECT

private slots:
    void showBeforeAnyConnection()
    {
        UserScreen s(nullptr);
        s.show();
        QCOMPARE(s.context.sink.messages, QStringList({"Must open a connection first!"}));
        QCOMPARE(s.users()->count(), 0);
        QCOMPARE(s.addRemove()->text(), QString("Add User"));
        QVERIFY(!s.addRemove()->isEnabled());
    }

    void connectionWithoutParametersIsLost()
    {
        UserScreen s(nullptr);
        s.context.session.SessionConnection = std::make_unique<TSQLConnection>();
        s.show();
        QCOMPARE(s.context.sink.messages, QStringList({"Must open a connection first!"}));
        ui::type(s.name(), "ann");
        s.typePasswords("pw", "pw");
        s.context.sink.clear();
        ui::click(s.addRemove());
        QCOMPARE(s.context.sink.messages, QStringList({"Connection Lost!\r\nPlease reconnect and try again."}));
        QVERIFY(s.context.sink.errors.isEmpty());
    }

    void typedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("statement");
        QTest::newRow("blank inside becomes underscore")
            << "john smith" << "john_smith" << "Add User" << "" << "CREATE USER john_smith PASSWORD '';";
        QTest::newRow("leading blank trimmed") << " jo" << "jo" << "Add User" << "" << "CREATE USER jo PASSWORD '';";
        QTest::newRow("leading underscore removed") << "_jo" << "jo" << "Add User" << "" << "CREATE USER jo PASSWORD '';";
        QTest::newRow("case ignored: JOHN selects the listed john, which is dropped as itself")
            << "JOHN" << "JOHN" << "Remove User" << "john" << "DROP USER \"john\";";
        QTest::newRow("plain listed name typed in lower case") << "ann" << "ann" << "Remove User" << "ANN"
                                                               << "DROP USER ann;";
    }
    void typedName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, selected);
        QFETCH(QString, statement);
        // Grants alone make the list; nobody is created.
        UserScreen s(TestDatabase::embedded({"CREATE TABLE T (ID INTEGER)", "GRANT SELECT ON T TO \"john\"",
                                             "GRANT SELECT ON T TO ANN"}));
        s.show();
        QVERIFY(s.users()->Items().contains("john"));
        ui::type(s.name(), typed);
        QCOMPARE(s.name()->text(), name);
        QCOMPARE(s.addRemove()->text(), caption);
        QCOMPARE(s.selected(), selected);
        QCOMPARE(s.sql()->Text(), statement);
        QVERIFY(s.addRemove()->isEnabled());
        QVERIFY(s.edit("TxtPassword1")->isEnabled());
        QCOMPARE(s.button("CmdShowAlter")->isEnabled(), !selected.isEmpty());
        QCOMPARE(s.button("CmdAlterUser")->isEnabled(), !selected.isEmpty());
    }

    void unlistedNameSwitchesBackToAdd()
    {
        UserScreen s(TestDatabase::embedded({"CREATE TABLE T (ID INTEGER)", "GRANT SELECT ON T TO \"john\""}));
        s.show();
        ui::type(s.name(), "JOHN");
        QCOMPARE(s.addRemove()->text(), QString("Remove User"));
        QTest::keyClicks(s.name(), "NY");
        QCOMPARE(s.name()->text(), QString("JOHNNY"));
        QCOMPARE(s.addRemove()->text(), QString("Add User"));
        QCOMPARE(s.selected(), QString());
        QVERIFY(!s.button("CmdShowAlter")->isEnabled());
        QVERIFY(!s.button("CmdAlterUser")->isEnabled());
        // Emptied: nothing to add.
        s.name()->selectAll();
        QTest::keyClick(s.name(), Qt::Key_Delete);
        QVERIFY(!s.addRemove()->isEnabled());
        QVERIFY(!s.edit("TxtPassword1")->isEnabled());
    }

    void createStatementIsShownMasked_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("statement");
        QTest::newRow("first name only") << "Ann" << "" << "" << "CREATE USER ann_x PASSWORD '******' FIRSTNAME 'Ann';";
        QTest::newRow("three names in order")
            << "Ann" << "Bea" << "Cole" << "CREATE USER ann_x PASSWORD '******' FIRSTNAME 'Ann' MIDDLENAME 'Bea' LASTNAME 'Cole';";
        QTest::newRow("quotes doubled") << "O'Brien" << "" << "D'Arcy"
                                        << "CREATE USER ann_x PASSWORD '******' FIRSTNAME 'O''Brien' LASTNAME 'D''Arcy';";
    }
    void createStatementIsShownMasked()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, statement);
        UserScreen s(TestDatabase::embedded());
        s.show();
        ui::type(s.name(), "ann_x");
        s.typePasswords("it's a", "it's a");
        QCOMPARE(s.edit("TxtPassword1")->text(), QString("it's_a"));
        QCOMPARE(s.edit("TxtPassword2")->displayText(), QString("******"));
        ui::type(s.edit("TxtFN"), first);
        ui::type(s.edit("TxtMN"), middle);
        ui::type(s.edit("TxtLN"), last);
        QCOMPARE(s.sql()->Text(), statement);
        ui::click(s.button("CmdCopySql"));
        QCOMPARE(s.context.clip.text(), statement);
    }

    void nameEditsAreTidiedOnLeaving()
    {
        UserScreen s(TestDatabase::embedded());
        s.show();
        s.screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.screen.get()));
        ui::type(s.name(), "ann_x");
        ui::type(s.edit("TxtFN"), " Mary Ann ");
        QCOMPARE(s.edit("TxtFN")->text(), QString("Mary Ann "));
        s.edit("TxtLN")->setFocus();
        QCOMPARE(s.edit("TxtFN")->text(), QString("Mary_Ann"));
        QCOMPARE(s.sql()->Text(), QString("CREATE USER ann_x PASSWORD '' FIRSTNAME 'Mary_Ann';"));
    }

    void passwordsMustMatch_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("both empty") << "" << "";
        QTest::newRow("different") << "secret" << "secreT";
        QTest::newRow("second empty") << "secret" << "";
    }
    void passwordsMustMatch()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        auto s = onServer();
        SERVER_OR_SKIP(s);
        ServerUsers users(*s->db);
        const QString user = users.fresh();
        s->show();
        ui::type(s->name(), user);
        s->typePasswords(first, second);
        ui::click(s->addRemove());
        QCOMPARE(s->context.sink.messages, QStringList({"Passwords do not match or password empty! "}));
        QVERIFY(!s->exists(user));
    }

    void restrictiveAddMakesTheUserWithTheAccessGrant_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("withGrant");
        QTest::addColumn<bool>("closedFirst");
        QTest::addColumn<QString>("clauses");
        QTest::newRow("plain") << "secret" << "Ann" << "" << false << false << " FIRSTNAME 'Ann'";
        QTest::newRow("with grant option") << "secret" << "" << "" << true << false << "";
        QTest::newRow("quotes in the password and the names")
            << "it's" << "O'Brien" << "D'Arcy" << false << false << " FIRSTNAME 'O''Brien' LASTNAME 'D''Arcy'";
        QTest::newRow("connection closed by another screen") << "secret" << "" << "" << false << true << "";
    }
    void restrictiveAddMakesTheUserWithTheAccessGrant()
    {
        QFETCH(QString, password);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(bool, withGrant);
        QFETCH(bool, closedFirst);
        QFETCH(QString, clauses);
        auto s = onServer();
        SERVER_OR_SKIP(s);
        ServerUsers users(*s->db);
        const QString user = users.fresh();
        s->show();
        ui::type(s->name(), user);
        s->typePasswords(password, password);
        ui::type(s->edit("TxtFN"), first);
        ui::type(s->edit("TxtLN"), last);
        if (withGrant)
            s->withGrant()->click();
        if (closedFirst)
            s->context.session.SessionConnection->Close();
        ui::click(s->addRemove());

        QVERIFY2(s->context.sink.errors.isEmpty(), qPrintable(s->context.sink.errors.join("\n")));
        QVERIFY(s->context.sink.messages.isEmpty());
        QCOMPARE(s->account(user), first + "||" + last);
        QCOMPARE(s->privileges(user), QStringList({withGrant ? "S RDB$USER_PRIVILEGES 1" : AccessGrant}));
        QVERIFY(s->users()->Items().contains(user));
        QVERIFY(s->canLogIn(user, password));
        // The executed statement is shown, with the password masked.
        QCOMPARE(s->sql()->Text(),
                 "CREATE USER " + user + " PASSWORD '" + QString(password.size(), '*') + "'" + clauses);
    }

    void permissiveAddGrantsEveryTableInOrder()
    {
        auto s = onServer(ThreeTables);
        SERVER_OR_SKIP(s);
        ServerUsers users(*s->db);
        const QString user = users.fresh();
        s->show();
        ui::type(s->name(), user);
        s->typePasswords("secret", "secret");
        ui::clickRadio(s->mode(), 1);
        QCOMPARE(s->grants()->Text(), "GRANT ALL ON CUSTOMERS TO " + user + ";\r\n"
                                      "GRANT ALL ON ORDERS TO " + user + ";\r\n"
                                      "GRANT ALL ON \"line items\" TO " + user + ";\r\n");
        QVERIFY(s->name()->isEnabled());
        ui::click(s->addRemove());

        QVERIFY2(s->context.sink.errors.isEmpty(), qPrintable(s->context.sink.errors.join("\n")));
        QVERIFY(s->exists(user));
        QCOMPARE(s->privileges(user), sorted(allOn("CUSTOMERS") + allOn("ORDERS") + allOn("line items")));
        QVERIFY(s->users()->Items().contains(user));
        QCOMPARE(s->sql()->Text(), "CREATE USER " + user + " PASSWORD '******';");
    }

    void permissiveGrantScriptFollowsTheGrantOption()
    {
        UserScreen s(TestDatabase::embedded({"CREATE TABLE ORDERS (ID INTEGER)"}));
        s.show();
        ui::type(s.name(), "ann");
        s.withGrant()->click(); // restrictive: composes no script
        QCOMPARE(s.grants()->Text(), QString());
        ui::clickRadio(s.mode(), 1);
        QCOMPARE(s.grants()->Text(), QString("GRANT ALL ON ORDERS TO ann WITH GRANT OPTION;\r\n"));
        s.withGrant()->click();
        QCOMPARE(s.grants()->Text(), QString("GRANT ALL ON ORDERS TO ann;\r\n"));
        // The script keeps the name it was composed with.
        ui::type(s.name(), "bob");
        QCOMPARE(s.grants()->Text(), QString("GRANT ALL ON ORDERS TO ann;\r\n"));
        ui::clickRadio(s.mode(), 0);
        QCOMPARE(s.grants()->Text(), QString());
    }

    void permissiveFailureFallsBackToTheAccessGrant_data()
    {
        QTest::addColumn<bool>("permissiveFirst");
        QTest::addColumn<QStringList>("meanwhile");
        QTest::addColumn<QStringList>("granted");
        QTest::addColumn<QString>("serverText");
        QTest::newRow("script composed before the name: empty grantee")
            << true << QStringList() << QStringList({AccessGrant}) << "Unexpected end of command";
        QTest::newRow("second table dropped meanwhile: first kept, third skipped")
            << false << QStringList({"DROP TABLE ORDERS"}) << allOn("CUSTOMERS") + QStringList({AccessGrant})
            << "ORDERS";
    }
    void permissiveFailureFallsBackToTheAccessGrant()
    {
        QFETCH(bool, permissiveFirst);
        QFETCH(QStringList, meanwhile);
        QFETCH(QStringList, granted);
        QFETCH(QString, serverText);
        auto s = onServer(ThreeTables);
        SERVER_OR_SKIP(s);
        ServerUsers users(*s->db);
        const QString user = users.fresh();
        s->show();
        if (permissiveFirst)
            ui::clickRadio(s->mode(), 1);
        ui::type(s->name(), user);
        s->typePasswords("secret", "secret");
        if (!permissiveFirst)
            ui::clickRadio(s->mode(), 1);
        s->db->exec(meanwhile);
        ui::click(s->addRemove());

        QCOMPARE(s->context.sink.errors.size(), 1);
        QVERIFY2(s->context.sink.errors.first().contains(serverText), qPrintable(s->context.sink.errors.first()));
        QVERIFY(s->exists(user));
        QCOMPARE(s->privileges(user), sorted(granted));
        QVERIFY(s->users()->Items().contains(user));
        QCOMPARE(s->sql()->Text(), "CREATE USER " + user + " PASSWORD '******'");
    }

    void failedAddIsReported_data()
    {
        QTest::addColumn<bool>("asAdministrator");
        QTest::addColumn<QString>("serverText");
        QTest::newRow("user exists already") << true << "add record error";
        QTest::newRow("not an administrator") << false << "no permission";
    }
    void failedAddIsReported()
    {
        QFETCH(bool, asAdministrator);
        QFETCH(QString, serverText);
        auto s = onServer();
        SERVER_OR_SKIP(s);
        ServerUsers users(*s->db);
        const QString plain = users.fresh();
        users.create(plain, "plain");
        const QString user = users.fresh();
        if (asAdministrator) {
            users.create(user, "first");
            s->show();
        } else {
            s->show(plain, "plain");
        }
        ui::type(s->name(), user);
        s->typePasswords("secret", "secret");
        ui::click(s->addRemove());

        QCOMPARE(s->context.sink.errors.size(), 1);
        QVERIFY2(s->context.sink.errors.first().contains(serverText), qPrintable(s->context.sink.errors.first()));
        // Nothing after the refused statement ran.
        QCOMPARE(s->privileges(user), QStringList());
        QCOMPARE(s->exists(user), asAdministrator);
        QCOMPARE(s->sql()->Text(), "CREATE USER " + user + " PASSWORD '******'");
    }

    void removalRevokesThenDropsThePickedUser_data()
    {
        QTest::addColumn<bool>("lowerCase");
        QTest::newRow("plain name") << false;
        QTest::newRow("lower-case name beside its upper-case twin") << true;
    }
    void removalRevokesThenDropsThePickedUser()
    {
        QFETCH(bool, lowerCase);
        auto s = onServer({"CREATE TABLE T (ID INTEGER)"});
        SERVER_OR_SKIP(s);
        ServerUsers users(*s->db);
        const QString user = s->listedUser(users, "pw", lowerCase);
        const QString twin = user.toUpper();
        if (lowerCase) {
            users.create(twin, "pw");
            s->db->exec({"GRANT SELECT ON T TO " + twin});
        }
        s->show();
        ui::clickItem(s->users(), user);
        QCOMPARE(s->name()->text(), user);
        QCOMPARE(s->addRemove()->text(), QString("Remove User"));
        QVERIFY(s->button("CmdAlterUser")->isEnabled());
        QCOMPARE(s->sql()->Text(), "DROP USER " + sqlIdentifier(user) + ";");
        ui::click(s->addRemove());

        QVERIFY(s->context.sink.messages.isEmpty());
        QVERIFY(s->context.sink.errors.isEmpty());
        QVERIFY(!s->exists(user));
        QCOMPARE(s->privileges(user), QStringList());
        QVERIFY(!s->users()->Items().contains(user));
        QCOMPARE(s->addRemove()->text(), QString("Add User"));
        if (lowerCase) {
            QVERIFY(s->exists(twin));
            QCOMPARE(s->privileges(twin), QStringList({"S T 0"}));
        }
    }

    void refusedRemovalSaysWhyAndKeepsThePrivileges_data()
    {
        QTest::addColumn<bool>("asAdministrator");
        QTest::addColumn<QString>("serverText");
        // Privileges granted to a name nobody ever created.
        QTest::newRow("no such user") << true << "record not found for user";
        // The screen's user may revoke what it granted, but not drop a user.
        QTest::newRow("not an administrator") << false << "no permission";
    }
    void refusedRemovalSaysWhyAndKeepsThePrivileges()
    {
        QFETCH(bool, asAdministrator);
        QFETCH(QString, serverText);
        auto s = onServer({"CREATE TABLE T (ID INTEGER)"});
        SERVER_OR_SKIP(s);
        ServerUsers users(*s->db);
        const QString plain = users.fresh();
        const QString victim = users.fresh();
        users.create(plain, "plain");
        if (asAdministrator) {
            s->db->exec({"GRANT SELECT ON T TO " + victim});
            s->show();
        } else {
            users.create(victim, "victim");
            s->db->exec({"GRANT ALL ON T TO " + plain + " WITH GRANT OPTION"});
            s->connectionAs(plain, "plain")->ExecuteDirect("GRANT SELECT ON T TO " + victim);
            s->show(plain, "plain");
        }
        ui::clickItem(s->users(), victim);
        ui::click(s->addRemove());

        QCOMPARE(s->context.sink.messages.size(), 1);
        const QStringList lines = s->context.sink.messages.first().split("\r\n");
        QCOMPARE(lines.mid(0, 2),
                 QStringList({"Must be connected as System Administrator", "in order to delete users."}));
        QVERIFY2(lines.mid(2).join(' ').contains(serverText), qPrintable(s->context.sink.messages.first()));
        QCOMPARE(s->privileges(victim), QStringList({"S T 0"}));
        QCOMPARE(s->exists(victim), !asAdministrator);
        QCOMPARE(s->addRemove()->text(), QString("Remove User"));
        QVERIFY(!s->context.session.SessionConnection->activeTransaction());
    }

    void alterChangesPasswordAndNames()
    {
        auto s = onServer({"CREATE TABLE T (ID INTEGER)"});
        SERVER_OR_SKIP(s);
        ServerUsers users(*s->db);
        const QString user = s->listedUser(users, "old");
        s->show();
        ui::clickItem(s->users(), user);
        s->typePasswords("n'ew", "n'ew");
        ui::type(s->edit("TxtFN"), "Zoe");
        ui::click(s->button("CmdShowAlter"));
        const QString shown = "ALTER USER " + user + "  SET PASSWORD '****'  FIRSTNAME 'Zoe';";
        QCOMPARE(s->sql()->Text(), shown);
        ui::click(s->button("CmdAlterUser"));

        QVERIFY2(s->context.sink.errors.isEmpty(), qPrintable(s->context.sink.errors.join("\n")));
        QCOMPARE(s->sql()->Text(), shown);
        QVERIFY(s->canLogIn(user, "n'ew"));
        QVERIFY(!s->canLogIn(user, "old"));
        QCOMPARE(s->account(user), QString("Zoe||"));
    }

    void refusedAlterLeavesThePassword_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("serverText");
        QTest::newRow("different passwords") << "new" << "neW" << QStringList({"Passwords do not match!"}) << "";
        // Not refused here: the statement runs with '' and the server says no.
        QTest::newRow("both empty") << "" << "" << QStringList() << "Password should not be empty string";
    }
    void refusedAlterLeavesThePassword()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, messages);
        QFETCH(QString, serverText);
        auto s = onServer({"CREATE TABLE T (ID INTEGER)"});
        SERVER_OR_SKIP(s);
        ServerUsers users(*s->db);
        const QString user = s->listedUser(users, "old");
        s->show();
        ui::clickItem(s->users(), user);
        s->typePasswords(first, second);
        ui::click(s->button("CmdAlterUser"));
        QCOMPARE(s->context.sink.messages, messages);
        QCOMPARE(s->context.sink.errors.size(), serverText.isEmpty() ? 0 : 1);
        if (!serverText.isEmpty())
            QVERIFY2(s->context.sink.errors.first().contains(serverText), qPrintable(s->context.sink.errors.first()));
        QVERIFY(s->canLogIn(user, "old"));
    }
};

QTEST_MAIN(FrmAddRemUsersTest)
#include "tst_frmaddremusers.moc"
