// The Create Database screen driven by its controls: the live composition, the
// show and close resets, the checks before any tool runs, and databases made
// for real by Firebird's own isql and gsec, here (the embedded engine) and on
// the loopback test server.
#include "app/IsqlLocationFile.h"
#include "app/ui/Screens.h"
#include "app/ui/TEdit.h"
#include "app/ui/TMemo.h"
#include "app/ui/TRadioGroup.h"
#include "createdb/CreateDbStatements.h"
#include "createdb/PrivateFile.h"
#include "createdb/ui/TFrmCreateDB.h"
#include "session/DbError.h"
#include "session/TSQLQuery.h"
#include "session/ui/TFrmOpen.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UiDriver.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

using testfiles::modeOf;
using testfiles::readAll;
using testfiles::writeAll;

namespace {

const QString NotCreatedTail = QStringLiteral("Try a differnent password, or reset the ISQL.EXE location.");

QString uniqueName(const char *prefix)
{
    return QString::fromLatin1(prefix) + QString::number(QRandomGenerator::global()->generate(), 36).toUpper();
}

QString mayNotHaveBeenCreated(const QString &name)
{
    return "Database " + name + " may not have been created!\r\nNOTE:Due to network timing it advisable to check \r\n"
                                "manually for the existence of the file. If the file does\r\nnot exist, try a different password.";
}

// The real tools; while gsec runs it is held still and every process's
// command line on the machine is read, looking for the secret.
class WatchingLauncher : public QtProcessLauncher {
public:
    QByteArray secret;
    bool sawGsec = false;      // gsec's own command line was among those read
    bool secretSeen = false;
    QString passwordFile;
    int passwordFileMode = -1;

protected:
    void running(qint64 pid, const QString &program, const QStringList &arguments) override
    {
        if (QFileInfo(program).fileName() != "gsec")
            return;
        ::kill(pid_t(pid), SIGSTOP);
        for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
            bool number = false;
            const qint64 other = entry.toLongLong(&number);
            if (!number)
                continue;
            QFile file("/proc/" + entry + "/cmdline");
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray line = file.readAll();
            secretSeen = secretSeen || line.contains(secret);
            sawGsec = sawGsec || (other == pid && line.contains("-fetch_password"));
        }
        passwordFile = arguments.value(arguments.indexOf("-fetch_password") + 1);
        passwordFileMode = modeOf(passwordFile);
        ::kill(pid_t(pid), SIGCONT);
    }
};

}

class FrmCreateDbTest : public QObject {
    Q_OBJECT

    QString m_startFolder;
    QTemporaryDir m_firebirdRoot; // the tools' own Firebird set-up, with a security database of its own
    std::unique_ptr<TestDatabase> m_serverDb; // an administrator's way onto the test server
    QStringList m_serverUsers;                // made there by a test, removed after it
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<TestContext> m_context;
    std::unique_ptr<Screens> m_screens;
    TFrmCreateDB *m_screen = nullptr;
    QtProcessLauncher m_realTools;

    TEdit *edit(const char *name) { return ui::find<TEdit>(m_screen, name); }
    TRadioGroup *radio(const char *name) { return ui::find<TRadioGroup>(m_screen, name); }
    QString memo() { return ui::find<TMemo>(m_screen, "MmoSQL")->Text(); }
    bool createEnabled() { return ui::find<QPushButton>(m_screen, "CmdCreate")->isEnabled(); }
    void create() { ui::click(ui::find<QPushButton>(m_screen, "CmdCreate")); }
    QString work(const QString &name) const { return QDir(m_work->path()).filePath(name); }
    ScriptedProcesses &scripted() { return m_context->launcher; }
    QString serverHost() const { return m_serverDb->host(); }
    QString serverPort() const { return m_serverDb->port(); }

    void show()
    {
        m_screen->hide();
        m_screen->show();
    }

