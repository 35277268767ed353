#include "app/ui/TFrmMain.h"

#include "app/IsqlLocationFile.h"
#include "app/UpdateSettings.h"
#include "app/ui/Images.h"
#include "app/ui/Screens.h"
#include "app/ui/UpdateFlow.h"
#include "session/IniFile.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct MenuButton {
    const char *name;
    const char *caption;
    const char *screen; // empty: handled elsewhere
    bool modal;
    const char *image; // in the built-in button set
};

// Four rows of three: connection and schema, users and roles, grants, tables
// and database creation, then the tool folder, the session password and the
// object browser.
const MenuButton grid[] = {
    {"CmdOpenConn", "Open Connection", "TFrmOpen", true, "network-connect"},
    {"CmdAddRemoveIndexes", "Create/Remove Indexes", "TFrmIndexes", false, "view-sort-ascending"},
    {"CmdCreateRemoveFK", "Create/Remove Foriegn Keys", "TFrmFK", true, "insert-link"},
    {"CmdAddRemoveUsers", "Add/Remove Users", "TFrmAddRemUsers", false, "list-add-user"},
    {"CmdAddRemoveRoles", "Add/Remove Roles", "TFrmAddRemRoles", true, "user-group-new"},
    {"CmdAddRemoveFromRoles", "Add/Remove Users To/From Roles", "TFrmUserInRoles", true, "user-group-properties"},
    {"CmdGrantRevoke", "Grant/Revoke On Tables", "TFrmPermissions", true, "security-high"},
    {"CmdCreateTable", "Create/Delete Table", "TFrmTables", true, "insert-table"},
    {"CmdCreateDB", "Create Firebird Database", "TFrmCreateDB", true, "server-database"},
    {"CmdSetISQL", "Set Location of ISQL.EXE", "", true, "folder-script"},
    {"CmdSetSessionPW", "Set SYSDBA Password for This Session", "TFrmSysDBAPW", true, "dialog-password"},
    {"CmdShowTables", "Show DB Objects", "TFrmShowTbls", true, "view-list-tree"},
};

const MenuButton bottom[] = {
    {"CmdExeSQL", "Execute SQL Statement", "TFrmSQL", true, "system-run"},
    {"CmdExit", "Exit Program", "", true, "application-exit"},
};

}

TFrmMain::TFrmMain(AppContext &context, Screens &screens)
    : Screen(context, QStringLiteral("TFrmMain"), QStringLiteral("Main Menu")), m_screens(screens)
{
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    ChkUpdates = make<QCheckBox>(QStringLiteral("ChkUpdates"), QStringLiteral("Check for Updates on Start"));
    ChkUpdates->setChecked(true);
    auto *CmdAbout = makeButton(QStringLiteral("CmdAbout"), QStringLiteral("About"));
    top->addWidget(ChkUpdates);
    top->addStretch();
    top->addWidget(CmdAbout);
    layout->addLayout(top);
    on(CmdAbout, &QPushButton::clicked, [this] { openScreen(QStringLiteral("TFrmAbout"), true); });

    auto *buttons = new QGridLayout;
    int index = 0;
    for (const MenuButton &entry : grid) {
        QToolButton *button = imageButton(QString::fromLatin1(entry.name), QString::fromLatin1(entry.caption),
                                          QString::fromLatin1(entry.image));
        buttons->addWidget(button, index / 3, index % 3);
        const QString target = QString::fromLatin1(entry.screen);
        const bool modal = entry.modal;
        if (target.isEmpty())
            on(button, &QToolButton::clicked, [this] { CmdSetISQLClick(); });
        else
            on(button, &QToolButton::clicked, [this, target, modal] { openScreen(target, modal); });
        ++index;
    }
    layout->addLayout(buttons);

    auto *lower = new QHBoxLayout;
    for (const MenuButton &entry : bottom) {
        QToolButton *button = imageButton(QString::fromLatin1(entry.name), QString::fromLatin1(entry.caption),
                                          QString::fromLatin1(entry.image));
        lower->addWidget(button);
        const QString target = QString::fromLatin1(entry.screen);
        if (target.isEmpty())
            on(button, &QToolButton::clicked, [this] { CmdExitClick(); });
        else
            on(button, &QToolButton::clicked, [this, target] { openScreen(target, true); });
    }
    layout->addLayout(lower);
}

QToolButton *TFrmMain::imageButton(const QString &name, const QString &caption, const QString &image)
{
    auto *button = make<QToolButton>(name);
    button->setText(caption);
    button->setIcon(Images::button(image));
    button->setIconSize(QSize(Images::ButtonSize, Images::ButtonSize));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setMinimumSize(190, 84);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

void TFrmMain::openScreen(const QString &name, bool modal)
{
    Screen *screen = m_screens.byName(name);
    if (!screen)
        return;
    if (modal)
        context().shower->showModal(*screen);
    else
        context().shower->showModeless(*screen);
}

void TFrmMain::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    Screen::keyPressEvent(event);
}

void TFrmMain::CmdSetISQLClick()
{
    openScreen(QStringLiteral("TFrmisqlLocation"), true);
    // A closed screen keeps the folder known before, which is written again.
    if (session().IsqlFolder.isEmpty()) {
        messages().showMessage(QStringLiteral("Must select the ISQL.EXE file!!") + LineBreak
                               + QStringLiteral("Nothing has been changed."));
        return;
    }
    IsqlLocationFile().writeFolder(session().IsqlFolder);
}

void TFrmMain::CmdExitClick()
{
    close();
}

void TFrmMain::FormShow()
{
    session().PendingSQLKind.clear();
    session().SysdbaPassword.clear();
    const IsqlLocationFile location;
    if (!location.exists()) {
        // The first run asks for the tools' folder and does nothing more.
        openScreen(QStringLiteral("TFrmisqlLocation"), true);
        if (session().IsqlFolder.isEmpty())
            messages().showMessage(QStringLiteral("Must select the ISQL.EXE file!!"));
        else
            location.writeFolder(session().IsqlFolder);
        return;
    }
    // An empty file throws here, so the settings wait for the next start.
    session().IsqlFolder = location.readFolder();
    readPreferenceAndCheck();
}

void TFrmMain::readPreferenceAndCheck()
{
    IniFile settings(UpdateSettings::FileName);
    if (QFileInfo::exists(UpdateSettings::FileName)) {
        ChkUpdates->setChecked(
            UpdateSettings::checksOnStart(settings.readString(UpdateSettings::Section, UpdateSettings::CheckUpdateKey)));
        if (!ChkUpdates->isChecked())
            return;
    } else {
        // Fails, naming the file, when the Settings folder is missing.
        settings.writeString(UpdateSettings::Section, UpdateSettings::CheckUpdateKey, QStringLiteral("1"));
        settings.flush();
    }
    UpdateFlow update(context());
    if (update.UpdateAvailable())
        update.offerUpgrade();
}

void TFrmMain::FormClose()
{
    IniFile settings(UpdateSettings::FileName);
    const QString value = UpdateSettings::valueOnClose(
        ChkUpdates->isChecked(), settings.readString(UpdateSettings::Section, UpdateSettings::CheckUpdateKey));
    if (value.isEmpty())
        return;
    settings.writeString(UpdateSettings::Section, UpdateSettings::CheckUpdateKey, value);
    settings.flush();
}
