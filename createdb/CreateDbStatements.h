#pragma once

#include <QString>
#include <QStringList>

// The Create Database screen's edits, as they stand (untrimmed).
struct CreateDbInput {
    bool namedOwner = false; // "Create Database With Named Owner" chosen
    bool remote = false;     // "Remote Connection" chosen
    QString owner;
    QString password;        // the owner's
    QString dbPath;
    QString host;
    QString port;
    QString pageSize;
    QString adminPassword;
};

struct CreateDbComposition {
    bool canCreate = false;  // owner, path and password hold more than blanks
    QString gsecArguments;   // only for a named owner; carries the administration password
    QString text;            // the proposed command text: masked gsec line, then CREATE DATABASE
};

// The proposed command text. For a named owner a first line shows the gsec
// call with the administration password as stars. The statement takes the
// trimmed values, each between single quotes with its quotes doubled; an empty
// page size is 8192. A remote database is host/port:path, host:path when the
// port edit is empty (a port of blanks only leaves "host/:path", the default port).
CreateDbComposition composeCreateDb(const CreateDbInput &input);

// A database on a server as Firebird addresses it; portText is the port
// edit's text, whose blanks are dropped.
QString remoteDatabaseAddress(const QString &host, const QString &portText, const QString &path);
// The security database of that server, by the alias Firebird 3 installs.
QString securityDatabaseAddress(const QString &host, const QString &port);

// The script file's text: the proposed text and a final line break, with the
// gsec line as a comment. isql would take that line for a statement and, with
// a quote in a password, read the CREATE DATABASE as part of it.
QString createDbScriptText(const QString &proposedText);

// The file-name part of a path: what follows its last "/".
QString databaseFileName(const QString &path);

// gsec adding an owner: the administration password is read from a file, so
// it never stands on a command line. securityDatabase empty: this machine's.
QStringList gsecAddArguments(const QString &passwordFile, const QString &securityDatabase, const QString &owner,
                             const QString &ownerPassword);
// gsec listing one user: prints nothing when there is no such user.
QStringList gsecDisplayArguments(const QString &passwordFile, const QString &securityDatabase, const QString &owner);
// Whether gsec's listing holds a row for the user (names compare upper-cased, as gsec keeps them).
bool gsecListsUser(const QString &output, const QString &owner);

// On Firebird 3 only an administrator, or a user granted it, creates databases on a server.
QString grantCreateDatabaseStatement(const QString &owner);
