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
    // Escape closes a task screen, but never the main menu (and so the program).
    void keyPressEvent(QKeyEvent *event) override;

private:
    QToolButton *imageButton(const QString &name, const QString &caption, int icon);
    void openScreen(const QString &name, bool modal);
    void CmdSetISQLClick();
    void CmdExitClick();

    Screens &m_screens;
};
