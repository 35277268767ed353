// What the Create Database screen composes and the files it writes, without
// a screen or a database.
#include "createdb/CreateDbMessages.h"
#include "createdb/CreateDbStatements.h"
#include "createdb/FirebirdTools.h"
#include "createdb/PrivateFile.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using testfiles::modeOf;
using testfiles::readAll;
using testfiles::writeAll;

namespace {

CreateDbInput input(bool namedOwner, bool remote, const QStringList &texts)
{
    CreateDbInput in;
    in.namedOwner = namedOwner;
    in.remote = remote;
    in.owner = texts.value(0);
    in.password = texts.value(1);
    in.dbPath = texts.value(2);
    in.host = texts.value(3);
    in.port = texts.value(4);
    in.pageSize = texts.value(5);
    in.adminPassword = texts.value(6);
    return in;
}

}

class CreateDbStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void composes_data()
    {
        QTest::addColumn<bool>("namedOwner");
        QTest::addColumn<bool>("remote");
        // owner, password, path, host, port, page size, administration password
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("canCreate");
        QTest::addColumn<QString>("text");
        QTest::newRow("administrator, page size left empty")
            << false << false << QStringList{"SYSDBA", "pw", "/data/x.fdb", "", "", ""} << true
            << "CREATE DATABASE '/data/x.fdb' page_size 8192 USER 'SYSDBA' PASSWORD 'pw';";
        QTest::newRow("local, values trimmed")
            << false << false << QStringList{" SYSDBA ", " pw ", " /data/x.fdb ", "h", "1", " 16384 "} << true
            << "CREATE DATABASE '/data/x.fdb' page_size 16384 USER 'SYSDBA' PASSWORD 'pw';";
        QTest::newRow("blank owner does not count")
            << false << false << QStringList{"   ", "pw", "/x.fdb"} << false
            << "CREATE DATABASE '/x.fdb' page_size 8192 USER '' PASSWORD 'pw';";
        QTest::newRow("blank password does not count")
            << false << false << QStringList{"SYSDBA", " ", "/x.fdb"} << false
            << "CREATE DATABASE '/x.fdb' page_size 8192 USER 'SYSDBA' PASSWORD '';";
        QTest::newRow("blank path does not count")
            << false << false << QStringList{"SYSDBA", "pw", "  "} << false
            << "CREATE DATABASE '' page_size 8192 USER 'SYSDBA' PASSWORD 'pw';";
        QTest::newRow("remote with a port")
            << false << true << QStringList{"SYSDBA", "pw", "/srv/x.fdb", " db.example ", " 3051 "} << true
            << "CREATE DATABASE 'db.example/3051:/srv/x.fdb' page_size 8192 USER 'SYSDBA' PASSWORD 'pw';";
        QTest::newRow("remote, port of blanks: separator, no port")
            << false << true << QStringList{"SYSDBA", "pw", "/srv/x.fdb", "db.example", "   "} << true
            << "CREATE DATABASE 'db.example/:/srv/x.fdb' page_size 8192 USER 'SYSDBA' PASSWORD 'pw';";
        QTest::newRow("remote, empty port: no separator")
            << false << true << QStringList{"SYSDBA", "pw", "/srv/x.fdb", "db.example", ""} << true
            << "CREATE DATABASE 'db.example:/srv/x.fdb' page_size 8192 USER 'SYSDBA' PASSWORD 'pw';";
        QTest::newRow("local ignores host and port")
            << false << false << QStringList{"SYSDBA", "pw", "/x.fdb", "db.example", "3051"} << true
            << "CREATE DATABASE '/x.fdb' page_size 8192 USER 'SYSDBA' PASSWORD 'pw';";
        QTest::newRow("quotes doubled")
            << false << false << QStringList{"O'NEIL", "it's", "/o'neil/x.fdb"} << true
            << "CREATE DATABASE '/o''neil/x.fdb' page_size 8192 USER 'O''NEIL' PASSWORD 'it''s';";
        QTest::newRow("named owner: stars for the administration password")
            << true << false << QStringList{"BOB", "secret", "/x.fdb", "", "", "", "abc"} << true
            << "gsec -user SYSDBA -password *** -add BOB -pw secret;\r\n"
               "CREATE DATABASE '/x.fdb' page_size 8192 USER 'BOB' PASSWORD 'secret';";
        QTest::newRow("named owner: gsec line untrimmed")
            << true << true << QStringList{" BOB", "secret ", "/x.fdb", "h", "", "", " a "} << true
            << "gsec -user SYSDBA -password *** -add  BOB -pw secret ;\r\n"
               "CREATE DATABASE 'h:/x.fdb' page_size 8192 USER 'BOB' PASSWORD 'secret';";
        QTest::newRow("named owner without administration password")
            << true << false << QStringList{"BOB", "secret", "/x.fdb"} << true
            << "gsec -user SYSDBA -password  -add BOB -pw secret;\r\n"
               "CREATE DATABASE '/x.fdb' page_size 8192 USER 'BOB' PASSWORD 'secret';";
    }
    void composes()
    {
        QFETCH(bool, namedOwner);
        QFETCH(bool, remote);
        QFETCH(QStringList, texts);
        QFETCH(bool, canCreate);
        QFETCH(QString, text);
        const CreateDbComposition composed = composeCreateDb(input(namedOwner, remote, texts));
        QCOMPARE(composed.text, text);
        QCOMPARE(composed.canCreate, canCreate);
        QCOMPARE(composed.gsecArguments.isEmpty(), !namedOwner);
    }

    void gsecArgumentsCarryTheTypedPassword()
    {
        const CreateDbComposition composed =
            composeCreateDb(input(true, false, {"BOB", "secret", "/x.fdb", "", "", "", "abc"}));
        QCOMPARE(composed.gsecArguments, QString(" -user SYSDBA -password abc -add BOB -pw secret"));
    }

    void scriptFileText_data()
    {
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("script");
        QTest::newRow("statement only") << "CREATE DATABASE '/x.fdb' page_size 8192 USER 'A' PASSWORD 'p';"
                                        << "CREATE DATABASE '/x.fdb' page_size 8192 USER 'A' PASSWORD 'p';\r\n";
        QTest::newRow("gsec line becomes a comment")
            << "gsec -user SYSDBA -password *** -add BOB -pw it's;\r\nCREATE DATABASE '/x.fdb' page_size 8192 USER "
               "'BOB' PASSWORD 'it''s';"
            << "-- gsec -user SYSDBA -password *** -add BOB -pw it's;\r\nCREATE DATABASE '/x.fdb' page_size 8192 USER "
               "'BOB' PASSWORD 'it''s';\r\n";
    }
    void scriptFileText()
    {
        QFETCH(QString, proposed);
        QFETCH(QString, script);
        QCOMPARE(createDbScriptText(proposed), script);
    }

    void gsecArguments()
    {
        QCOMPARE(gsecAddArguments("/tmp/p", QString(), "BOB", "secret"),
                 QStringList({"-user", "SYSDBA", "-fetch_password", "/tmp/p", "-add", "BOB", "-pw", "secret"}));
        QCOMPARE(gsecAddArguments("/tmp/p", securityDatabaseAddress("db.example", "3051"), "BOB", "my secret"),
                 QStringList({"-user", "SYSDBA", "-fetch_password", "/tmp/p", "-database", "db.example/3051:security.db",
                              "-add", "BOB", "-pw", "my secret"}));
        QCOMPARE(gsecDisplayArguments("/tmp/p", securityDatabaseAddress("db.example", ""), "BOB"),
                 QStringList({"-user", "SYSDBA", "-fetch_password", "/tmp/p", "-database", "db.example:security.db",
                              "-display", "BOB"}));
    }

    void gsecListing_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<bool>("listed");
        const QString table = "     user name                    uid   gid admin     full name\n"
                              "---------------------------------------------------\n"
                              "BOBBY                              0     0             \n";
        QTest::newRow("nothing printed") << "" << "BOB" << false;
        QTest::newRow("listed, typed in lower case") << table << "bobby" << true;
        QTest::newRow("a longer name is another user") << table << "BOB" << false;
    }
    void gsecListing()
    {
        QFETCH(QString, output);
        QFETCH(QString, owner);
        QFETCH(bool, listed);
        QCOMPARE(gsecListsUser(output, owner), listed);
    }

    void smallPieces()
    {
        QCOMPARE(databaseFileName("/data/sub/x.fdb"), QString("x.fdb"));
        QCOMPARE(databaseFileName("x.fdb"), QString("x.fdb"));
        QCOMPARE(grantCreateDatabaseStatement("bob"), QString("GRANT CREATE DATABASE TO USER BOB"));
        QCOMPARE(grantCreateDatabaseStatement("bob smith"), QString("GRANT CREATE DATABASE TO USER \"BOB SMITH\""));
        QCOMPARE(CreateDbMessages::withDetail("Database x was not created!", "isql failed:\nline 1\r\nline 2\n"),
                 QString("Database x was not created!\r\nisql failed:\r\nline 1\r\nline 2"));
        QCOMPARE(CreateDbMessages::withDetail("Done", " "), QString("Done"));
    }

    void toolsInTheFolder_data()
    {
        QTest::addColumn<QStringList>("files"); // a trailing "*" makes it executable
        QTest::addColumn<QString>("isql");
        QTest::addColumn<QString>("gsec");
        QTest::newRow("Debian's name first") << QStringList{"isql-fb*", "isql*", "gsec*"} << "isql-fb" << "gsec";
        QTest::newRow("plain isql") << QStringList{"isql*", "gsec*"} << "isql" << "gsec";
        QTest::newRow("none") << QStringList{"notes.txt"} << "" << "";
        QTest::newRow("not executable") << QStringList{"isql-fb", "gsec"} << "" << "";
    }
    void toolsInTheFolder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, isql);
        QFETCH(QString, gsec);
        QTemporaryDir dir;
        for (QString file : files) {
            const bool executable = file.endsWith('*');
            file.remove('*');
            writeAll(dir.filePath(file), "#!/bin/sh\n");
            if (executable)
                QFile::setPermissions(dir.filePath(file), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        for (const QString &folder : {dir.path() + "/", dir.path()}) {
            const FirebirdTools tools(folder);
            QCOMPARE(tools.isql(), isql.isEmpty() ? QString() : dir.filePath(isql));
            QCOMPARE(tools.gsec(), gsec.isEmpty() ? QString() : dir.filePath(gsec));
        }
    }

    void privateFileIsOwnerOnly_data()
    {
        QTest::addColumn<bool>("existed");
        QTest::newRow("new file") << false;
        QTest::newRow("file readable by all before") << true;
    }
    void privateFileIsOwnerOnly()
    {
        QFETCH(bool, existed);
        QTemporaryDir dir;
        const QString path = dir.filePath("CreateDB.sql");
        if (existed) {
            writeAll(path, "old text that is longer than the new\r\n");
            QVERIFY(chmod(QFile::encodeName(path).constData(), 0644) == 0);
        }
        PrivateFile::write(path, "new\r\n");
        QCOMPARE(readAll(path), QByteArray("new\r\n"));
        QCOMPARE(modeOf(path), 0600);
    }

    void privateFileFailureNamesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("missing/CreateDB.sql");
        try {
            PrivateFile::write(path, "x");
            QFAIL("wrote into a missing folder");
        } catch (const std::runtime_error &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(path), error.what());
        }
    }

    void passwordFileIsPrivateAndRemoved()
    {
        QString path;
        {
            const PasswordFile file("it's secret");
            path = file.path();
            QCOMPARE(readAll(path), QByteArray("it's secret"));
            QCOMPARE(modeOf(path), 0600);
        }
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(CreateDbStatementsTest)
#include "tst_createdbstatements.moc"
