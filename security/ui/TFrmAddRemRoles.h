#pragma once

#include "app/ui/Screen.h"

class QPushButton;
class TEdit;
class TListBox;

// "Add/Remove Roles": creates a role under a typed name, or drops the roles
// picked from the list. The button's caption tells the mode the name puts the
// screen in; the statement edit always shows what the button will run.
class TFrmAddRemRoles : public Screen {
    Q_OBJECT
public:
    explicit TFrmAddRemRoles(AppContext &context);

protected:
    void FormShow() override;

private:
    void LstRolesClick();
    void TxtRoleNameChange();
    void CmdAddRemRoleClick();

    // Runs a statement that returns no rows on the session connection.
    void execute(const QString &sql);

    TListBox *LstRoles;
    TEdit *TxtRoleName;
    QPushButton *CmdAddRemRole;
    TEdit *TxtSqlStatement;
};
