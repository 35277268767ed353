#pragma once

#include "app/ui/Screen.h"

class FirebirdTools;
class QLabel;
class QPushButton;
class Screens;
class TEdit;
class TMemo;
class TRadioGroup;

// "Create Firebird Database": composes, live, a CREATE DATABASE statement
// (after a gsec line when a named owner is to be added) and creates the
// database with Firebird's own tools from the folder the location file names,
// without an open connection.
class TFrmCreateDB : public Screen {
    Q_OBJECT
public:
    TFrmCreateDB(AppContext &context, Screens &screens);

    TRadioGroup *RdoCreateDB;
    QLabel *LblOwner;
    TEdit *TxtOwner;
    QLabel *LblDBName;
    TEdit *TxtDBName;
    QPushButton *CmdDBBrowse;
    QLabel *LblPWD;
    TEdit *TxtPWD;
    QLabel *LblHost;
    TEdit *TxtHost;
    QLabel *LblPort;
    TEdit *TxtPort;
    QLabel *LblPgSize;
    TEdit *TxtPgSize;
    QLabel *LblAdminPW;
    TEdit *TxtAdminPW;
    TRadioGroup *RdoLocRem;
    QLabel *LblSQL;
    TMemo *MmoSQL;
    QPushButton *CmdCpyClip;
    QPushButton *CmdCreate;

    // gsec's arguments as composed for a named owner; keeps its last value otherwise.
    QString GsecArguments;

    // In the working folder, where the tools run; kept after each attempt.
    static inline const QString ScriptFile = QStringLiteral("CreateDB.sql");
    static inline const QString DialogFilter = QStringLiteral("Firebird Database (*.FBD);;All Files (*.*)");

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void ComposeCreateDB(const QString &Owner, const QString &Password, const QString &DBPath);
    void composeFromEdits();
    void RdoCreateDBClick();
    void RdoLocRemClick();
    void CmdDBBrowseClick();
    void CmdCpyClipClick();
    void CmdCreateClick();

    bool namedOwner() const;
    bool remote() const;
    void askForToolsFolder();
    // Takes the administration password into the session; false (after saying so) when there is none.
    bool takeAdminPassword();
    // Why the tools this creation needs are not all in the folder; empty when they are.
    QString missingTools(const FirebirdTools &tools) const;
    void createLocal(const FirebirdTools &tools, const QString &path, const QString &name);
    void createRemote(const FirebirdTools &tools, const QString &path, const QString &name);
    // Adds the owner to the security database given (empty: this machine's)
    // unless it is there already; what went wrong, or empty.
    QString addOwner(const FirebirdTools &tools, const QString &securityDatabase);
    QString runIsql(const FirebirdTools &tools, bool *timedOut = nullptr);

    Screens &m_screens;
    // What the file dialog last gave in this run; a cancel leaves it as it was.
    QString m_dialogFileName;
};
