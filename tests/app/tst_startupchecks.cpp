// The main menu's start-up checks and update preference, the About and update
// message screens, and the update check they run, in a working folder made
// per test.
#include "app/UpdateCheck.h"
#include "app/ui/Screens.h"
#include "app/ui/TCentredMemo.h"
#include "app/ui/TFrmMain.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UiDriver.h"
#include "tests/support/WorkingFolder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(ProcessLauncher::Result)

namespace {

using testfiles::readAll;
using testfiles::writeAll;

const QString SettingsFile = QStringLiteral("Settings/Kelvane.ini");
const QByteArray Current = "<update><version>1.0.0.0</version></update>";
const QByteArray Newer = "<update><version>1.0.0.1</version></update>";

QByteArray document(const QString &version)
{
    return "<update><version>" + version.toUtf8() + "</version></update>";
}

// The program's screens over the scripted seams, as a run sees them.
struct Program {
    TestContext context;
    Screens screens{context};
    TFrmMain &main() { return screens.main(); }
    QCheckBox *box() { return ui::find<QCheckBox>(&main(), "ChkUpdates"); }
    Screen &screen(const QString &name) { return *screens.byName(name); }
    QAbstractButton *button(const QString &screenName, const QString &name)
    {
        return ui::find<QAbstractButton>(&screen(screenName), name);
    }
    QStringList shownNames() const
    {
        QStringList names;
        for (const auto &shown : context.screens.shown)
            names << shown.name;
        return names;
    }
};

}

class StartupChecksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WorkingFolder> m_work;

    static void settings(const QByteArray &text) { writeAll(SettingsFile, text); }

