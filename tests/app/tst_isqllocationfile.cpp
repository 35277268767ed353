// The file that remembers the tools' folder: the first line is read, one line
// is written, and the file is replaced whole.
#include "app/IsqlLocationFile.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

using testfiles::readAll;
using testfiles::writeAll;

class IsqlLocationFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(IsqlLocationFile::FileName); }

private slots:
    void cleanup() { QFile::remove(path()); }

    void readsTheFirstLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("folder");
        QTest::newRow("one line") << QByteArray("/usr/bin/\r\n") << "/usr/bin/";
        QTest::newRow("two lines: the first") << QByteArray("/opt/fb/bin/\r\n/usr/bin/\r\n") << "/opt/fb/bin/";
        QTest::newRow("lf line end") << QByteArray("/usr/bin/\n/x/\n") << "/usr/bin/";
        QTest::newRow("no line end") << QByteArray("/usr/bin/") << "/usr/bin/";
        QTest::newRow("blanks kept") << QByteArray(" /my tools/ \r\n") << " /my tools/ ";
        QTest::newRow("non-ascii folder") << QByteArray("/home/jürgen/fb/\r\n") << "/home/jürgen/fb/";
    }
    void readsTheFirstLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, folder);
        writeAll(path(), text);
        QCOMPARE(IsqlLocationFile(path()).readFolder(), folder);
    }

    void readingFailsWithoutAFolder_data()
    {
        QTest::addColumn<QByteArray>("text"); // "<none>": no file at all
        QTest::newRow("missing file") << QByteArray("<none>");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("empty first line") << QByteArray("\r\n/usr/bin/\r\n");
    }
    void readingFailsWithoutAFolder()
    {
        QFETCH(QByteArray, text);
        if (text != "<none>")
            writeAll(path(), text);
        const IsqlLocationFile file(path());
        QCOMPARE(file.exists(), text != "<none>");
        try {
            file.readFolder();
            QFAIL("read a folder from a file without one");
        } catch (const IsqlLocationError &error) {
            QVERIFY2(error.text().contains(path()), qPrintable(error.text()));
        }
    }

    void writingReplacesTheFileByOneLine()
    {
        writeAll(path(), "/old/first/\r\n/old/second/\r\n");
        const IsqlLocationFile file(path());
        file.writeFolder("/usr/bin/");
        QCOMPARE(readAll(path()), QByteArray("/usr/bin/\r\n"));
        QCOMPARE(file.readFolder(), QString("/usr/bin/"));
        file.writeFolder("/home/jürgen/");
        QCOMPARE(readAll(path()), QByteArray("/home/jürgen/\r\n"));
    }

    void failedWriteLeavesTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("folder");
        QTest::newRow("folder with a line break") << "here" << "/a/\n/b/";
        QTest::newRow("file in a missing folder") << "missing" << "/usr/bin/";
    }
    void failedWriteLeavesTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, folder);
        writeAll(path(), "/old/\r\n");
        const QString where = target == "here" ? path() : m_dir.filePath("no/such/folder/isqlLocation.txt");
        QVERIFY_THROWS_EXCEPTION(IsqlLocationError, IsqlLocationFile(where).writeFolder(folder));
        QCOMPARE(readAll(path()), QByteArray("/old/\r\n"));
        QVERIFY(!QFile::exists(m_dir.filePath("no")));
    }
};

QTEST_GUILESS_MAIN(IsqlLocationFileTest)
#include "tst_isqllocationfile.moc"
