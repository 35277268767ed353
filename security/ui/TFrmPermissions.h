#pragma once

#include "app/ui/Screen.h"
#include "session/TSimpleDataSet.h"

class QLabel;
class QPushButton;
class Screens;
class TEdit;
class TListBox;
class TRadioGroup;

// "Grant/Revoke Permissions on Tables to/from Users or Roles": tables,
// privileges and grantees (users or roles) are picked from three lists and
// one GRANT or REVOKE statement is composed into an edit, which stays
// editable by hand. Committing runs the edit's text, or one statement per
// table when several tables are picked. Two buttons show who holds what.
class TFrmPermissions : public Screen {
    Q_OBJECT
public:
    TFrmPermissions(AppContext &context, Screens &screens);

protected:
    void FormShow() override;

private:
    void LstTablesClick();
    void LstAvailPermissionsClick();
    void LstUsersClick();
    void RGModeGRClick();
    void RGModeURClick();
    void CmdCommitClick();
    void CmdShowSQLClick();
    void CmdTblToUsersClick();
    void CmdUserToTblsClick();

    // Composes the statement from the three texts and shows it.
    QString BuildPermissionSQL();
    // Enables the commit and copy buttons while a table, a privilege and a
    // grantee are selected.
    void applyReadiness();
    // Runs the grantee query; an empty result shows the message and keeps the list.
    void fillGrantees(const QString &sql, const QString &field, const QString &noRows);
    void showViewer(const TListBox *list, const QString &mode);

    QLabel *LblTableList;
    TListBox *LstTables;
    QLabel *LblPermissions;
    TListBox *LstAvailPermissions;
    QLabel *LblUsers;
    TListBox *LstUsers;
    TRadioGroup *RGModeGR;
    TRadioGroup *RGModeUR;
    QLabel *LblSql;
    TEdit *TxtSql;
    QPushButton *CmdCommit;
    QPushButton *CmdShowSQL;
    QPushButton *CmdTblToUsers;
    QPushButton *CmdUserToTbls;
    TSimpleDataSet SdsPermissions;

    // Kept between shows; the statement is recomposed from them at the next click.
    QString TablesText;
    QString GranteesText;
    QString PrivilegesText;
    Screens &m_screens;
};