    // Chooses the options and types the edits as a user would.
    void fill(bool namedOwner, bool remote, const QString &owner, const QString &password, const QString &path,
              const QString &adminPassword = {}, const QString &host = {}, const QString &port = {})
    {
        ui::clickRadio(radio("RdoLocRem"), remote ? 1 : 0);
        if (remote) {
            ui::type(edit("TxtHost"), host);
            ui::type(edit("TxtPort"), port);
        }
        ui::clickRadio(radio("RdoCreateDB"), namedOwner ? 1 : 0);
        if (namedOwner) {
            ui::type(edit("TxtOwner"), owner);
            ui::type(edit("TxtAdminPW"), adminPassword);
        }
        ui::type(edit("TxtPWD"), password);
        ui::type(edit("TxtDBName"), path);
    }

    // The owner Firebird keeps for the database, read as its administrator.
    QString ownerOf(const QString &host, const QString &port, const QString &path, const QString &password)
    {
        TSQLConnection connection;
        connection.Params.setValue("hostname", host);
        connection.Params.setValue("Port", port);
        connection.Params.setValue("database", path);
        connection.Params.setValue("user_name", "SYSDBA");
        connection.Params.setValue("Password", password);
        TSQLQuery query(&connection);
        query.SQL = "SELECT MON$OWNER FROM MON$DATABASE";
        query.Open();
        return query.Fields(0).AsString().trimmed();
    }

    // Whether this machine's security database (the tools' own here) knows the user.
    bool localUserExists(const QString &user)
    {
        const PasswordFile password("any"); // the embedded engine does not check it
        QProcess gsec;
        gsec.setStandardInputFile(QProcess::nullDevice());
        gsec.start("/usr/bin/gsec", gsecDisplayArguments(password.path(), QString(), user));
        [&] { QVERIFY(gsec.waitForFinished(30000)); }();
        return gsecListsUser(QString::fromLocal8Bit(gsec.readAll()), user);
    }
    bool serverUserExists(const QString &user)
    {
        return m_serverDb->column("SELECT SEC$USER_NAME FROM SEC$USERS WHERE SEC$USER_NAME = '" + user + "'").size() == 1;
    }

    bool needServer()
    {
        if (m_serverDb)
            return true;
        QTest::qSkip("no loopback test server is running", __FILE__, __LINE__);
        return false;
    }

    // A folder in which no file can be made, whoever runs the test.
    QString unwritableFolder()
    {
        if (geteuid() == 0)
            return "/proc/"; // no one makes files there, not even root
        const QString folder = work("locked");
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        return folder + "/";
    }

private slots:
    void initTestCase()
    {
        m_startFolder = QDir::currentPath();
        // The tools (and this process's embedded engine) get a Firebird set-up
        // of their own, so that gsec adding a local owner never touches the
        // machine's security database.
        const QString root = m_firebirdRoot.path();
        const QString installed = "/usr/lib/x86_64-linux-gnu/firebird/3.0/";
        for (const char *part : {"firebird.msg", "intl", "lib", "plugins", "UDF", "plugins.conf", "fbtrace.conf"}) {
            if (QFileInfo::exists(installed + part))
                QCOMPARE(QProcess::execute("cp", {"-rL", installed + part, root + "/" + part}), 0);
        }
        QVERIFY(QDir(root).mkpath("lock") && QDir(root).mkpath("system"));
        QVERIFY(QFile::copy("/var/lib/firebird/3.0/system/security3.fdb", root + "/system/security3.fdb"));
        QVERIFY(QFile::setPermissions(root + "/system/security3.fdb", QFile::ReadOwner | QFile::WriteOwner));
        writeAll(root + "/firebird.conf", "SecurityDatabase = " + QFile::encodeName(root) + "/system/security3.fdb\n");
        qputenv("FIREBIRD", QFile::encodeName(root));
        qputenv("FIREBIRD_LOCK", QFile::encodeName(root + "/lock"));

        if (TestDatabase::serverAvailable())
            m_serverDb = TestDatabase::server();
    }
    void cleanupTestCase()
    {
        QDir::setCurrent(m_startFolder);
        m_serverDb.reset();
    }

