#include "app/ui/TFrmMain.h"

#include "app/IsqlLocationFile.h"
#include "app/ui/Screens.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct MenuButton {
    const char *name;
    const char *caption;
    const char *screen; // empty: handled elsewhere
    bool modal;
    QStyle::StandardPixmap icon;
};

// Four rows of three: connection and schema, users and roles, grants, tables
// and database creation, then the tool folder, the session password and the
// object browser.
const MenuButton grid[] = {
    {"CmdOpenConn", "Open Connection", "TFrmOpen", true, QStyle::SP_DriveNetIcon},
    {"CmdAddRemoveIndexes", "Create/Remove Indexes", "TFrmIndexes", false, QStyle::SP_FileDialogDetailedView},
    {"CmdCreateRemoveFK", "Create/Remove Foriegn Keys", "TFrmFK", true, QStyle::SP_FileLinkIcon},
    {"CmdAddRemoveUsers", "Add/Remove Users", "TFrmAddRemUsers", false, QStyle::SP_DirHomeIcon},
    {"CmdAddRemoveRoles", "Add/Remove Roles", "TFrmAddRemRoles", true, QStyle::SP_FileDialogInfoView},
    {"CmdAddRemoveFromRoles", "Add/Remove Users To/From Roles", "TFrmUserInRoles", true, QStyle::SP_ArrowRight},
    {"CmdGrantRevoke", "Grant/Revoke On Tables", "TFrmPermissions", true, QStyle::SP_DialogApplyButton},
    {"CmdCreateTable", "Create/Delete Table", "TFrmTables", true, QStyle::SP_FileDialogNewFolder},
    {"CmdCreateDB", "Create Firebird Database", "TFrmCreateDB", true, QStyle::SP_DriveHDIcon},
    {"CmdSetISQL", "Set Location of ISQL.EXE", "", true, QStyle::SP_DirOpenIcon},
    {"CmdSetSessionPW", "Set SYSDBA Password for This Session", "TFrmSysDBAPW", true, QStyle::SP_DialogYesButton},
    {"CmdShowTables", "Show DB Objects", "TFrmShowTbls", true, QStyle::SP_FileDialogContentsView},
};

const MenuButton bottom[] = {
    {"CmdExeSQL", "Execute SQL Statement", "TFrmSQL", true, QStyle::SP_MediaPlay},
    {"CmdExit", "Exit Program", "", true, QStyle::SP_DialogCloseButton},
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
        QToolButton *button = imageButton(QString::fromLatin1(entry.name), QString::fromLatin1(entry.caption), entry.icon);
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
        QToolButton *button = imageButton(QString::fromLatin1(entry.name), QString::fromLatin1(entry.caption), entry.icon);
        lower->addWidget(button);
        const QString target = QString::fromLatin1(entry.screen);
        if (target.isEmpty())
            on(button, &QToolButton::clicked, [this] { CmdExitClick(); });
        else
            on(button, &QToolButton::clicked, [this, target] { openScreen(target, true); });
    }
    layout->addLayout(lower);
}

QToolButton *TFrmMain::imageButton(const QString &name, const QString &caption, int icon)
{
    auto *button = make<QToolButton>(name);
    button->setText(caption);
    button->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    button->setIconSize(QSize(40, 40));
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
