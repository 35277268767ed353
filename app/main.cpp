#include "app/ui/AppContext.h"
#include "app/ui/Screens.h"
#include "app/ui/TFrmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    // The main menu's close ends the program, even with a non-modal screen open.
    QApplication::setQuitOnLastWindowClosed(false);

    AppContext context;
    Screens screens(context);
    QObject::connect(&screens.main(), &QDialog::finished, &app, &QApplication::quit);
    screens.main().show();
    return app.exec();
}
