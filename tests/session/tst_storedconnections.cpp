// The stored connections file: what is read back from a section, and what a store writes.
#include "session/IniFile.h"
#include "session/StoredConnections.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using testfiles::readAll;

class StoredConnectionsTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsFromLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("fields"); // host, database, user, password, port
        QTest::newRow("all five among others")
            << QStringList{"drivername=Firebird", "Password=pw", "user_name=u", "Port=3051", "readonlydb=False",
                           "database=/d.fdb", "hostname=h"}
            << QStringList{"h", "/d.fdb", "u", "pw", "3051"};
        QTest::newRow("no Port line leaves the port empty")
            << QStringList{"hostname=h", "database=d", "user_name=u", "Password=p"}
            << QStringList{"h", "d", "u", "p", ""};
        QTest::newRow("key with a capital is not picked up")
            << QStringList{"Hostname=h", "DATABASE=d", "User_name=u", "password=p", "port=1"}
            << QStringList{"", "", "", "", ""};
        QTest::newRow("last of several lines wins")
            << QStringList{"hostname=first", "hostname=second"} << QStringList{"second", "", "", "", ""};
        QTest::newRow("value holding equals signs")
            << QStringList{"Password=a=b="} << QStringList{"", "", "", "a=b=", ""};
    }
    void fieldsFromLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, fields);
        const StoredConnections::Fields got = StoredConnections::fieldsFromLines(lines);
        QCOMPARE(QStringList({got.hostname, got.database, got.userName, got.password, got.port}), fields);
    }

    void storingAgainReplacesTheSectionAndKeepsOthers()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("dbxconnections.ini");
        const QByteArray other = "[Other]\r\ndrivername=Firebird\r\nhostname=x\r\nBlobSize=-1\r\n\n\r\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(other);
        }
        StoredConnections::store(path, "A", {"h1", "/one.fdb", "u1", "p1", "3050"});
        StoredConnections::store(path, "a", {"h2", "/two.fdb", "u2", " p2 ", ""});
        QCOMPARE(readAll(path), other
                     + "[a]\r\ndrivername=Firebird\r\nPassword=\" p2 \"\r\nuser_name=u2\r\nPort=\r\n"
                       "readonlydb=False\r\ndatabase=/two.fdb\r\nhostname=h2\r\n\n\r\n");
        const StoredConnections::Fields back = StoredConnections::fieldsFromLines(IniFile(path).sectionLines("A"));
        QCOMPARE(back.password, QString(" p2 "));
    }
};

QTEST_GUILESS_MAIN(StoredConnectionsTest)
#include "tst_storedconnections.moc"
