#include "app/ui/AppContext.h"
#include "app/ui/GuardedApplication.h"
#include "app/ui/Images.h"
#include "app/ui/ScreenTour.h"
#include "app/ui/Screens.h"
#include "app/ui/TFrmMain.h"
#include "session/DemoDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char *argv[])
{
    // Sets up the working folder for trying the program (run.sh does this on
    // first run): no window, and the Settings folder must already exist.
    if (argc == 2 && qstrcmp(argv[1], "--make-demo") == 0) {
        QCoreApplication setUp(argc, argv);
        try {
            DemoDatabase::setUpFolder(QDir::currentPath());
        } catch (const std::exception &error) {
            std::fprintf(stderr, "kelvane: demo set-up failed: %s\n", error.what());
            return 1;
        }
        return 0;
    }

    // Pictures of every screen for the documentation, into a folder that exists.
    QString screenshots;
    if (argc == 3 && qstrcmp(argv[1], "--screenshots") == 0) {
        screenshots = QString::fromLocal8Bit(argv[2]);
        if (!QFileInfo(screenshots).isDir()) {
            std::fprintf(stderr, "kelvane: no folder %s\n", argv[2]);
            return 1;
        }
    }

    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setWindowIcon(Images::program());
    // Lets the desktop match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvane"));
    // The main menu's close ends the program, even with a non-modal screen open.
    QApplication::setQuitOnLastWindowClosed(false);

    AppContext context;
    std::unique_ptr<ScreenTour> tour;
    if (!screenshots.isEmpty())
        tour = std::make_unique<ScreenTour>(context, screenshots);
    app.setMessageSink(context.messages);
    Screens screens(context);
    QObject::connect(&screens.main(), &QDialog::finished, &app, &QApplication::quit);
    screens.main().show();
    if (tour)
        tour->start(screens);
    return app.exec();
}
