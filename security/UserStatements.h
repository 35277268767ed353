#pragma once

#include <QString>

// The user screen's button caption is its mode; the statement builder reads it back.
inline const QString AddUserMode = QStringLiteral("Add User");
inline const QString RemoveUserMode = QStringLiteral("Remove User");

// Every grantee that is not a role (column RDB$USER), in the order the server returns them.
QString userListQuery();

// User statements. The user argument is the name as it goes into the
// statement (typed names bare, listed ones written by the identifier rule);
// values go between single quotes with their own quotes doubled. The shown
// forms are given the masked password; only the executed forms get it in clear.

// " FIRSTNAME 'a'", " MIDDLENAME 'b'", " LASTNAME 'c'" for the names that are
// not empty, in that order; empty text when all three are.
QString BuildNameClauses(const QString &first, const QString &middle, const QString &last);

// "CREATE USER u PASSWORD 'p'" + name clauses, with a final ";" when shown.
QString createUserStatement(const QString &user, const QString &password, const QString &nameClauses,
                            bool withSemicolon);
// "DROP USER u;", shown and executed alike.
QString dropUserStatement(const QString &user);
// "ALTER USER u  SET PASSWORD 'p' " + name clauses + ";" (two blanks before SET).
QString alterUserStatement(const QString &user, const QString &password, const QString &nameClauses);
// What every new user may read: "GRANT SELECT ON RDB$USER_PRIVILEGES TO u;".
QString accessGrantStatement(const QString &user, bool withGrantOption);
// One line of the permissive script; the table name as read from the database.
QString tableGrantStatement(const QString &table, const QString &user, bool withGrantOption);
// Run before a drop: "REVOKE ALL ON ALL FROM u", no semicolon.
QString revokeAllStatement(const QString &user);
