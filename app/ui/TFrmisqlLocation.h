#pragma once

#include "app/ui/Screen.h"

class QLabel;
class QPushButton;
class TEdit;

// "FrmisqlLocation": points at Firebird's isql program with a file dialog and
// sets the session's IsqlFolder to the folder it lies in. Its callers, not
// this screen, write the location file.
class TFrmisqlLocation : public Screen {
    Q_OBJECT
public:
    explicit TFrmisqlLocation(AppContext &context);

    QLabel *LblIsqlLocation;
    TEdit *TxtIsqlLocation; // neither filled nor read
    QLabel *LblNote;
    QPushButton *CmdDBBrowse;

    // The part of a file name up to and including its last "/"; empty when there is none.
    static QString folderOf(const QString &fileName);

protected:
    void FormShow() override;

private:
    void CmdDBBrowseClick();

    // What the file dialog last gave in this run; a cancel leaves it as it was.
    QString m_dialogFileName;
};
