// Start-up cost: creating the 20 screens and showing the main menu.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/startup_bench [rounds]
// (or under xvfb-run for a real X server). Prints the first round (cold) and
// the median of the rest, in milliseconds. It runs in a working folder of its
// own, set up as after the first start with the update check off.
#include "app/ui/AppContext.h"
#include "app/ui/Screens.h"
#include "app/ui/TFrmMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    const double appInit = double(sinceStart.nsecsElapsed()) / 1e6;
    QTemporaryDir work;
    QFile location(work.filePath(QStringLiteral("isqlLocation.txt")));
    QFile settings(work.filePath(QStringLiteral("Settings/Kelvane.ini")));
    if (!work.isValid() || !QDir(work.path()).mkdir(QStringLiteral("Settings")) || !location.open(QIODevice::WriteOnly)
        || location.write("/usr/bin/\r\n") < 0 || !settings.open(QIODevice::WriteOnly)
        || settings.write("[UPDATE]\r\nCheckUpdate=0\r\n") < 0 || !QDir::setCurrent(work.path())) {
        std::fprintf(stderr, "startup_bench: cannot set up a working folder\n");
        return 1;
    }
    location.close();
    settings.close();
    const int rounds = argc > 1 ? std::max(2, atoi(argv[1])) : 21;
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        {
            AppContext context;
            Screens screens(context);
            screens.main().show();
            QCoreApplication::processEvents();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
            screens.main().hide();
        }
        QCoreApplication::processEvents();
    }
    const double cold = times.front();
    std::vector<double> warm(times.begin() + 1, times.end());
    std::sort(warm.begin(), warm.end());
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("application init: %.1f ms\n", appInit);
    std::printf("20 screens + main menu shown, first round: %.1f ms\n", cold);
    std::printf("20 screens + main menu shown, median of %zu later rounds: %.1f ms\n", warm.size(),
                warm[warm.size() / 2]);
    std::printf("program start to main menu (init + first round): %.1f ms\n", appInit + cold);
    return 0;
}
