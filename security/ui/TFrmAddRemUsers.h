#pragma once

#include "app/ui/Screen.h"

#include <QStringList>

class QCheckBox;
class QPushButton;
class TEdit;
class TListBox;
class TMemo;
class TRadioGroup;

// "Add/Remove Users": creates a user with a starting set of privileges,
// changes a user's password and names, and removes a user. A user is listed
// while it holds a privilege. The add/remove button's caption is the mode.
// Shown beside the main menu; its controls keep their contents between showings.
class TFrmAddRemUsers : public Screen {
    Q_OBJECT
public:
    explicit TFrmAddRemUsers(AppContext &context);

protected:
    void FormShow() override;

private:
    void LstUsersClick();
    void TxtUserNameChange();
    void TxtPassword1Change();
    void TxtPassword2Change();
    void nameEditChange(TEdit *edit);
    void nameEditExit(TEdit *edit);
    void RdoRPClick();
    void ChkWithGrantClick();
    void CmdAddRemUNClick();
    void CmdShowAlterClick();
    void CmdAlterUserClick();
    void CmdCopySqlClick();
    void CmdCopyGrantClick();

    void LoadUserList();
    void BuildUserSQL();
    void BuildGrantScript();

    // The session connection; throws when none has been made.
    TSQLConnection &connection();
    bool connectionHasParams();
    // The user name as it goes into a statement: a listed user by the
    // identifier rule, a new one as typed.
    QString userName() const;
    QString nameClauses() const;
    // Sets the statement to run and the same with the password masked.
    void setRunUserSQL(const QString &run, const QString &masked);
    void addRestrictive();
    void addPermissive();
    void removeUser();
    void copyMemo(TMemo *memo);

    TListBox *LstUsers;
    TEdit *TxtUserName;
    QPushButton *CmdAddRemUN;
    TEdit *TxtPassword1;
    TEdit *TxtPassword2;
    TEdit *TxtFN;
    TEdit *TxtMN;
    TEdit *TxtLN;
    TRadioGroup *RdoRP;
    QCheckBox *ChkWithGrant;
    TMemo *MmoSql;
    QPushButton *CmdCopySql;
    TMemo *MmoGrant;
    QPushButton *CmdCopyGrant;
    QPushButton *CmdShowAlter;
    QPushButton *CmdAlterUser;

    // RunUserSQL carries the password in clear and only ever goes to the
    // server; the memo shows ShownUserSQL, or m_maskedRunUserSQL where the
    // executed statement itself is shown.
    QString RunUserSQL;
    QString m_maskedRunUserSQL;
    QString ShownUserSQL;
    QStringList GrantTables;
    QStringList GrantStatements;
};
