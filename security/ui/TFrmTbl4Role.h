#pragma once

#include "security/ui/PermissionViewer.h"

class Screens;

// "Tables for Role": the tables the role in SelectedName holds privileges on;
// a click on one shows the role's privileges on it. A failure while reading is
// reported with the server's text; the tables read before it stay listed.
class TFrmTbl4Role : public PermissionViewer {
    Q_OBJECT
public:
    TFrmTbl4Role(AppContext &context, Screens &screens);

protected:
    void FormShow() override;

private:
    void LstUserPermClick();

    Screens &m_screens;
};
