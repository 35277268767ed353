#pragma once

#include "app/ui/Screen.h"

class QLabel;
class QPushButton;
class TComboBox;
class TEdit;

// "Open Connection": the connection data of a database, opened as the
// session's connection and, on request, kept under a name in the stored
// connections file for picking again later.
class TFrmOpen : public Screen {
    Q_OBJECT
public:
    explicit TFrmOpen(AppContext &context);

    QLabel *LblConnName;
    TEdit *TxtConnName;
    QLabel *LblConns;
    TComboBox *CmbConns;
    QLabel *LblHostName;
    TEdit *TxtHostName;
    QLabel *LblDBName;
    TEdit *TxtDBName;
    QPushButton *CmdDBBrowse;
    QLabel *LblUserName;
    TEdit *TxtUserName;
    QLabel *LblPassword;
    TEdit *TxtPassword;
    QLabel *LblPort;
    TEdit *TxtPort;
    QLabel *LblCreate;
    TComboBox *CmbCreate;
    QPushButton *CmdFinish;
    QLabel *LblConnState;

    // The stored connections file, set again on every showing.
    QString ConnectionsFile;

protected:
    void FormShow() override;

private:
    void CmbConnsChange();
    void CmdDBBrowseClick();
    void CmdFinishClick();
    // Stores the edits under the connection name; false (after saying why) when the file cannot be written.
    bool storeConnection();

    // What the file dialog last gave; a cancelled dialog leaves it as it was.
    QString m_dialogFileName;
};
