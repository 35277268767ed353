// The tools' folder screen, the session password screen and the main menu's
// "Set Location of ISQL.EXE", driven by their controls.
#include "app/IsqlLocationFile.h"
#include "app/ui/Screens.h"
#include "app/ui/TEdit.h"
#include "app/ui/TFrmMain.h"
#include "app/ui/TFrmSysDBAPW.h"
#include "app/ui/TFrmisqlLocation.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UiDriver.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using testfiles::readAll;
using testfiles::writeAll;

class LocationScreensTest : public QObject {
    Q_OBJECT

    QString m_startFolder;
    std::unique_ptr<QTemporaryDir> m_work;

    // Clicks "Browse" once per answer of the file dialog ("" is a cancel).
    static void browse(TestContext &context, Screen &screen, const QStringList &answers)
    {
        for (const QString &answer : answers) {
            context.dialogs.nextFile = answer;
            if (screen.isVisible())
                ui::click(ui::find<QPushButton>(&screen, "CmdDBBrowse"));
        }
    }

private slots:
    void initTestCase() { m_startFolder = QDir::currentPath(); }
    void init()
    {
        m_work = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_work->path()));
    }
    void cleanup()
    {
        QDir::setCurrent(m_startFolder);
        m_work.reset();
    }

    void locationScreenShowsItsNote()
    {
        TestContext context;
        TFrmisqlLocation screen(context);
        screen.show();
        QCOMPARE(screen.windowTitle(), QString("FrmisqlLocation"));
        QCOMPARE(ui::find<QLabel>(&screen, "LblIsqlLocation")->text(), QString("Location for the ISQL.EXE file"));
        QCOMPARE(ui::find<QLabel>(&screen, "LblNote")->text(),
                 QString("NOTE: the ISQL.EXE file is normaly located in the\r\n"
                         " bin directory under the installation directory."));
        QCOMPARE(ui::find<QPushButton>(&screen, "CmdDBBrowse")->text(), QString("Browse"));
        QCOMPARE(ui::find<TEdit>(&screen, "TxtIsqlLocation")->text(), QString());
    }

    void browseSetsTheFolder_data()
    {
        QTest::addColumn<QStringList>("answers"); // the dialog's answers, one per click
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("open");
        QTest::newRow("isql picked") << QStringList{"/usr/bin/isql-fb"} << "/usr/bin/" << false;
        QTest::newRow("first cancel") << QStringList{""} << "" << true;
        QTest::newRow("cancel, then a pick") << QStringList{"", "/opt/fb/bin/isql"} << "/opt/fb/bin/" << false;
        QTest::newRow("any file") << QStringList{"/home/me/notes.txt"} << "/home/me/" << false;
        QTest::newRow("file in the root") << QStringList{"/isql"} << "/" << false;
    }
    void browseSetsTheFolder()
    {
        QFETCH(QStringList, answers);
        QFETCH(QString, folder);
        QFETCH(bool, open);
        TestContext context;
        context.session.IsqlFolder = "/before/";
        TFrmisqlLocation screen(context);
        screen.show();
        browse(context, screen, answers);
        QCOMPARE(context.session.IsqlFolder, folder);
        QCOMPARE(screen.isVisible(), open);
        QVERIFY(context.sink.messages.isEmpty() && context.sink.errors.isEmpty());
    }

    void cancelLaterKeepsTheEarlierChoice()
    {
        TestContext context;
        TFrmisqlLocation screen(context);
        screen.show();
        browse(context, screen, {"/usr/bin/isql-fb"});
        context.session.IsqlFolder.clear();
        screen.show();
        browse(context, screen, {""});
        QCOMPARE(context.session.IsqlFolder, QString("/usr/bin/"));
        QVERIFY(!screen.isVisible());
    }

    void setPasswordStoresTheEdits()
    {
        TestContext context;
        TFrmSysDBAPW screen(context);
        screen.show();
        QCOMPARE(screen.windowTitle(), QString("Set Administration Password for This Session"));
        auto *user = ui::find<TEdit>(&screen, "TxtSYSDBA");
        auto *password = ui::find<TEdit>(&screen, "TxtPW");
        QCOMPARE(password->displayText(), QString("*********"));
        ui::click(ui::find<QPushButton>(&screen, "CmdSetPW"));
        QCOMPARE(context.session.SysdbaUser, QString("SYSDBA"));
        QCOMPARE(context.session.SysdbaPassword, QString("plumbline"));
        QVERIFY(!screen.isVisible());

        // Typed, then closed with the close box: nothing stored, the typing kept.
        screen.show();
        ui::type(user, "ADMIN");
        ui::type(password, "it's");
        screen.reject();
        QCOMPARE(context.session.SysdbaPassword, QString("plumbline"));
        context.session.SysdbaPassword.clear(); // as a new start does
        screen.show();
        QCOMPARE(user->text(), QString("ADMIN"));
        QCOMPARE(password->text(), QString("it's"));
        QCOMPARE(password->displayText(), QString("****"));
        ui::click(ui::find<QPushButton>(&screen, "CmdSetPW"));
        QCOMPARE(context.session.SysdbaUser, QString("ADMIN"));
        QCOMPARE(context.session.SysdbaPassword, QString("it's"));
    }

    void setLocationFromTheMainMenu_data()
    {
        QTest::addColumn<QString>("known");       // IsqlFolder before
        QTest::addColumn<QByteArray>("file");     // isqlLocation.txt before; "<none>": absent
        QTest::addColumn<QStringList>("answers"); // the dialog's answers
        QTest::addColumn<QByteArray>("after");    // the file afterwards
        QTest::addColumn<QStringList>("messages");
        const QStringList nothing{"Must select the ISQL.EXE file!!\r\nNothing has been changed."};
        QTest::newRow("first choice written") << "" << QByteArray("<none>") << QStringList{"/usr/bin/isql-fb"}
                                              << QByteArray("/usr/bin/\r\n") << QStringList();
        QTest::newRow("two lines become one") << "/old/" << QByteArray("/old/\r\n/older/\r\n")
                                              << QStringList{"/opt/fb/bin/isql"} << QByteArray("/opt/fb/bin/\r\n")
                                              << QStringList();
        QTest::newRow("closed, folder known: written again")
            << "/usr/bin/" << QByteArray("/elsewhere/\r\n") << QStringList() << QByteArray("/usr/bin/\r\n")
            << QStringList();
        QTest::newRow("cancelled, none known") << "" << QByteArray("<none>") << QStringList{""}
                                               << QByteArray("<unreadable>") << nothing;
        QTest::newRow("closed, none known: file untouched")
            << "" << QByteArray("/kept/\r\n") << QStringList() << QByteArray("/kept/\r\n") << nothing;
    }
    void setLocationFromTheMainMenu()
    {
        QFETCH(QString, known);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, answers);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, messages);
        if (file != "<none>")
            writeAll(IsqlLocationFile::FileName, file);
        TestContext context;
        context.session.IsqlFolder = known;
        Screens screens(context);
        screens.main().show();
        context.screens.onModal = [&](Screen &screen) {
            browse(context, screen, answers);
            if (screen.isVisible())
                screen.reject(); // the close box
        };
        ui::click(ui::find<QAbstractButton>(&screens.main(), "CmdSetISQL"));
        QCOMPARE(int(context.screens.shown.size()), 1);
        QCOMPARE(context.screens.shown[0].name, QString("TFrmisqlLocation"));
        QVERIFY(context.screens.shown[0].modal);
        QCOMPARE(readAll(IsqlLocationFile::FileName), after);
        QCOMPARE(context.sink.messages, messages);
        QVERIFY(context.sink.errors.isEmpty());
    }
};

QTEST_MAIN(LocationScreensTest)
#include "tst_locationscreens.moc"
