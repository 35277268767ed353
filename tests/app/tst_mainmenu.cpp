// The program's screens and its main menu, driven offscreen.
#include "app/ui/Screen.h"
#include "app/ui/Screens.h"
#include "app/ui/TFrmMain.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UiDriver.h"

#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// A working folder of its own while it lives, whose location file names the tools' folder.
struct ToolsFolderKnown {
    ToolsFolderKnown() : previous(QDir::currentPath())
    {
        QDir::setCurrent(work.path());
        testfiles::writeAll(QStringLiteral("isqlLocation.txt"), "/usr/bin/\r\n");
    }
    ~ToolsFolderKnown() { QDir::setCurrent(previous); }
    QString previous;
    QTemporaryDir work;
};

}

class MainMenuTest : public QObject {
    Q_OBJECT

private slots:
    void screensAreCreatedOnceInTheirOrder()
    {
        TestContext context;
        Screens screens(context);
        const QStringList expected = {
            "TFrmMain", "TFrmOpen", "TFrmCreateDB", "TFrmisqlLocation", "TFrmAbout", "TFrmAddRemUsers",
            "TFrmSysDBAPW", "TFrmTables", "TFrmAddRemRoles", "TFrmUserInRoles", "TFrmRolesForUser",
            "TFrmShowTbls", "TFrmPermissions", "TFrmUserPerm", "TFrmTblPerm", "TFrmIndexes", "TFrmFK",
            "TFrmTbl4Role", "TFrmSQL", "TFrmUpdMsg"};
        QStringList names;
        for (const auto &screen : screens.all()) {
            names << screen->objectName();
            QVERIFY(!screen->isVisible());
        }
        QCOMPARE(names, expected);
        QCOMPARE(screens.main().windowTitle(), QString("Main Menu"));
    }

    void eachButtonOpensItsScreen_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("modal");
        QTest::newRow("open") << "CmdOpenConn" << "Open Connection" << "TFrmOpen" << "Open Connection" << true;
        QTest::newRow("indexes") << "CmdAddRemoveIndexes" << "Create/Remove Indexes" << "TFrmIndexes"
                                 << "Create/Remove Indexes" << false;
        QTest::newRow("foreign keys") << "CmdCreateRemoveFK" << "Create/Remove Foriegn Keys" << "TFrmFK"
                                      << "Create or Remove Foriegn Keys" << true;
        QTest::newRow("users") << "CmdAddRemoveUsers" << "Add/Remove Users" << "TFrmAddRemUsers"
                               << "Add/Remove Users" << false;
        QTest::newRow("roles") << "CmdAddRemoveRoles" << "Add/Remove Roles" << "TFrmAddRemRoles"
                               << "Add/Remove Roles" << true;
        QTest::newRow("role members") << "CmdAddRemoveFromRoles" << "Add/Remove Users To/From Roles"
                                      << "TFrmUserInRoles" << "Add/Remove Users To/From Roles" << true;
        QTest::newRow("grants") << "CmdGrantRevoke" << "Grant/Revoke On Tables" << "TFrmPermissions"
                                << "Grant/Revoke Permissions on Tables to/from Users or Roles" << true;
        QTest::newRow("tables") << "CmdCreateTable" << "Create/Delete Table" << "TFrmTables"
                                << "Create or Delete Tables" << true;
        QTest::newRow("create database") << "CmdCreateDB" << "Create Firebird Database" << "TFrmCreateDB"
                                         << "Create Firebird Database" << true;
        QTest::newRow("session password") << "CmdSetSessionPW" << "Set SYSDBA Password for This Session"
                                          << "TFrmSysDBAPW" << "Set Administration Password for This Session" << true;
        QTest::newRow("objects") << "CmdShowTables" << "Show DB Objects" << "TFrmShowTbls"
                                 << "Showing DB Objects" << true;
        QTest::newRow("sql") << "CmdExeSQL" << "Execute SQL Statement" << "TFrmSQL" << "Execute SQL statement" << true;
        QTest::newRow("about") << "CmdAbout" << "About" << "TFrmAbout" << "About" << true;
    }
    void eachButtonOpensItsScreen()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(bool, modal);
        // The Create Database screen asks for the tools' folder unless the
        // working folder's location file names one.
        const ToolsFolderKnown known;
        TestContext context;
        Screens screens(context);
        screens.main().show();
        auto *control = ui::find<QAbstractButton>(&screens.main(), button);
        QCOMPARE(control->text(), caption);
        ui::click(control);
        QCOMPARE(int(context.screens.shown.size()), 1);
        QCOMPARE(context.screens.shown[0].name, screen);
        QCOMPARE(context.screens.shown[0].modal, modal);
        Screen *shown = screens.byName(screen);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->windowTitle(), title);
    }

    void indexesTwiceLeavesOneScreenOpen()
    {
        TestContext context;
        Screens screens(context);
        screens.main().show();
        auto *button = ui::find<QAbstractButton>(&screens.main(), "CmdAddRemoveIndexes");
        ui::click(button);
        ui::click(button);
        int visible = 0;
        for (const auto &screen : screens.all())
            visible += screen->objectName() == "TFrmIndexes" && screen->isVisible();
        QCOMPARE(visible, 1);
        // The main menu stays usable beside it.
        ui::click(ui::find<QAbstractButton>(&screens.main(), "CmdCreateTable"));
        QCOMPARE(context.screens.shown.back().name, QString("TFrmTables"));
    }

    void exitClosesTheMainMenu()
    {
        TestContext context;
        Screens screens(context);
        screens.main().show();
        QSignalSpy finished(&screens.main(), &QDialog::finished);
        ui::click(ui::find<QAbstractButton>(&screens.main(), "CmdExit"));
        QVERIFY(!screens.main().isVisible());
        QCOMPARE(finished.count(), 1);
    }

    void escapeDoesNotCloseTheMainMenu()
    {
        TestContext context;
        Screens screens(context);
        screens.main().show();
        QTest::keyClick(&screens.main(), Qt::Key_Escape);
        QVERIFY(screens.main().isVisible());
    }

    void updatesCheckBoxStartsChecked()
    {
        TestContext context;
        Screens screens(context);
        auto *check = ui::find<QCheckBox>(&screens.main(), "ChkUpdates");
        QCOMPARE(check->text(), QString("Check for Updates on Start"));
        QVERIFY(check->isChecked());
    }
};

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
