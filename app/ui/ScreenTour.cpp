#include "app/ui/ScreenTour.h"

#include "app/ui/AppContext.h"
#include "app/ui/Screen.h"
#include "app/ui/Screens.h"
#include "app/ui/TFrmMain.h"
#include "browse/ObjectStatements.h"
#include "session/DbError.h"
#include "session/DemoDatabase.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

namespace {

// Lets the screen lay itself out and load what it shows.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void print(const char *kind, const QString &text)
{
    QString flat = text;
    flat.replace(LineBreak, QStringLiteral(" / "));
    std::fprintf(stderr, "kelvane: %s: %s\n", kind, qPrintable(flat));
}

}

void ScreenTour::PrintedMessages::showMessage(const QString &text)
{
    print("message", text);
}

void ScreenTour::PrintedMessages::showError(const QString &text)
{
    print("error", text);
}

ScreenTour::ScreenTour(AppContext &context, const QString &folder)
    : m_context(context), m_folder(folder), m_oldMessages(context.messages), m_oldShower(context.shower)
{
    context.messages = &m_messages;
    context.shower = &m_shower;
}

ScreenTour::~ScreenTour()
{
    m_context.messages = m_oldMessages;
    m_context.shower = m_oldShower;
}

void ScreenTour::start(Screens &screens)
{
    QTimer::singleShot(0, [this, &screens] { run(screens); });
}

void ScreenTour::run(Screens &screens)
{
    settle(300);
    bool saved = save(screens.main());
    for (const auto &screen : screens.all()) {
        if (screen.get() == &screens.main())
            continue;
        prepare(*screen);
        screen->show();
        settle(400);
        const bool demo = screen->objectName() == QLatin1String("TFrmOpen") && pickDemo(*screen);
        saved = save(*screen) && saved;
        if (demo) {
            if (auto *finish = screen->findChild<QAbstractButton *>(QStringLiteral("CmdFinish")))
                finish->click();
            m_connected = m_context.session.connectionOpen();
        }
        screen->hide();
        settle(50);
    }
    QCoreApplication::exit(saved ? 0 : 1);
}

void ScreenTour::prepare(Screen &screen)
{
    Session &session = m_context.session;
    // The permission viewers close the connection behind them; a user would
    // open it again before the next task.
    if (m_connected && !session.connectionOpen()) {
        try {
            session.SessionConnection->Open();
        } catch (const DbError &error) {
            print("error", error.text());
        }
    }
    const QString name = screen.objectName();
    if (name == QLatin1String("TFrmRolesForUser")) {
        session.SelectedName = QStringLiteral("MARY");
        session.RoleViewMode = QStringLiteral("USER");
    } else if (name == QLatin1String("TFrmUserPerm")) {
        session.SelectedName = QStringLiteral("CLERK");
        session.PermViewMode = QStringLiteral("USER");
    } else if (name == QLatin1String("TFrmTblPerm")) {
        session.SelectedName = QStringLiteral("CLERK");
        session.SelectedTable = QStringLiteral("ORDERS");
        session.PermViewMode = QStringLiteral("USER");
    } else if (name == QLatin1String("TFrmTbl4Role")) {
        session.SelectedName = QStringLiteral("CLERK");
    } else if (name == QLatin1String("TFrmSQL")) {
        session.PendingSQLKind = QStringLiteral("TB");
        session.PendingSQL = objects::tableStatement(QStringLiteral("ORDERS"));
    }
}

// Picks the stored connection "Demo" as the user would; false when there is none.
bool ScreenTour::pickDemo(Screen &open)
{
    auto *connections = open.findChild<QComboBox *>(QStringLiteral("CmbConns"));
    const int demo = connections ? connections->findText(DemoDatabase::ConnectionName) : -1;
    if (demo < 0)
        return false;
    connections->setCurrentIndex(demo);
    emit connections->activated(demo);
    settle(100);
    return true;
}

bool ScreenTour::save(Screen &screen)
{
    const QString file = QDir(m_folder).filePath(screen.objectName() + QStringLiteral(".png"));
    if (screen.grab().save(file))
        return true;
    print("error", QStringLiteral("could not save ") + file);
    return false;
}
