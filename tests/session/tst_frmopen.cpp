// The Open Connection screen driven by its controls, against real Firebird
// databases (embedded, and over the loopback test server) and a stored
// connections file in a working folder of the test's own.
#include "app/ui/TComboBox.h"
#include "app/ui/TEdit.h"
#include "session/ui/TFrmOpen.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UiDriver.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using testfiles::readAll;
using testfiles::writeAll;

const QString BlankFields = QStringLiteral("Text boxes: Connection name, Host name, Database name, \r\n"
                                           "User name and Password can not be blank!");
const QString Failed = QStringLiteral("Error incorrect connection data");

}

class FrmOpenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_work;
    QString m_startFolder;
    std::unique_ptr<TestContext> m_context;
    std::unique_ptr<TFrmOpen> m_screen;

    const QString iniPath = QStringLiteral("Settings/dbxconnections.ini");

    TFrmOpen &screen() { return *m_screen; }
    TEdit *edit(const char *name) { return ui::find<TEdit>(m_screen.get(), name); }
    TComboBox *combo(const char *name) { return ui::find<TComboBox>(m_screen.get(), name); }
    QString state() { return ui::find<QLabel>(m_screen.get(), "LblConnState")->text(); }
    QStringList fiveFields()
    {
        return {edit("TxtHostName")->text(), edit("TxtDBName")->text(), edit("TxtUserName")->text(),
                edit("TxtPassword")->text(), edit("TxtPort")->text()};
    }
    void finish() { ui::click(ui::find<QPushButton>(m_screen.get(), "CmdFinish")); }

    // Shows the screen again, as the main menu's button does.
    void show()
    {
        m_screen->hide();
        m_screen->show();
    }

    void typeConnection(const QString &name, const QString &host, const QString &database, const QString &user,
                        const QString &password, const QString &port)
    {
        ui::type(edit("TxtConnName"), name);
        ui::type(edit("TxtHostName"), host);
        ui::type(edit("TxtDBName"), database);
        ui::type(edit("TxtUserName"), user);
        ui::type(edit("TxtPassword"), password);
        ui::type(edit("TxtPort"), port);
    }
    void typeConnection(const QString &name, const TestDatabase &db)
    {
        typeConnection(name, db.host(), db.path(), db.user(), db.password(), db.port().isEmpty() ? "3050" : db.port());
    }

    std::unique_ptr<TestDatabase> database()
    {
        QFETCH(QString, where);
        auto db = TestDatabase::make(where);
        if (db->isValid())
            return db;
        QTest::qSkip("no loopback test server is running", __FILE__, __LINE__);
        return nullptr; // the caller returns at once
    }
    static void bothPlaces()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("embedded") << "embedded";
        QTest::newRow("server") << "server";
    }

