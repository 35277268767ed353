#include "app/ui/AppContext.h"
#include "app/ui/GuardedApplication.h"
#include "app/ui/Screens.h"
#include "app/ui/TFrmMain.h"
#include "session/DemoDatabase.h"

#include <QDir>
#include <cstdio>
#include <exception>

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

    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    // The main menu's close ends the program, even with a non-modal screen open.
    QApplication::setQuitOnLastWindowClosed(false);

    AppContext context;
    app.setMessageSink(context.messages);
    Screens screens(context);
    QObject::connect(&screens.main(), &QDialog::finished, &app, &QApplication::quit);
    screens.main().show();
    return app.exec();
}