private slots:
    void init()
    {
        m_work = std::make_unique<WorkingFolder>();
        QVERIFY(QDir().mkdir("Settings"));
        writeAll("isqlLocation.txt", "/usr/bin/\r\n");
    }
    void cleanup() { m_work.reset(); }

    void theFirstStartAsksForTheToolsFolderOnly_data()
    {
        QTest::addColumn<QStringList>("answers"); // the file dialog's, one per "Browse"
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("messages");
        const QStringList none{"Must select the ISQL.EXE file!!"};
        QTest::newRow("folder chosen") << QStringList{"/opt/firebird/bin/isql"} << QByteArray("/opt/firebird/bin/\r\n")
                                       << QStringList();
        QTest::newRow("dialog cancelled") << QStringList{""} << QByteArray("<unreadable>") << none;
        QTest::newRow("screen closed") << QStringList() << QByteArray("<unreadable>") << none;
    }
    void theFirstStartAsksForTheToolsFolderOnly()
    {
        QFETCH(QStringList, answers);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, messages);
        QVERIFY(QFile::remove("isqlLocation.txt"));
        Program program;
        program.context.fetches.answer(Newer);
        program.context.screens.onModal = [&](Screen &screen) {
            for (const QString &answer : answers) {
                program.context.dialogs.nextFile = answer;
                if (screen.isVisible())
                    ui::click(ui::find<QAbstractButton>(&screen, "CmdDBBrowse"));
            }
            if (screen.isVisible())
                screen.reject();
        };
        program.main().show();
        QCOMPARE(program.shownNames(), QStringList{"TFrmisqlLocation"});
        QVERIFY(program.context.screens.shown[0].modal);
        QCOMPARE(readAll("isqlLocation.txt"), file);
        QCOMPARE(program.context.sink.messages, messages);
        QCOMPARE(program.context.sink.errors, QStringList());
        QVERIFY(!QFileInfo::exists(SettingsFile));
        QCOMPARE(program.context.fetches.urls, QStringList());
        ui::click(program.box());
        program.main().close();
        QVERIFY(!QFileInfo::exists(SettingsFile));
        QCOMPARE(program.context.sink.errors, QStringList());
    }

    void anEmptyToolsFolderFileSkipsTheRest_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("empty first line") << QByteArray("\r\n/usr/bin/\r\n");
    }
    void anEmptyToolsFolderFileSkipsTheRest()
    {
        QFETCH(QByteArray, text);
        writeAll("isqlLocation.txt", text);
        Program program;
        program.context.fetches.answer(Newer);
        program.context.session.SysdbaPassword = "secret";
        program.main().show();
        QCOMPARE(program.context.sink.errors.size(), 1);
        QVERIFY2(program.context.sink.errors[0].contains("isqlLocation.txt"), qPrintable(program.context.sink.errors[0]));
        QCOMPARE(program.context.session.SysdbaPassword, QString());
        QCOMPARE(program.shownNames(), QStringList());
        QVERIFY(!QFileInfo::exists(SettingsFile));
        QCOMPARE(program.context.fetches.urls, QStringList());
        QCOMPARE(readAll("isqlLocation.txt"), text);
    }

    void theStoredPreferenceSetsTheBoxAndTheCheck_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("checks");
        QTest::newRow("one") << QByteArray("[UPDATE]\r\nCheckUpdate=1\r\n") << true;
        QTest::newRow("names in another case") << QByteArray("[update]\r\ncheckupdate=1\r\n") << true;
        QTest::newRow("zero") << QByteArray("[UPDATE]\r\nCheckUpdate=0\r\n") << false;
        QTest::newRow("other text") << QByteArray("[UPDATE]\r\nCheckUpdate=yes\r\n") << false;
        QTest::newRow("one among other text") << QByteArray("[UPDATE]\r\nCheckUpdate=11\r\n") << false;
        QTest::newRow("empty value") << QByteArray("[UPDATE]\r\nCheckUpdate=\r\n") << false;
        QTest::newRow("no key") << QByteArray("[UPDATE]\r\nURL=http://x.test/\r\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
    }
    void theStoredPreferenceSetsTheBoxAndTheCheck()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, checks);
        settings(text);
        Program program;
        program.context.fetches.answer(Current);
        program.context.session.PendingSQLKind = "TB";
        program.context.session.SysdbaPassword = "secret";
        program.main().show();
        QCOMPARE(program.box()->isChecked(), checks);
        QCOMPARE(program.context.fetches.urls.size(), checks ? 1 : 0);
        QCOMPARE(program.context.sink.errors, QStringList());
        QCOMPARE(program.context.sink.messages, QStringList());
        QCOMPARE(program.context.questions.asked, QStringList());
        QCOMPARE(program.context.session.IsqlFolder, QString("/usr/bin/"));
        QCOMPARE(program.context.session.PendingSQLKind, QString());
        QCOMPARE(program.context.session.SysdbaPassword, QString());
        QCOMPARE(readAll(SettingsFile), text);
    }

    void secondStartCreatesTheSettingsWithTheCheckOn()
    {
        Program program;
        program.context.fetches.answer(Current);
        program.main().show();
        QCOMPARE(readAll(SettingsFile), QByteArray("[UPDATE]\r\nCheckUpdate=1\r\n"));
        QVERIFY(program.box()->isChecked());
        QCOMPARE(program.context.fetches.urls, QStringList{UpdateCheck::DocumentUrl});
        QCOMPARE(program.context.sink.errors, QStringList());
        program.main().close();
        QCOMPARE(readAll(SettingsFile), QByteArray("[UPDATE]\r\nCheckUpdate=1\r\n"));
    }

    void closingWritesOnlyTheOppositeOfTheBox_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("one, unchecked: zero") << QByteArray("CheckUpdate=1") << true << QByteArray("CheckUpdate=0");
        QTest::newRow("zero, checked: one") << QByteArray("CheckUpdate=0") << true << QByteArray("CheckUpdate=1");
        QTest::newRow("one, kept") << QByteArray("CheckUpdate=1") << false << QByteArray("CheckUpdate=1");
        QTest::newRow("zero, kept") << QByteArray("CheckUpdate=0") << false << QByteArray("CheckUpdate=0");
        QTest::newRow("empty value, checked") << QByteArray("CheckUpdate=") << true << QByteArray("CheckUpdate=");
        QTest::newRow("other text, checked") << QByteArray("CheckUpdate=yes") << true << QByteArray("CheckUpdate=yes");
        QTest::newRow("other text, unchecked") << QByteArray("CheckUpdate=2") << false << QByteArray("CheckUpdate=2");
        QTest::newRow("no key, checked") << QByteArray("Other=1") << true << QByteArray("Other=1");
        QTest::newRow("key spelled otherwise keeps its spelling")
            << QByteArray("checkupdate = 1") << true << QByteArray("checkupdate=0");
    }
    void closingWritesOnlyTheOppositeOfTheBox()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, toggle);
        QFETCH(QByteArray, written);
        // Other tools' lines, their line ends and blanks stay as they are.
        const QByteArray before = "; made by hand\n[OTHER]\n k = v \n[UPDATE]\n";
        const QByteArray after = "\n[LAST]\nx=1";
        settings(before + line + after);
        Program program;
        program.context.fetches.answer(Current);
        program.main().show();
        if (toggle)
            ui::click(program.box());
        QCOMPARE(readAll(SettingsFile), before + line + after);
        program.main().close();
        QCOMPARE(readAll(SettingsFile), before + written + after);
        QCOMPARE(program.context.sink.errors, QStringList());
    }

    void withoutTheSettingsFolderTheCheckIsSkipped()
    {
        QVERIFY(QDir("Settings").removeRecursively());
        Program program;
        program.main().show();
        QCOMPARE(program.context.sink.errors.size(), 1);
        QVERIFY2(program.context.sink.errors[0].contains(SettingsFile), qPrintable(program.context.sink.errors[0]));
        QCOMPARE(program.context.fetches.urls, QStringList());
        QVERIFY(program.box()->isChecked());
        // The preference lives for the run only, and the menu works on.
        ui::click(program.box());
        ui::click(program.button("TFrmMain", "CmdAbout"));
        QCOMPARE(program.shownNames(), QStringList{"TFrmAbout"});
        program.main().close();
        QVERIFY(!QFileInfo::exists("Settings"));
        QCOMPARE(program.context.sink.errors.size(), 1);
    }

    void aNewerVersionAtStartOffersTheUpgrade_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<ProcessLauncher::Result>("handler");
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QStringList>("messages");
        const ProcessLauncher::Result registered{true, true, 0, "firefox-esr.desktop\n"};
        const QStringList found{"xdg-mime query default x-scheme-handler/http", "xdg-open " + UpdateCheck::DownloadPageUrl};
        const QStringList asked{"xdg-mime query default x-scheme-handler/http"};
        QTest::newRow("ok opens the download page") << true << registered << found << QStringList();
        QTest::newRow("cancel opens nothing") << false << registered << QStringList() << QStringList();
        QTest::newRow("ok, no handler registered")
            << true << ProcessLauncher::Result{true, true, 0, "\n"} << asked << QStringList{"Browser not found!"};
        QTest::newRow("ok, the query fails")
            << true << ProcessLauncher::Result{true, true, 4, "x.desktop"} << asked << QStringList{"Browser not found!"};
        QTest::newRow("ok, no desktop tools installed")
            << true << ProcessLauncher::Result{false, false, -1, {}} << asked << QStringList{"Browser not found!"};
    }
    void aNewerVersionAtStartOffersTheUpgrade()
    {
        QFETCH(bool, ok);
        QFETCH(ProcessLauncher::Result, handler);
        QFETCH(QStringList, programs);
        QFETCH(QStringList, messages);
        settings("[UPDATE]\r\nCheckUpdate=1\r\n");
        Program program;
        program.context.fetches.answer(Newer);
        program.context.questions.answer = ok;
        program.context.launcher.answer = handler;
        program.main().show();
        QCOMPARE(program.context.questions.asked,
                 QStringList{"An upgrade is available!\r\nClick OK to download\r\nor cancel to abort."});
        QStringList launched;
        for (const auto &call : program.context.launcher.calls)
            launched << (QStringList{call.program} + call.arguments).join(' ');
        QCOMPARE(launched, programs);
        QCOMPARE(program.context.sink.messages, messages);
        QCOMPARE(program.context.sink.errors, QStringList());
    }

    void checkForUpdateOffersOrSaysItIsTheLatest_data()
    {
        QTest::addColumn<QString>("remote");
        QTest::addColumn<bool>("offered");
        QTest::newRow("newer") << "1.0.1.0" << true;
        QTest::newRow("equal") << "1.0.0.0" << false;
        QTest::newRow("older") << "0.9.9.9" << false;
    }
    void checkForUpdateOffersOrSaysItIsTheLatest()
    {
        QFETCH(QString, remote);
        QFETCH(bool, offered);
        settings("[UPDATE]\r\nCheckUpdate=0\r\n");
        Program program;
        program.context.fetches.answer(document(remote));
        program.main().show();
        ui::click(program.button("TFrmMain", "CmdAbout"));
        ui::click(program.button("TFrmAbout", "CmdUpd"));
        QCOMPARE(program.context.questions.asked.size(), offered ? 1 : 0);
        const QStringList shown = offered ? QStringList{"TFrmAbout"} : QStringList{"TFrmAbout", "TFrmUpdMsg"};
        QCOMPARE(program.shownNames(), shown);
        QVERIFY(program.context.screens.shown.back().modal);
        QCOMPARE(program.context.fetches.urls, QStringList{UpdateCheck::DocumentUrl});
        QCOMPARE(program.context.sink.errors, QStringList());
        QVERIFY(program.screen("TFrmAbout").isVisible());
    }

    // Each failure of the real fetch or of the document is reported at start
    // and from "Check for Update"; the main menu and the About screen work on.
    void aFailedCheckIsReportedAndTheScreensWorkOn_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        QTest::newRow("xml declaration first") << "/declaration.xml" << "has no version where it belongs";
        QTest::newRow("comment first") << "/comment.xml" << "has no version where it belongs";
        QTest::newRow("not well-formed") << "/broken.xml" << "is not well-formed";
        QTest::newRow("missing node") << "/short.xml" << "has no version where it belongs";
        QTest::newRow("two-part version") << "/twoparts.xml" << "\"\" in the version \"1.2\" is not a valid integer value";
        QTest::newRow("http 404") << "/missing.xml" << "the server answered 404 Not Found";
        QTest::newRow("closed port") << "closed" << "refused";
        QTest::newRow("silent server") << "/silent.xml" << "no complete answer within 0.3 seconds";
    }
    void aFailedCheckIsReportedAndTheScreensWorkOn()
    {
        QFETCH(QString, path);
        QFETCH(QString, error);
        LoopbackHttpServer server;
        server.answer("/declaration.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + Newer);
        server.answer("/comment.xml", "<!-- current version -->" + Newer);
        server.answer("/broken.xml", "<update><version>1.0.0.1</update>");
        server.answer("/short.xml", "<update/>");
        server.answer("/twoparts.xml", document("1.2"));
        server.answer("/silent.xml", {200, {}, {}, true});
        const QString url = path == "closed" ? LoopbackHttpServer::closedPortUrl("/Kelvane.xml") : server.url(path);
        const QByteArray text = "[UPDATE]\r\nCheckUpdate=1\r\nURL=" + url.toUtf8() + "\r\n";
        settings(text);
        Program program;
        QtDocumentFetcher network;
        network.timeoutMs = 300;
        program.context.fetcher = &network;

        program.main().show();
        QCOMPARE(program.context.sink.errors.size(), 1);
        QVERIFY2(program.context.sink.errors[0].contains(error), qPrintable(program.context.sink.errors[0]));
        ui::click(program.button("TFrmMain", "CmdAbout"));
        QVERIFY(program.screen("TFrmAbout").isVisible());
        ui::click(program.button("TFrmAbout", "CmdUpd"));
        QCOMPARE(program.context.sink.errors.size(), 2);
        QCOMPARE(program.context.sink.errors[1], program.context.sink.errors[0]);
        QVERIFY(program.screen("TFrmAbout").isVisible());
        QCOMPARE(program.shownNames(), QStringList{"TFrmAbout"});
        QCOMPARE(program.context.questions.asked, QStringList());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        program.main().close();
        QCOMPARE(readAll(SettingsFile), text);
    }

    void theFetchShowsABusyCursorWhileItWaits()
    {
        LoopbackHttpServer server;
        server.answer("/Kelvane.xml", Newer);
        settings("[UPDATE]\r\nCheckUpdate=1\r\nURL=" + server.url("/Kelvane.xml").toUtf8() + "\r\n");
        Program program;
        QtDocumentFetcher network;
        program.context.fetcher = &network;
        program.context.questions.answer = false;
        Qt::CursorShape during = Qt::ArrowCursor;
        server.onRequest = [&] {
            if (const QCursor *cursor = QGuiApplication::overrideCursor())
                during = cursor->shape();
        };
        program.main().show();
        QCOMPARE(server.requested, QStringList{"/Kelvane.xml"});
        QCOMPARE(during, Qt::WaitCursor);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(program.context.questions.asked.size(), 1);
    }

    void theUpgradeQuestionHasOkAsItsDefault()
    {
        QtOkCancelQuestion question;
        QString text;
        bool okDefault = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            okDefault = box->defaultButton() == box->button(QMessageBox::Ok);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(question.askOkCancel("An upgrade is available!"));
        QCOMPARE(text, QString("An upgrade is available!"));
        QVERIFY(okDefault);
    }

    void theAboutAndMessageScreensShowCentredReadOnlyLines()
    {
        Program program;
        auto *about = ui::find<TCentredMemo>(&program.screen("TFrmAbout"), "MmoAbout");
        auto *message = ui::find<TCentredMemo>(&program.screen("TFrmUpdMsg"), "MmoUpd");
        const QStringList lines = about->lines();
        QCOMPARE(lines.value(0), QString("Utility Kelvane (V1.0.0.0)"));
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[6], QString());
        QCOMPARE(message->lines(), (QStringList{"You have the latest version", "of Utility Kelvane",
                                                "For more free software visit:", UpdateCheck::DownloadPageUrl}));
        for (TCentredMemo *memo : {about, message}) {
            QVERIFY(memo->isReadOnly());
            QCOMPARE(memo->frameShape(), QFrame::NoFrame);
            for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
                QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        }
        QCOMPARE(program.button("TFrmAbout", "CmdClose")->text(), QString("Close"));
        QCOMPARE(program.button("TFrmAbout", "CmdUpd")->text(), QString("Check for Update"));
        QCOMPARE(program.button("TFrmUpdMsg", "CmdOK")->text(), QString("OK"));
        for (const auto &[screen, button] : {std::pair{"TFrmAbout", "CmdClose"}, std::pair{"TFrmUpdMsg", "CmdOK"}}) {
            program.screen(screen).show();
            ui::click(program.button(screen, button));
            QVERIFY(!program.screen(screen).isVisible());
        }
    }
};

QTEST_MAIN(StartupChecksTest)
#include "tst_startupchecks.moc"