private slots:
    void initTestCase() { m_startFolder = QDir::currentPath(); }
    void cleanupTestCase() { QDir::setCurrent(m_startFolder); }

    void init()
    {
        m_work = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_work->path()).mkdir("Settings"));
        QVERIFY(QDir::setCurrent(m_work->path()));
        m_context = std::make_unique<TestContext>();
        m_screen = std::make_unique<TFrmOpen>(*m_context);
    }
    void cleanup()
    {
        m_screen.reset();
        m_context.reset();
        QDir::setCurrent(m_startFolder);
        m_work.reset();
    }

    void showsEmptyFieldsAndStoredNames()
    {
        writeAll(iniPath, "[Second]\r\nhostname=h\r\n[First]\r\n");
        QVERIFY(!m_context->session.SessionConnection);
        screen().show();
        QVERIFY(m_context->session.SessionConnection); // made by the first showing
        QCOMPARE(combo("CmbConns")->count(), 2);
        QCOMPARE(combo("CmbConns")->itemText(0), QString("Second"));
        QCOMPARE(combo("CmbConns")->itemText(1), QString("First"));

        // What was typed is gone on the next showing, and names stored meanwhile appear.
        typeConnection("x", "h", "d", "u", "pwd", "1");
        QCOMPARE(edit("TxtPassword")->displayText(), QString("***"));
        combo("CmbCreate")->lineEdit()->setText("True");
        writeAll(iniPath, "[Second]\r\n[First]\r\n[Third]\r\n");
        show();
        QCOMPARE(edit("TxtConnName")->text(), QString());
        QCOMPARE(fiveFields(), QStringList({"", "", "", "", "3050"}));
        QCOMPARE(combo("CmbCreate")->Text(), QString("False"));
        QCOMPARE(combo("CmbConns")->Text(), QString());
        QCOMPARE(combo("CmbConns")->count(), 3);
        QCOMPARE(state(), QString());
        QCOMPARE(screen().ConnectionsFile, iniPath);
    }

    void pickFillsTheFiveFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("every key") << "Full" << QStringList{"host", "/db.fdb", "SYSDBA", "pw", "3051"};
        QTest::newRow("entry without Port") << "NoPort" << QStringList{"host", "/db.fdb", "SYSDBA", "pw", ""};
        QTest::newRow("Hostname with a capital") << "Capital" << QStringList{"", "/db.fdb", "", "", ""};
        QTest::newRow("section without keys") << "Bare" << QStringList{"", "", "", "", ""};
        QTest::newRow("duplicated keys and sections") << "Dup" << QStringList{"second", "", "", "", ""};
        QTest::newRow("non-ascii name and value") << "Bäckerei" << QStringList{"hôst", "/dätä.fdb", "", "", ""};
        QTest::newRow("line as long as an edit holds") << "Long" << QStringList{QString(32767, 'h'), "", "", "", ""};
    }
    void pickFillsTheFiveFields()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, fields);
        const QByteArray file =
            "[Full]\r\ndrivername=Firebird\r\nPassword=pw\r\nuser_name=SYSDBA\r\nPort=3051\r\nreadonlydb=False\r\n"
            "database=/db.fdb\r\nhostname=host\r\n\n\r\n"
            "[NoPort]\nhostname = host\ndatabase=/db.fdb\nuser_name=SYSDBA\nPassword=pw\n"
            "[Capital]\nHostname=host\ndatabase=/db.fdb\nUSER_NAME=SYSDBA\npassword=pw\n"
            "[Bare]\n"
            "[Dup]\nhostname=first\nhostname=second\n[dup]\nhostname=third\n"
            "[Bäckerei]\nhostname=hôst\ndatabase=/dätä.fdb\n"
            "[Long]\nhostname=" + QByteArray(32767, 'h') + "\n";
        writeAll(iniPath, file);
        screen().show();
        QCOMPARE(combo("CmbConns")->count(), 7);
        combo("CmbCreate")->lineEdit()->setText("True");
        ui::type(edit("TxtPort"), "9999");
        ui::pick(combo("CmbConns"), name);
        QCOMPARE(edit("TxtConnName")->text(), name);
        QCOMPARE(fiveFields(), fields);
        QCOMPARE(combo("CmbCreate")->Text(), QString("False"));
        QCOMPARE(readAll(iniPath), file); // reading wrote nothing
    }

    void typingANameReloadsOnEveryKeystroke()
    {
        writeAll(iniPath, "[Ab]\r\nhostname=h\r\ndatabase=d\r\nuser_name=u\r\nPassword=p\r\nPort=1\r\n");
        screen().show();
        QLineEdit *typed = combo("CmbConns")->lineEdit();
        typed->setFocus();
        const struct {
            char key;
            const char *name;
            QStringList fields;
        } steps[] = {
            {'A', "A", {"", "", "", "", ""}},
            {'b', "Ab", {"h", "d", "u", "p", "1"}},
            {'c', "Abc", {"", "", "", "", ""}},
        };
        for (const auto &step : steps) {
            QTest::keyClick(typed, step.key);
            QCOMPARE(edit("TxtConnName")->text(), QString(step.name));
            QCOMPARE(fiveFields(), step.fields);
        }
        QTest::keyClick(typed, Qt::Key_Backspace);
        QCOMPARE(fiveFields(), QStringList({"h", "d", "u", "p", "1"}));
    }

    void emptyPortThenBlankFieldsMessage()
    {
        screen().show();
        typeConnection("c", "h", "/d.fdb", "", "p", "");
        combo("CmbCreate")->lineEdit()->setText("True");
        finish();
        QCOMPARE(m_context->sink.messages, QStringList({"Defaulting port to 3050", BlankFields}));
        QCOMPARE(edit("TxtPort")->text(), QString("3050"));
        QVERIFY(!QFile::exists(iniPath)); // nothing stored
        QVERIFY(screen().isVisible());
        QVERIFY(m_context->session.SessionConnection->Params.isEmpty());
    }

    void blankCountsAsText()
    {
        screen().show();
        typeConnection(" ", " ", " ", " ", " ", " ");
        // Enter in an edit presses "Open/Create Connection".
        QTest::keyClick(edit("TxtPassword"), Qt::Key_Return);
        QCOMPARE(m_context->sink.messages, QStringList());
        QCOMPARE(state(), Failed);
    }

    void openConnectionIsClosedByAnIncompleteCommit_data() { bothPlaces(); }
    void openConnectionIsClosedByAnIncompleteCommit()
    {
        auto db = database();
        if (!db) return;
        db->configure(m_context->session.connection());
        m_context->session.connection().Open();
        screen().show();
        QVERIFY(m_context->session.connectionOpen()); // showing leaves it open
        QCOMPARE(edit("TxtHostName")->text(), QString()); // and does not show its data
        ui::type(edit("TxtPort"), "");
        finish();
        QCOMPARE(m_context->sink.messages, QStringList({"Defaulting port to 3050", BlankFields}));
        QVERIFY(!m_context->session.connectionOpen());
    }

    void successfulOpenClosesTheScreen_data() { bothPlaces(); }
    void successfulOpenClosesTheScreen()
    {
        auto db = database();
        if (!db) return;
        screen().show();
        typeConnection("Mine", *db);
        finish();
        QCOMPARE(state(), QString("Connected"));
        QVERIFY(!screen().isVisible());
        QCOMPARE(screen().result(), int(QDialog::Accepted));
        TSQLConnection &connection = *m_context->session.SessionConnection;
        QVERIFY(connection.Connected());
        QCOMPARE(connection.ConnectionName, QString("Mine"));
        const QString port = db->port().isEmpty() ? "3050" : db->port();
        QCOMPARE(connection.Params.lines(),
                 QStringList({"Password=" + db->password(), "user_name=SYSDBA", "Port=" + port, "readonlydb=False",
                              "database=" + db->path(), "hostname=" + db->host()}));
        QVERIFY(m_context->sink.messages.isEmpty() && m_context->sink.errors.isEmpty());
        QVERIFY(!QFile::exists(iniPath)); // "False": nothing stored
        QCOMPARE(connection.GetTableNames(), QStringList());
    }

    void storingTwiceLeavesOneSection_data() { bothPlaces(); }
    void storingTwiceLeavesOneSection()
    {
        auto db = database();
        if (!db) return;
        const QString port = db->port().isEmpty() ? "3050" : db->port();
        writeAll(iniPath, "[Other]\nhostname=o\nBlobSize=-1\n");
        screen().show();
        typeConnection("A", *db);
        ui::pick(combo("CmbCreate"), "True");
        finish();
        QCOMPARE(state(), QString("Connected"));
        const QByteArray first = "[Other]\nhostname=o\nBlobSize=-1\n[A]\r\ndrivername=Firebird\r\nPassword="
            + db->password().toUtf8() + "\r\nuser_name=SYSDBA\r\nPort=" + port.toUtf8()
            + "\r\nreadonlydb=False\r\ndatabase=" + db->path().toUtf8() + "\r\nhostname=" + db->host().toUtf8()
            + "\r\n\n\r\n";
        QCOMPARE(readAll(iniPath), first);

        // Stored again under the same name with other data: stored even though opening fails.
        show();
        QCOMPARE(combo("CmbConns")->count(), 2);
        ui::pick(combo("CmbConns"), "A");
        QCOMPARE(fiveFields(), QStringList({db->host(), db->path(), "SYSDBA", db->password(), port}));
        ui::type(edit("TxtDBName"), "/no/such/folder/x.fdb");
        ui::type(edit("TxtUserName"), "OTHER");
        ui::pick(combo("CmbCreate"), "True");
        finish();
        QCOMPARE(state(), Failed);
        QCOMPARE(readAll(iniPath),
                 "[Other]\nhostname=o\nBlobSize=-1\n[A]\r\ndrivername=Firebird\r\nPassword=" + db->password().toUtf8()
                     + "\r\nuser_name=OTHER\r\nPort=" + port.toUtf8()
                     + "\r\nreadonlydb=False\r\ndatabase=/no/such/folder/x.fdb\r\nhostname=" + db->host().toUtf8()
                     + "\r\n\n\r\n");
    }

    void onlyTrueExactlyStores_data()
    {
        QTest::addColumn<QString>("create");
        QTest::addColumn<bool>("stored");
        QTest::newRow("picked True") << "True" << true;
        QTest::newRow("typed lower case") << "true" << false;
        QTest::newRow("typed with a blank") << "True " << false;
        QTest::newRow("False") << "False" << false;
    }
    void onlyTrueExactlyStores()
    {
        QFETCH(QString, create);
        QFETCH(bool, stored);
        auto db = TestDatabase::embedded();
        screen().show();
        typeConnection("A", *db);
        ui::type(combo("CmbCreate")->lineEdit(), create);
        // Enter ends the typing: the drop-down must not swap in an item of another case.
        QTest::keyClick(combo("CmbCreate")->lineEdit(), Qt::Key_Return);
        QCOMPARE(combo("CmbCreate")->currentText(), create);
        finish();
        QCOMPARE(state(), QString("Connected"));
        QCOMPARE(QFile::exists(iniPath), stored);
    }

    void pickedStoredConnectionOpens_data() { bothPlaces(); }
    void pickedStoredConnectionOpens()
    {
        auto db = database();
        if (!db) return;
        writeAll(iniPath, "[Stored]\r\nPassword=" + db->password().toUtf8() + "\r\nuser_name=SYSDBA\r\nPort="
                              + db->port().toUtf8() + "\r\ndatabase=" + db->path().toUtf8()
                              + "\r\nhostname=" + db->host().toUtf8() + "\r\n");
        screen().show();
        ui::pick(combo("CmbConns"), "Stored");
        finish();
        QCOMPARE(state(), QString("Connected"));
        QVERIFY(m_context->session.connectionOpen());
    }

    void failedOpenKeepsTheScreen_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("wrong"); // which field is wrong
        for (const char *where : {"embedded", "server"}) {
            for (const char *wrong : {"path", "folder", "not a database"})
                QTest::addRow("%s, %s", where, wrong) << where << wrong;
        }
        QTest::addRow("server, password") << "server" << "password";
        QTest::addRow("server, host") << "server" << "host";
        QTest::addRow("server, server down") << "server" << "port";
    }
    void failedOpenKeepsTheScreen()
    {
        QFETCH(QString, wrong);
        auto db = database();
        if (!db) return;
        QStringList fields{db->host(), db->path(), db->user(), db->password(), db->port().isEmpty() ? "3050" : db->port()};
        if (wrong == "path") {
            fields[1] = m_work->filePath("missing.fdb");
        } else if (wrong == "folder") {
            fields[1] = m_work->path();
        } else if (wrong == "not a database") {
            fields[1] = m_work->filePath("notes.txt");
            writeAll(fields[1], QByteArray(9000, 'x'));
        } else if (wrong == "password") {
            fields[3] = "wrong";
        } else if (wrong == "host") {
            fields[0] = "no-such-host.invalid";
        } else if (wrong == "port") {
            fields[4] = "1"; // nothing listens there
        }
        screen().show();
        typeConnection("Bad", fields[0], fields[1], fields[2], fields[3], fields[4]);
        finish();
        QCOMPARE(state(), Failed);
        QVERIFY(screen().isVisible());
        QCOMPARE(fiveFields(), fields);
        QCOMPARE(edit("TxtConnName")->text(), QString("Bad"));
        QVERIFY(!m_context->session.connectionOpen());
        QCOMPARE(m_context->session.connection().Params.value("database"), fields[1]);
        QVERIFY(m_context->sink.errors.isEmpty());

        // Still usable: the right data opens.
        typeConnection("Good", *db);
        finish();
        QCOMPARE(state(), QString("Connected"));
    }

    void storingWithoutSettingsFolderOpensNothing()
    {
        auto db = TestDatabase::embedded();
        QVERIFY(QDir("Settings").removeRecursively());
        screen().show();
        QCOMPARE(combo("CmbConns")->count(), 0);
        typeConnection("A", *db);
        ui::pick(combo("CmbCreate"), "True");
        finish();
        QCOMPARE(m_context->sink.errors.size(), 1);
        QVERIFY2(m_context->sink.errors[0].contains(iniPath), qPrintable(m_context->sink.errors[0]));
        QVERIFY(!m_context->session.connectionOpen());
        QVERIFY(screen().isVisible());
        QCOMPARE(state(), QString());
        QVERIFY(!QDir("Settings").exists());
    }

    void storeKeepsWhatOtherToolsWrote_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("keys spelt in another case") << QByteArray("[Odd]\nHOSTNAME=h\nDatabase=d\n");
        QTest::newRow("duplicated sections") << QByteArray("[Dup]\nhostname=a\n[DUP]\nhostname=b\n");
        QTest::newRow("non-ascii and a lone latin-1 byte") << QByteArray("[Bäckerei]\nhostname=h\xF6st\n");
        QTest::newRow("very long line") << ("[Long]\r\nhostname=" + QByteArray(200000, 'h') + "\r\n");
        QTest::newRow("comments and no final line break") << QByteArray("; mine\n[Mine]\n; note\nk = v");
    }
    void storeKeepsWhatOtherToolsWrote()
    {
        QFETCH(QByteArray, file);
        auto db = TestDatabase::embedded();
        writeAll(iniPath, file);
        screen().show();
        typeConnection("New", *db);
        ui::pick(combo("CmbCreate"), "True");
        finish();
        QCOMPARE(state(), QString("Connected"));
        const QByteArray after = readAll(iniPath);
        QByteArray kept = file;
        if (!kept.isEmpty() && !kept.endsWith('\n'))
            kept += "\r\n";
        QVERIFY2(after.startsWith(kept), after.left(200).constData());
        QVERIFY(after.endsWith("hostname=embedded\r\n\n\r\n"));
    }

    void browseFillsTheDatabaseName()
    {
        screen().show();
        m_context->dialogs.nextFile = "/data/first.fdb";
        ui::click(ui::find<QPushButton>(m_screen.get(), "CmdDBBrowse"));
        QCOMPARE(edit("TxtDBName")->text(), QString("/data/first.fdb"));
        ui::type(edit("TxtDBName"), "typed");
        m_context->dialogs.nextFile.clear(); // cancelled: the earlier choice comes back
        ui::click(ui::find<QPushButton>(m_screen.get(), "CmdDBBrowse"));
        QCOMPARE(edit("TxtDBName")->text(), QString("/data/first.fdb"));
    }
};

QTEST_MAIN(FrmOpenTest)
#include "tst_frmopen.moc"
