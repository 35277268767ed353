#pragma once

#include "app/ui/Screen.h"
#include "session/TSimpleDataSet.h"

class QLabel;
class QPushButton;
class Screens;
class TEdit;
class TListBox;
class TRadioGroup;

// "Add/Remove Users To/From Roles": users and roles are picked from two
// lists and one GRANT or REVOKE statement for all of them is composed into a
// read-only edit, which the button executes as it stands. The statement is
// composed by clicks in the lists only, so after a change of mode the button
// runs the statement shown until the next click.
class TFrmUserInRoles : public Screen {
    Q_OBJECT
public:
    TFrmUserInRoles(AppContext &context, Screens &screens);

protected:
    void FormShow() override;

private:
    void LstUserClick();
    void LstRolesClick();
    void RGRUModeClick();
    void RGRemAddModeClick();
    void CmdUserInRoleClick();
    void CmdCopySQLClick();
    void CmdRoles4UserClick();
    void CmdUsers4RoleClick();

    QString BuildRoleGrantSQL() const;
    void setGrantVerb();
    void showRolesForUser(const QString &name, const QString &mode);

    QLabel *LblUsers;
    TListBox *LstUser;
    QLabel *LblRoles;
    TListBox *LstRoles;
    QLabel *LblInfo;
    TRadioGroup *RGRUMode;
    TRadioGroup *RGRemAddMode;
    QPushButton *CmdUserInRole;
    QLabel *LblSqlStatement;
    TEdit *TxtSqlStatement;
    QPushButton *CmdCopySQL;
    QPushButton *CmdRoles4User;
    QPushButton *CmdUsers4Role;
    std::unique_ptr<TSimpleDataSet> SDSQryRoles;

    // "Grant " or "Revoke ": only feeds the button's caption. Kept between shows.
    QString GrantVerb;
    Screens &m_screens;
};
