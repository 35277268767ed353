#pragma once

#include "app/ui/Screen.h"
#include "session/TSimpleDataSet.h"

class QLabel;
class TFrmSQL;
class TListBox;

// "Showing DB Objects": the tables, stored procedures and triggers of the
// connected database side by side (the system's own triggers included).
// A click hands the object's statement to the SQL console through the
// session's PendingSQL and PendingSQLKind and shows the console modally.
class TFrmShowTbls : public Screen {
    Q_OBJECT
public:
    explicit TFrmShowTbls(AppContext &context);

    // The console a click shows; without one, the program's TFrmSQL window is used.
    void setConsole(TFrmSQL *console) { m_console = console; }

    void LstTblsClick();
    void LstSPsClick();
    void LstTrigNameClick();

protected:
    void FormShow() override;

private:
    QStringList listQuery(const QString &sql, const QString &field);
    void showConsole(const QString &kind, const QString &statement);
    TFrmSQL *console() const;

    QLabel *LblTbls;
    TListBox *LstTbls;
    QLabel *LblSPs;
    TListBox *LstSPs;
    QLabel *LblTrigs;
    TListBox *LstTrigName;
    TSimpleDataSet SDSQryObjs;
    TFrmSQL *m_console = nullptr;
};
