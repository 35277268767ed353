#pragma once

#include "session/TSQLConnection.h"

#include <QString>
#include <memory>

class TTransaction;

// Carriage return and line feed: joins the lines of messages and statements.
inline const QString LineBreak = QStringLiteral("\r\n");
inline const QString AppVersion = QStringLiteral("1.0.0.0");

// One "*" per character, so a password is never shown.
QString MaskPassword(const QString &password);

// What the screens share during a run, and the only channel between them:
// a screen that opens another sets the strings first, and the opened screen
// reads them when it is shown. One instance lives for the whole run.
class Session {
public:
    // Absent until the Open Connection screen is first shown.
    std::unique_ptr<TSQLConnection> SessionConnection;
    TTransaction *SessionTransaction = nullptr;

    QString SelectedName;
    QString RoleViewMode;   // "USER" or "ROLE"
    QString PermViewMode;   // "USER" or "TABLE"
    QString SavedOwner;
    QString IsqlFolder;
    QString SysdbaUser;
    QString SysdbaPassword;
    QString SelectedTable;
    QString PendingSQL;
    QString PendingSQLKind; // "TB", "SP", "TR" or empty

    // The connection, created on first need.
    TSQLConnection &connection();
    bool connectionOpen() const { return SessionConnection && SessionConnection->Connected(); }
};