    void init()
    {
        m_work = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_work->path()));
        IsqlLocationFile().writeFolder("/usr/bin/");
        m_context = std::make_unique<TestContext>();
        m_screens = std::make_unique<Screens>(*m_context);
        m_screen = &m_screens->get<TFrmCreateDB>();
        m_screen->show();
        m_context->sink.clear();
    }
    void cleanup()
    {
        m_screens.reset();
        m_context.reset();
        QDir::setCurrent(m_startFolder);
        QFile::setPermissions(work("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_work.reset();
        for (const QString &user : std::as_const(m_serverUsers)) {
            for (const QString &sql : {"REVOKE CREATE DATABASE FROM USER " + user, "DROP USER " + user}) {
                try {
                    m_serverDb->exec({sql});
                } catch (const DbError &) {
                    // never made, or already gone
                }
            }
        }
        m_serverUsers.clear();
    }

    void controlsAsShown()
    {
        QCOMPARE(m_screen->windowTitle(), QString("Create Firebird Database"));
        QCOMPARE(radio("RdoCreateDB")->Items(),
                 QStringList({"Create Database for Administrator", "Create Database With Named Owner"}));
        QCOMPARE(radio("RdoCreateDB")->ItemIndex(), -1);
        QCOMPARE(radio("RdoLocRem")->Items(), QStringList({"Local Connection", "Remote Connection"}));
        QCOMPARE(radio("RdoLocRem")->ItemIndex(), 0);
        QCOMPARE(ui::find<QPushButton>(m_screen, "CmdCpyClip")->text(),
                 QString("Copy Probosed Command Line to Clipboard"));
        for (const char *name : {"TxtOwner", "TxtDBName", "TxtHost", "TxtPort", "TxtAdminPW"})
            QVERIFY2(!edit(name)->isEnabled(), name);
        QVERIFY(edit("TxtPWD")->isEnabled() && edit("TxtPgSize")->isEnabled());
        QVERIFY(!createEnabled());
        QVERIFY(!ui::find<TMemo>(m_screen, "MmoSQL")->isEnabled());
        QCOMPARE(edit("TxtAdminPW")->echoMode(), QLineEdit::Normal); // shown in clear
    }

    void createNeedsOwnerPathAndPassword_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all three") << "BOB" << "pw" << "/x.fdb" << true;
        QTest::newRow("blank owner") << "  " << "pw" << "/x.fdb" << false;
        QTest::newRow("blank password") << "BOB" << " " << "/x.fdb" << false;
        QTest::newRow("no path") << "BOB" << "pw" << "" << false;
    }
    void createNeedsOwnerPathAndPassword()
    {
        QFETCH(QString, owner);
        QFETCH(QString, password);
        QFETCH(QString, path);
        QFETCH(bool, enabled);
        fill(true, false, owner, password, path, "adm");
        QCOMPARE(createEnabled(), enabled);
        QVERIFY(memo().endsWith(" page_size 8192 USER '" + owner.trimmed() + "' PASSWORD '" + password.trimmed() + "';"));
    }

    void adminPasswordShowsAsStars()
    {
        fill(true, false, "BOB", "secret", "/data/x.fdb", "abc");
        QCOMPARE(memo(), QString("gsec -user SYSDBA -password *** -add BOB -pw secret;\r\n"
                                 "CREATE DATABASE '/data/x.fdb' page_size 8192 USER 'BOB' PASSWORD 'secret';"));
        QCOMPARE(m_screen->GsecArguments, QString(" -user SYSDBA -password abc -add BOB -pw secret"));
        // The administrator option drops the gsec line; its arguments stay as they were.
        ui::clickRadio(radio("RdoCreateDB"), 0);
        QCOMPARE(memo(), QString("CREATE DATABASE '/data/x.fdb' page_size 8192 USER 'SYSDBA' PASSWORD 'secret';"));
        QCOMPARE(m_screen->GsecArguments, QString(" -user SYSDBA -password abc -add BOB -pw secret"));
    }

    void switchingOwnerOptionsKeepsTheTypedOwner()
    {
        fill(true, false, "BOB", "pw", "/x.fdb", "adm");
        ui::clickRadio(radio("RdoCreateDB"), 0);
        QCOMPARE(edit("TxtOwner")->text(), QString("SYSDBA"));
        QVERIFY(!edit("TxtOwner")->isEnabled() && !edit("TxtAdminPW")->isEnabled());
        ui::clickRadio(radio("RdoCreateDB"), 1);
        QCOMPARE(edit("TxtOwner")->text(), QString("BOB"));
        QVERIFY(edit("TxtOwner")->isEnabled() && edit("TxtAdminPW")->isEnabled());
        QVERIFY(memo().contains("USER 'BOB'"));

        // Kept for the run: closed and shown again, the named owner comes back.
        ui::clickRadio(radio("RdoCreateDB"), 0);
        show();
        QCOMPARE(edit("TxtOwner")->text(), QString());
        ui::clickRadio(radio("RdoCreateDB"), 1);
        QCOMPARE(edit("TxtOwner")->text(), QString("BOB"));
    }

    void hostAndPortCountOnlyWhenRemote()
    {
        fill(false, false, "SYSDBA", "pw", "/srv/x.fdb");
        const QString local = memo();
        edit("TxtHost")->setText("db.example"); // disabled for typing; as if typed
        edit("TxtPort")->setText("3051");
        QCOMPARE(memo(), local);
        ui::clickRadio(radio("RdoLocRem"), 1);
        QVERIFY(edit("TxtHost")->isEnabled() && edit("TxtPort")->isEnabled());
        QCOMPARE(memo(), QString("CREATE DATABASE 'db.example/3051:/srv/x.fdb' page_size 8192 USER 'SYSDBA' PASSWORD 'pw';"));
        ui::type(edit("TxtPort"), "  ");
        QCOMPARE(memo(), QString("CREATE DATABASE 'db.example/:/srv/x.fdb' page_size 8192 USER 'SYSDBA' PASSWORD 'pw';"));
        ui::type(edit("TxtPort"), "");
        QCOMPARE(memo(), QString("CREATE DATABASE 'db.example:/srv/x.fdb' page_size 8192 USER 'SYSDBA' PASSWORD 'pw';"));
        ui::clickRadio(radio("RdoLocRem"), 0);
        QCOMPARE(memo(), local);
        QVERIFY(!edit("TxtHost")->isEnabled() && !edit("TxtPort")->isEnabled());
    }

    void showAndCloseReset()
    {
        m_context->session.SysdbaPassword = "session-pw";
        show();
        QCOMPARE(edit("TxtAdminPW")->text(), QString("session-pw"));
        fill(true, true, "BOB", "pw", "/x.fdb", "typed-admin", "db.example", "3051");
        ui::type(edit("TxtPgSize"), "16384");
        const QString composed = memo();
        m_screen->close();
        QCOMPARE(radio("RdoLocRem")->ItemIndex(), 0);
        QCOMPARE(edit("TxtAdminPW")->text(), QString());

        m_context->session.SysdbaPassword.clear();
        m_screen->show();
        // Kept: the owner's password, page size, host and port; the memo as last composed.
        QCOMPARE(edit("TxtPWD")->text(), QString("pw"));
        QCOMPARE(edit("TxtPgSize")->text(), QString("16384"));
        QCOMPARE(edit("TxtHost")->text(), QString("db.example"));
        QCOMPARE(edit("TxtPort")->text(), QString("3051"));
        QVERIFY(!edit("TxtHost")->isEnabled());
        QVERIFY2(memo().startsWith("gsec -user SYSDBA -password  -add  -pw pw;"), qPrintable(memo()));
        QVERIFY(composed != memo());
        // Reset: owner and path emptied and disabled, no owner option, nothing to create.
        QCOMPARE(edit("TxtOwner")->text(), QString());
        QCOMPARE(edit("TxtDBName")->text(), QString());
        QVERIFY(!edit("TxtOwner")->isEnabled() && !edit("TxtDBName")->isEnabled() && !edit("TxtAdminPW")->isEnabled());
        QCOMPARE(radio("RdoCreateDB")->ItemIndex(), -1);
        QVERIFY(!createEnabled());
        QVERIFY(m_context->sink.messages.isEmpty());
    }

    void browseAndCopy()
    {
        ui::clickRadio(radio("RdoCreateDB"), 0);
        m_context->dialogs.nextFile = "/data/new.FBD";
        ui::click(ui::find<QPushButton>(m_screen, "CmdDBBrowse"));
        QCOMPARE(edit("TxtDBName")->text(), QString("/data/new.FBD"));
        ui::type(edit("TxtDBName"), "/typed.fdb");
        m_context->dialogs.nextFile.clear(); // cancelled: the earlier choice
        ui::click(ui::find<QPushButton>(m_screen, "CmdDBBrowse"));
        QCOMPARE(edit("TxtDBName")->text(), QString("/data/new.FBD"));
        ui::type(edit("TxtPWD"), "pw");
        ui::click(ui::find<QPushButton>(m_screen, "CmdCpyClip"));
        QCOMPARE(m_context->clip.text(),
                 QString("CREATE DATABASE '/data/new.FBD' page_size 8192 USER 'SYSDBA' PASSWORD 'pw';"));
    }

    void unknownToolsFolderIsAskedFor_data()
    {
        QTest::addColumn<QByteArray>("file");     // isqlLocation.txt; "<none>": absent
        QTest::addColumn<QString>("known");       // IsqlFolder before
        QTest::addColumn<QStringList>("answers"); // the file dialog per showing of the location screen; "<close>": none
        QTest::addColumn<int>("mustSelect");      // how often "Must select the ISQL.EXE file!!"
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("missing, picked at once") << QByteArray("<none>") << "" << QStringList{"/usr/bin/isql-fb"} << 0
                                                 << QByteArray("/usr/bin/\r\n");
        QTest::newRow("missing, two cancels first") << QByteArray("<none>") << "" << QStringList{"", "", "/opt/fb/isql"}
                                                    << 2 << QByteArray("/opt/fb/\r\n");
        QTest::newRow("empty file") << QByteArray("") << "" << QStringList{"/usr/bin/isql-fb"} << 0
                                    << QByteArray("/usr/bin/\r\n");
        QTest::newRow("missing, folder known, closed") << QByteArray("<none>") << "/usr/bin/" << QStringList{"<close>"} << 0
                                                       << QByteArray("/usr/bin/\r\n");
    }
    void unknownToolsFolderIsAskedFor()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, known);
        QFETCH(QStringList, answers);
        QFETCH(int, mustSelect);
        QFETCH(QByteArray, after);
        QFile::remove(IsqlLocationFile::FileName);
        if (file != "<none>")
            writeAll(IsqlLocationFile::FileName, file);
        m_context->session.IsqlFolder = known;
        m_context->screens.onModal = [&](Screen &location) {
            const QString answer = answers.isEmpty() ? "/usr/bin/isql-fb" : answers.takeFirst();
            m_context->dialogs.nextFile = answer;
            if (answer != "<close>")
                ui::click(ui::find<QPushButton>(&location, "CmdDBBrowse"));
            if (location.isVisible())
                location.reject();
        };
        show();
        QStringList expected{"Cannot find ISQL.EXE file! You will be redirected to\r\n"
                             "another form where you must locate and open\r\n"
                             " this file. You will only be required to do this once."};
        for (int i = 0; i < mustSelect; ++i)
            expected << "Must select the ISQL.EXE file!!";
        QCOMPARE(m_context->sink.messages, expected);
        QCOMPARE(int(m_context->screens.shown.size()), mustSelect + 1);
        QCOMPARE(m_context->screens.shown[0].name, QString("TFrmisqlLocation"));
        QCOMPARE(readAll(IsqlLocationFile::FileName), after);

        // Known from now on: the next showing asks nothing.
        m_context->sink.clear();
        show();
        QVERIFY(m_context->sink.messages.isEmpty());
    }

    void refusedBeforeAnyTool_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("local file exists") << "exists" << "Database old.fdb already exists!";
        QTest::newRow("named owner, no administration password")
            << "no admin password" << "This action requires entry of the SYSDBA password!";
        QTest::newRow("remote without host")
            << "no host" << "Host name must be filled in\r\nwhen creating a remote database.";
        QTest::newRow("tools folder without isql")
            << "no isql" << "Database new.fdb was not created!\r\n" + NotCreatedTail + "\r\nThere is no isql-fb or isql program in <tools>.";
        QTest::newRow("tools folder without gsec")
            << "no gsec" << "Database new.fdb was not created!\r\n" + NotCreatedTail + "\r\nThere is no gsec program in <tools>.";
        QTest::newRow("unwritable folder") << "unwritable" << "Database new.fdb was not created!\r\n" + NotCreatedTail
                                                                   + "\r\nCannot create <path>: ";
    }
    void refusedBeforeAnyTool()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        QString path = work("new.fdb");
        QString tools = "/usr/bin/";
        if (situation == "exists") {
            path = work("old.fdb");
            writeAll(path, "not touched");
        } else if (situation == "unwritable") {
            path = unwritableFolder() + "new.fdb";
        } else if (situation == "no isql" || situation == "no gsec") {
            tools = work("tools") + "/";
            QDir().mkpath(tools);
            if (situation == "no gsec") {
                QVERIFY(QFile::copy("/usr/bin/isql-fb", tools + "isql-fb"));
                QVERIFY(QFile::setPermissions(tools + "isql-fb", QFile::ReadOwner | QFile::ExeOwner));
            }
            IsqlLocationFile().writeFolder(tools);
        }
        const bool named = situation != "exists" && situation != "no isql";
        m_context->session.SysdbaPassword = "before";
        fill(named, situation == "no host", "BOB", "pw", path, situation == "no admin password" ? "" : "adm");
        create();
        message.replace("<tools>", tools).replace("<path>", path);
        QCOMPARE(m_context->sink.messages.size(), 1);
        QVERIFY2(m_context->sink.messages[0].startsWith(message), qPrintable(m_context->sink.messages[0]));
        QVERIFY(m_context->sink.errors.isEmpty());
        QVERIFY(scripted().calls.empty());
        QCOMPARE(QFileInfo::exists(path), situation == "exists");
        if (situation == "exists")
            QCOMPARE(readAll(path), QByteArray("not touched"));
        // The script is written before the checks, owner-only.
        QVERIFY(readAll(TFrmCreateDB::ScriptFile).contains("CREATE DATABASE"));
        QCOMPARE(modeOf(TFrmCreateDB::ScriptFile), 0600);
        if (situation == "no admin password") {
            QCOMPARE(m_screen->focusWidget(), static_cast<QWidget *>(edit("TxtAdminPW")));
            QCOMPARE(m_context->session.SysdbaPassword, QString());
        }
    }

    void unreadableLocationFileStopsEverything_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("emptied") << QByteArray();
        QTest::newRow("removed") << QByteArray("<none>");
    }
    void unreadableLocationFileStopsEverything()
    {
        QFETCH(QByteArray, file);
        fill(false, false, "SYSDBA", "pw", work("new.fdb"));
        QFile::remove(IsqlLocationFile::FileName);
        if (file != "<none>")
            writeAll(IsqlLocationFile::FileName, file);
        create();
        QCOMPARE(m_context->sink.errors.size(), 1);
        QVERIFY2(m_context->sink.errors[0].contains("isqlLocation.txt"), qPrintable(m_context->sink.errors[0]));
        QVERIFY(m_context->sink.messages.isEmpty());
        QVERIFY(scripted().calls.empty());
        QVERIFY(!QFile::exists(TFrmCreateDB::ScriptFile));
    }

    void failingToolIsReported_data()
    {
        QTest::addColumn<bool>("namedOwner");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<int>("failingCall"); // which run fails; the ones before succeed
        QTest::addColumn<int>("how");         // 0 exit status 1, 1 still running at the bound, 2 not started
        QTest::addColumn<QString>("detail");
        QTest::newRow("isql fails") << false << false << 0 << 0
                                    << "isql-fb failed (exit status 1):\r\nStatement failed\r\n-File exists";
        QTest::newRow("isql runs on") << false << false << 0 << 1
                                      << "isql-fb did not finish within 60 seconds and was stopped.";
        QTest::newRow("isql does not start") << false << false << 0 << 2 << "isql-fb could not be started: denied";
        QTest::newRow("gsec listing fails") << true << false << 0 << 0
                                            << "gsec failed (exit status 1):\r\nStatement failed\r\n-File exists";
        QTest::newRow("gsec add fails") << true << false << 1 << 0
                                        << "gsec failed (exit status 1):\r\nStatement failed\r\n-File exists";
        QTest::newRow("remote isql runs on") << false << true << 0 << 1
                                             << "isql-fb did not finish within 60 seconds and was stopped.";
    }
    void failingToolIsReported()
    {
        QFETCH(bool, namedOwner);
        QFETCH(bool, remote);
        QFETCH(int, failingCall);
        QFETCH(int, how);
        QFETCH(QString, detail);
        for (int i = 0; i < failingCall; ++i)
            scripted().answers.push_back({true, true, 0, {}});
        ProcessLauncher::Result failure{true, true, 1,
                                        "Use CONNECT or CREATE DATABASE to specify a database\nStatement failed\n-File exists\n"};
        if (how == 1)
            failure = {true, false, -1, {}};
        if (how == 2)
            failure = {false, false, -1, "denied"};
        scripted().answers.push_back(failure);
        const QString path = work("new.fdb");
        // Nothing listens on port 1, so the remote database is not there before.
        fill(namedOwner, remote, "BOB", "pw", path, "adm", "127.0.0.1", "1");
        create();
        QCOMPARE(int(scripted().calls.size()), failingCall + 1);
        for (const auto &call : scripted().calls)
            QCOMPARE(call.timeoutMs, 60000);
        const QString head = remote && how == 1 ? mayNotHaveBeenCreated("new.fdb")
                                                : "Database new.fdb was not created!\r\n" + NotCreatedTail;
        QCOMPARE(m_context->sink.messages, QStringList{head + "\r\n" + detail});
        QVERIFY(!QFile::exists(path));
    }

    void createsForReal_data()
    {
        QTest::addColumn<bool>("namedOwner");
        QTest::addColumn<bool>("remote");
        QTest::newRow("local, administrator") << false << false;
        QTest::newRow("local, named owner") << true << false;
        QTest::newRow("remote, administrator") << false << true;
        QTest::newRow("remote, named owner") << true << true;
    }
    void createsForReal()
    {
        QFETCH(bool, namedOwner);
        QFETCH(bool, remote);
        if (remote && !needServer())
            return;
        m_context->processes = &m_realTools;
        const QString adminPassword = remote ? m_serverDb->password() : "any";
        const QString owner = namedOwner ? uniqueName("K14_") : "SYSDBA";
        if (namedOwner && remote)
            m_serverUsers << owner;
        // A quote in the owner's password must survive the script.
        const QString password = namedOwner ? "it's" : adminPassword;
        const QString path = work("made.fdb");
        ui::type(edit("TxtPgSize"), "16384");
        fill(namedOwner, remote, owner.toLower(), password, path, adminPassword,
             remote ? serverHost() : "", remote ? serverPort() : "");
        create();
        QCOMPARE(m_context->sink.messages, QStringList{"Database made.fdb successfully created!"});
        QVERIFY(m_context->sink.errors.isEmpty());
        QVERIFY(QFile::exists(path));
        const QString host = remote ? serverHost() : "embedded";
        QCOMPARE(ownerOf(host, remote ? serverPort() : "", path, adminPassword), owner);
        if (namedOwner)
            QVERIFY(remote ? serverUserExists(owner) : localUserExists(owner));
        if (namedOwner)
            QCOMPARE(m_context->session.SysdbaPassword, adminPassword);

        // The script as run, kept, owner-only: the owner's password, never the administrator's.
        const QByteArray script = readAll(TFrmCreateDB::ScriptFile);
        QCOMPARE(script, createDbScriptText(memo()).toUtf8());
        QVERIFY(script.contains("page_size 16384"));
        QCOMPARE(modeOf(TFrmCreateDB::ScriptFile), 0600);
        if (namedOwner)
            QVERIFY(!script.contains(("-password " + adminPassword).toUtf8()));

        // A second database for the same owner: the owner is there already.
        m_context->sink.clear();
        ui::type(edit("TxtDBName"), work("second.fdb"));
        create();
        QCOMPARE(m_context->sink.messages, QStringList{"Database second.fdb successfully created!"});
    }

    void remoteOwnerOpensThroughOpenConnection()
    {
        if (!needServer())
            return;
        m_context->processes = &m_realTools;
        const QString owner = uniqueName("K14_");
        m_serverUsers << owner;
        const QString path = work("theirs.fdb");
        fill(true, true, owner, "ownerpw", path, m_serverDb->password(), serverHost(), serverPort());
        create();
        QCOMPARE(m_context->sink.messages, QStringList{"Database theirs.fdb successfully created!"});

        auto &open = m_screens->get<TFrmOpen>();
        open.show();
        ui::type(ui::find<TEdit>(&open, "TxtConnName"), "Theirs");
        ui::type(ui::find<TEdit>(&open, "TxtHostName"), serverHost());
        ui::type(ui::find<TEdit>(&open, "TxtDBName"), path);
        ui::type(ui::find<TEdit>(&open, "TxtUserName"), owner);
        ui::type(ui::find<TEdit>(&open, "TxtPassword"), "ownerpw");
        ui::type(ui::find<TEdit>(&open, "TxtPort"), serverPort());
        ui::click(ui::find<QPushButton>(&open, "CmdFinish"));
        QCOMPARE(ui::find<QLabel>(&open, "LblConnState")->text(), QString("Connected"));
        TSQLQuery query(m_context->session.SessionConnection.get());
        query.SQL = "SELECT MON$OWNER, CURRENT_USER FROM MON$DATABASE";
        query.Open();
        QCOMPARE(query.Fields(0).AsString().trimmed(), owner);
        QCOMPARE(query.Fields(1).AsString().trimmed(), owner);
    }

    void wrongAdminPasswordMakesNothing()
    {
        if (!needServer())
            return;
        m_context->processes = &m_realTools;
        const QString owner = uniqueName("K14_");
        const QString path = work("never.fdb");
        fill(true, true, owner, "ownerpw", path, "wrong-password", serverHost(), serverPort());
        create();
        QCOMPARE(m_context->sink.messages.size(), 1);
        const QString message = m_context->sink.messages[0];
        QVERIFY2(message.startsWith("Database never.fdb was not created!\r\n" + NotCreatedTail + "\r\n"),
                 qPrintable(message));
        QVERIFY2(message.contains("password"), qPrintable(message)); // the server's own words
        QVERIFY(!QFile::exists(path));
        QVERIFY(!serverUserExists(owner));
    }

    void remoteDatabaseThereAlready()
    {
        if (!needServer())
            return;
        fill(false, true, "SYSDBA", m_serverDb->password(), m_serverDb->path(), "", serverHost(), serverPort());
        create();
        QCOMPARE(m_context->sink.messages, QStringList{"Database test.fdb already exists!"});
        QVERIFY(scripted().calls.empty());
    }

    void adminPasswordNeverOnACommandLine()
    {
        WatchingLauncher watcher;
        watcher.secret = uniqueName("adm-").toUtf8();
        m_context->processes = &watcher;
        const QString owner = uniqueName("K14_");
        fill(true, false, owner, "ownerpw", work("watched.fdb"), QString::fromUtf8(watcher.secret));
        create();
        QCOMPARE(m_context->sink.messages, QStringList{"Database watched.fdb successfully created!"});
        QVERIFY(watcher.sawGsec);
        QVERIFY(!watcher.secretSeen);
        QCOMPARE(watcher.passwordFileMode, 0600);
        QVERIFY(!QFile::exists(watcher.passwordFile));
        QVERIFY(!readAll(TFrmCreateDB::ScriptFile).contains(watcher.secret));
    }
};

QTEST_MAIN(FrmCreateDbTest)
#include "tst_frmcreatedb.moc"
