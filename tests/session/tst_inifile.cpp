// The ini reader and writer: files other tools write, exact values, untouched
// sections kept byte for byte, and safe replacement of the file on disk.
#include "session/IniFile.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using testfiles::modeOf;
using testfiles::readAll;
using testfiles::writeAll;

}

class IniFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const QString &name = QStringLiteral("test.ini")) const { return m_dir.filePath(name); }

private slots:
    void readsWhatOtherToolsWrite_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("crlf line ends") << QByteArray("[A]\r\nk=v\r\n[B]\r\nk=w\r\n") << "B" << "k" << "w";
        QTest::newRow("lf line ends") << QByteArray("[A]\nk=v\n[B]\nk=w\n") << "B" << "k" << "w";
        QTest::newRow("no final line break") << QByteArray("[A]\r\nk=v") << "A" << "k" << "v";
        QTest::newRow("blanks around equals") << QByteArray("[A]\n  k \t=  some value \n") << "A" << "k" << "some value";
        QTest::newRow("comment lines are not keys") << QByteArray("[A]\n;k=comment\nk=real\n") << "A" << "k" << "real";
        QTest::newRow("blank lines and comments before sections")
            << QByteArray("; made by hand\n\n\n[A]\n\nk=v\n\n") << "A" << "k" << "v";
        QTest::newRow("section name in another case") << QByteArray("[Alpha]\nk=v\n") << "aLPHA" << "k" << "v";
        QTest::newRow("key name in another case") << QByteArray("[A]\nHostName=h\n") << "A" << "hostname" << "h";
        QTest::newRow("blanks inside the brackets") << QByteArray("[ A ]\nk=v\n") << "A" << "k" << "v";
        QTest::newRow("first of duplicated keys") << QByteArray("[A]\nk=1\nk=2\n") << "A" << "k" << "1";
        QTest::newRow("first of duplicated sections") << QByteArray("[A]\nk=1\n[a]\nk=2\n") << "A" << "k" << "1";
        QTest::newRow("key before any section is not in one") << QByteArray("k=0\n[A]\nj=1\n") << "A" << "k" << "";
        QTest::newRow("value holding equals signs") << QByteArray("[A]\nk=a=b=c\n") << "A" << "k" << "a=b=c";
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[A]\nk=v\n") << "A" << "k" << "v";
        QTest::newRow("non-ascii names and values")
            << QByteArray("[Zürich Ünïcode]\nnäme=wert ß €\n") << "ZÜRICH ünïcode" << "NÄME" << "wert ß €";
        QTest::newRow("very long line")
            << (QByteArray("[A]\nk=") + QByteArray(200000, 'x') + "\nz=1\n") << "A" << "z" << "1";
        QTest::newRow("quoted value") << QByteArray("[A]\nk=\" padded \"\n") << "A" << "k" << " padded ";
    }
    void readsWhatOtherToolsWrite()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        writeAll(file(), text);
        const IniFile ini(file());
        QCOMPARE(ini.readString(section, key), value);
        QVERIFY(ini.sectionExists(section));
        QCOMPARE(ini.bytes(), text); // reading changes nothing
    }

    void sectionNamesInFileOrderEachOnce()
    {
        writeAll(file(), "[Zeta]\nk=v\n; [Commented]\n[alpha]\n[ZETA]\nk=w\n[Ünï]\n");
        const IniFile ini(file());
        QCOMPARE(ini.sectionNames(), QStringList({"Zeta", "alpha", "Ünï"}));
        QVERIFY(!ini.sectionExists("Commented"));
        QCOMPARE(ini.sectionLines("zeta"), QStringList({"k=v"})); // the first of the two
    }

    void sectionLinesWithoutBlanksOrComments()
    {
        writeAll(file(), "[A]\n; note\nhostname = h\n\nnot a key\nPort=\n[B]\nx=y\n");
        const IniFile ini(file());
        QCOMPARE(ini.sectionLines("a"), QStringList({"hostname=h", "Port="}));
        QCOMPARE(ini.sectionLines("missing"), QStringList());
    }

    void missingFileReadsEmpty()
    {
        const IniFile ini(file("absent.ini"));
        QCOMPARE(ini.sectionNames(), QStringList());
        QCOMPARE(ini.readString("A", "k", "fallback"), QString("fallback"));
        QVERIFY(!QFile::exists(file("absent.ini")));
    }

    void valuesComeBackExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << "";
        QTest::newRow("leading blank") << " secret";
        QTest::newRow("trailing blank") << "secret ";
        QTest::newRow("tab at the end") << "secret\t";
        QTest::newRow("quotes at both ends") << "\"secret\"";
        QTest::newRow("lone quote at the start") << "\"secret";
        QTest::newRow("equals and semicolon") << "a=b;c";
        QTest::newRow("brackets") << "[not a section]";
        QTest::newRow("non-ascii") << "pässwörd €";
    }
    void valuesComeBackExactly()
    {
        QFETCH(QString, value);
        {
            IniFile ini(file());
            ini.writeString("A", "k", value);
            ini.flush();
        }
        QCOMPARE(IniFile(file()).readString("a", "K"), value);
        QFile::remove(file());
    }

    void untouchedSectionsStayByteForByte()
    {
        const QByteArray keep = "[Keep]\n  odd = spacing ; not a comment\n;comment\n\nx=\"q\"\r\nlatin1=\xE9t\xE9\n";
        writeAll(file(), "; header\r\n[A]\r\nk=old\r\n" + keep + "[Gone]\nk=v\n[Last]\r\nz=1");
        IniFile ini(file());
        ini.writeString("a", "K", "new");
        ini.writeString("A", "added", "1");
        ini.eraseSection("GONE");
        ini.writeString("Last", "y", "2");
        ini.writeString("New", "n", "3");
        ini.flush();
        QCOMPARE(readAll(file()),
                 "; header\r\n[A]\r\nk=new\r\nadded=1\r\n" + keep + "[Last]\r\nz=1\r\ny=2\r\n[New]\r\nn=3\r\n");
    }

    void newKeysGoAfterTheLastKeyOfTheirSection()
    {
        writeAll(file(), "[A]\nk=1\n\n; about B\n[B]\nj=2\n");
        IniFile ini(file());
        ini.writeString("A", "m", "3");
        QCOMPARE(ini.bytes(), QByteArray("[A]\nk=1\nm=3\r\n\n; about B\n[B]\nj=2\n"));
    }

    void eraseRemovesEverySectionOfThatName()
    {
        writeAll(file(), "[A]\nk=1\n[B]\nj=2\n[a]\nk=3\n");
        IniFile ini(file());
        ini.eraseSection("A");
        QVERIFY(!ini.sectionExists("A"));
        QCOMPARE(ini.bytes(), QByteArray("[B]\nj=2\n"));
    }

    void refusesWhatALineCannotHold_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("line feed in value") << "A" << "k" << "one\ntwo";
        QTest::newRow("carriage return in value") << "A" << "k" << "one\rtwo";
        QTest::newRow("bracket in section") << "A]B" << "k" << "v";
        QTest::newRow("line break in section") << "A\nB" << "k" << "v";
        QTest::newRow("empty section") << " " << "k" << "v";
        QTest::newRow("equals in key") << "A" << "k=j" << "v";
        QTest::newRow("comment key") << "A" << ";k" << "v";
    }
    void refusesWhatALineCannotHold()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        writeAll(file(), "[A]\nk=1\n");
        IniFile ini(file());
        QVERIFY_THROWS_EXCEPTION(IniError, ini.writeString(section, key, value));
        QCOMPARE(ini.bytes(), QByteArray("[A]\nk=1\n"));
    }

    void newFileIsPrivateAndExistingKeepsItsPermissions()
    {
        const QString fresh = file("fresh.ini");
        IniFile created(fresh);
        created.writeString("A", "Password", "p");
        created.flush();
        QCOMPARE(modeOf(fresh), 0600);

        const QString shared = file("shared.ini");
        writeAll(shared, "[A]\n");
        QVERIFY(chmod(QFile::encodeName(shared).constData(), 0640) == 0);
        IniFile existing(shared);
        existing.writeString("A", "k", "v");
        existing.flush();
        QCOMPARE(modeOf(shared), 0640);
    }

    void missingFolderIsNotCreated()
    {
        const QString path = m_dir.filePath("Settings/x.ini");
        IniFile ini(path);
        ini.writeString("A", "k", "v");
        try {
            ini.flush();
            QFAIL("flush into a missing folder succeeded");
        } catch (const IniError &error) {
            QVERIFY2(error.text().contains(path), qPrintable(error.text()));
        }
        QVERIFY(!QDir(m_dir.filePath("Settings")).exists());
    }

    void unreadableFileIsNeverOverwritten()
    {
        const QString folder = file("folder.ini");
        QVERIFY(QDir().mkpath(folder + "/inside"));
        IniFile ini(folder);
        QCOMPARE(ini.sectionNames(), QStringList());
        ini.writeString("A", "k", "v");
        QVERIFY_THROWS_EXCEPTION(IniError, ini.flush());
        QVERIFY(QDir(folder + "/inside").exists());
    }

    // A disk that fills up while the new text is written: the file size limit
    // makes the write fail for real, as a full disk would.
    void failedWriteLeavesTheOldFile()
    {
        const QByteArray old = "[Keep]\r\nPassword=old\r\n";
        writeAll(file("full.ini"), old);
        IniFile ini(file("full.ini"));
        ini.writeString("Keep", "Password", "new");
        ini.writeString("Big", "k", QString(64 * 1024, QLatin1Char('x')));

        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        bool failed = false;
        try {
            ini.flush();
        } catch (const IniError &) {
            failed = true;
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        QVERIFY(failed);
        QCOMPARE(readAll(file("full.ini")), old);
        const QStringList left = QDir(m_dir.path()).entryList({"full.ini*"}, QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList({"full.ini"})); // no half-written file beside it
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"
