#include "app/ui/AppContext.h"
#include "app/ui/GuardedApplication.h"
#include "app/ui/Screens.h"
#include "app/ui/TFrmMain.h"

int main(int argc, char *argv[])
{
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
