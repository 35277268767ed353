#pragma once

#include "app/ui/Screen.h"

class QPushButton;
class TEdit;

// "Set Administration Password for This Session": the administrator's name
// and password for this run. No show handler: the edits keep what was typed.
class TFrmSysDBAPW : public Screen {
    Q_OBJECT
public:
    explicit TFrmSysDBAPW(AppContext &context);

    TEdit *TxtSYSDBA;
    TEdit *TxtPW;
    QPushButton *CmdSetPW;

private:
    void CmdSetPWClick();
};
