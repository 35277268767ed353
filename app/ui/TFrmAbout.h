#pragma once

#include "app/ui/Screen.h"

class QPushButton;
class Screens;
class TCentredMemo;

// "About": who made the program and how to reach them, and the update check
// on demand.
class TFrmAbout : public Screen {
    Q_OBJECT
public:
    TFrmAbout(AppContext &context, Screens &screens);

private:
    void CmdCloseClick();
    // A newer version: the upgrade offer; otherwise the update message screen.
    void CmdUpdClick();

    TCentredMemo *MmoAbout;
    QPushButton *CmdClose;
    QPushButton *CmdUpd;
    Screens &m_screens;
};
