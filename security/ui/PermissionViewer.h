#pragma once

#include "app/ui/Screen.h"

#include <functional>

class QLabel;
class TListBox;
class TMemo;
class TSQLQuery;

// What the three permission viewers share: one list filled from the first
// column of a query over RDB$USER_PRIVILEGES, and a memo showing that query.
class PermissionViewer : public Screen {
    Q_OBJECT
public:
    // instructions: the designed caption of LblInstructions; a null text
    // makes a viewer without that label.
    PermissionViewer(AppContext &context, const QString &name, const QString &caption, const QString &instructions);

protected:
    // Shows the query, then lists its first column, trimmed, row by row.
    void showAndList(TSQLQuery &query);
    void clearView();
    // Empties the view, opens the session connection, lists what the composed
    // query finds (an empty query reads nothing) and closes the connection
    // again, leaving the query shown.
    void listWhileConnected(const std::function<QString()> &compose);

    QLabel *LblInstructions = nullptr;
    TListBox *LstUserPerm;
    QLabel *LblSqlStatement;
    TMemo *TxtSql;
};
