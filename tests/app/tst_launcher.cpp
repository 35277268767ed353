// The desktop launcher: a working folder of the user's own, made on the first
// start, and the program started in it. A stand-in program reports where and
// how it was started.
#include "tests/support/TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

int modeOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

}

class LauncherTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_launcher;

    QString home() const { return m_dir.filePath(QStringLiteral("home")); }
    QString report(const QString &name) const { return m_dir.filePath(QStringLiteral("report/") + name); }

    // Runs the launcher; xdgDataHome null: unset.
    int launch(const QString &xdgDataHome, const QString &isql, const QStringList &arguments = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home());
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        if (!xdgDataHome.isNull())
            env.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome);
        env.insert(QStringLiteral("KELVANE_PROGRAM"), m_dir.filePath(QStringLiteral("program")));
        env.insert(QStringLiteral("KELVANE_ISQL"), isql);
        env.insert(QStringLiteral("REPORT"), m_dir.filePath(QStringLiteral("report")));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral("/bin/sh"), QStringList{m_launcher} + arguments);
        if (!process.waitForFinished(10000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private slots:
    void init()
    {
        m_launcher = QFINDTESTDATA("../../packaging/kelvane-launcher");
        QVERIFY(!m_launcher.isEmpty());
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(home()));
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("report"))));
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("tools"))));
        testfiles::writeAll(m_dir.filePath(QStringLiteral("program")),
                            "#!/bin/sh\npwd > \"$REPORT/folder\"\nprintf '%s\\n' \"$@\" > \"$REPORT/arguments\"\n");
        QFile::setPermissions(m_dir.filePath(QStringLiteral("program")), QFile::ReadOwner | QFile::ExeOwner);
        testfiles::writeAll(m_dir.filePath(QStringLiteral("tools/isql-fb")), "#!/bin/sh\n");
        QFile::setPermissions(m_dir.filePath(QStringLiteral("tools/isql-fb")), QFile::ReadOwner | QFile::ExeOwner);
    }

    void firstStartMakesAPrivateFolderAndStartsThere_data()
    {
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("folder"); // below the test's folder
        QTest::newRow("XDG_DATA_HOME unset") << QString() << "home/.local/share/kelvane";
        QTest::newRow("XDG_DATA_HOME empty") << "" << "home/.local/share/kelvane";
        QTest::newRow("XDG_DATA_HOME set") << "@/data" << "data/kelvane";
        QTest::newRow("relative XDG_DATA_HOME ignored") << "data" << "home/.local/share/kelvane";
    }
    void firstStartMakesAPrivateFolderAndStartsThere()
    {
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, folder);
        xdgDataHome.replace(QLatin1Char('@'), m_dir.path());
        QCOMPARE(launch(xdgDataHome, m_dir.filePath(QStringLiteral("tools/isql-fb")), {"--one", "two words"}), 0);
        const QString made = m_dir.filePath(folder);
        QCOMPARE(modeOf(made), 0700);
        QCOMPARE(modeOf(made + QStringLiteral("/Settings")), 0700);
        QCOMPARE(testfiles::readAll(report(QStringLiteral("folder"))), QFile::encodeName(made) + "\n");
        QCOMPARE(testfiles::readAll(report(QStringLiteral("arguments"))), QByteArray("--one\ntwo words\n"));
    }

    void firstStartNamesTheInstalledToolsFolder_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("tools installed") << true;
        QTest::newRow("no tools: the program asks") << false;
    }
    void firstStartNamesTheInstalledToolsFolder()
    {
        QFETCH(bool, installed);
        const QString isql = m_dir.filePath(installed ? QStringLiteral("tools/isql-fb") : QStringLiteral("none/isql-fb"));
        QCOMPARE(launch(QString(), isql), 0);
        const QString file = home() + QStringLiteral("/.local/share/kelvane/isqlLocation.txt");
        QCOMPARE(QFile::exists(file), installed);
        if (installed)
            QCOMPARE(testfiles::readAll(file), QFile::encodeName(m_dir.filePath(QStringLiteral("tools"))) + "/\r\n");
    }

    void laterStartsLeaveTheFolderAsTheUserLeftIt()
    {
        const QString isql = m_dir.filePath(QStringLiteral("tools/isql-fb"));
        QCOMPARE(launch(QString(), isql), 0);
        const QString folder = home() + QStringLiteral("/.local/share/kelvane");
        // The user chose another folder, and opened the folder to the group.
        testfiles::writeAll(folder + QStringLiteral("/isqlLocation.txt"), "/opt/firebird/bin/\r\n");
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                  | QFile::ReadGroup | QFile::ExeGroup));
        QCOMPARE(launch(QString(), isql), 0);
        QCOMPARE(testfiles::readAll(folder + QStringLiteral("/isqlLocation.txt")), QByteArray("/opt/firebird/bin/\r\n"));
        QCOMPARE(modeOf(folder), 0750);

        // A folder without its tools file is not given one again; a lost Settings folder is made again.
        QVERIFY(QFile::remove(folder + QStringLiteral("/isqlLocation.txt")));
        QVERIFY(QDir(folder + QStringLiteral("/Settings")).removeRecursively());
        QCOMPARE(launch(QString(), isql), 0);
        QVERIFY(!QFile::exists(folder + QStringLiteral("/isqlLocation.txt")));
        QCOMPARE(modeOf(folder + QStringLiteral("/Settings")), 0700);
    }
};

QTEST_GUILESS_MAIN(LauncherTest)
#include "tst_launcher.moc"
