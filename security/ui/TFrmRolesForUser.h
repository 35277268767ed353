#pragma once

#include "app/ui/Screen.h"

class QLabel;
class Screens;
class TListBox;
class TMemo;

// "Roles grants": the roles granted to the user in SelectedName (RoleViewMode
// "USER"), or every grantee recorded against the role in SelectedName. Values
// are listed as the server returns them, blanks included. In user mode a
// click on a role shows the tables of that role.
class TFrmRolesForUser : public Screen {
    Q_OBJECT
public:
    TFrmRolesForUser(AppContext &context, Screens &screens);

protected:
    void FormShow() override;

private:
    void LstUserRoleClick();

    QLabel *LblInstructions;
    TListBox *LstUserRole;
    QLabel *LblSqlStatement;
    TMemo *TxtSql;
    Screens &m_screens;
};
