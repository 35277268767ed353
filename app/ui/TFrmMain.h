#pragma once

#include "app/ui/Screen.h"

class QCheckBox;
class QToolButton;
class Screens;

// The main menu: one large button per task screen. Closing it ends the program.
class TFrmMain : public Screen {
    Q_OBJECT
public:
    TFrmMain(AppContext &context, Screens &screens);

    QCheckBox *ChkUpdates;

protected:
    // Start-up checks: the tools' folder on the first run, then the update
    // preference and, when it is on, the update check.
    void FormShow() override;
    // Keeps the update preference: see UpdateSettings::valueOnClose.
    void FormClose() override;
    // Escape closes a task screen, but never the main menu (and so the program).
    void keyPressEvent(QKeyEvent *event) override;

private:
    QToolButton *imageButton(const QString &name, const QString &caption, const QString &image);
    void openScreen(const QString &name, bool modal);
    void CmdSetISQLClick();
    void CmdExitClick();
    // Reads the preference from the settings file, or creates the file with
    // the check on, and runs the check when the preference says so.
    void readPreferenceAndCheck();

    Screens &m_screens;
};
