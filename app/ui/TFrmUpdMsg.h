#pragma once

#include "app/ui/Screen.h"

class QPushButton;
class TCentredMemo;

// "Update Message": this is the latest version.
class TFrmUpdMsg : public Screen {
    Q_OBJECT
public:
    explicit TFrmUpdMsg(AppContext &context);

private:
    void CmdOKClick();

    TCentredMemo *MmoUpd;
    QPushButton *CmdOK;
};
