#pragma once

#include <QString>
#include <QStringList>

// The role screen's button caption: as designed, then the mode the typed name puts it in.
inline const QString RoleNeutralMode = QStringLiteral("Add/Remove Role");
inline const QString AddRoleMode = QStringLiteral("Add Role");
inline const QString RemoveRoleMode = QStringLiteral("Remove Role");

// The roles of the database (column RDB$ROLE_NAME), in the order the server returns them.
QString roleListQuery();

// "CREATE ROLE name", no semicolon: the name as the user typed it.
QString createRoleStatement(const QString &name);
// "DROP ROLE name", no semicolon: the name as it goes into the statement.
QString dropRoleStatement(const QString &name);
// One "DROP ROLE R;" per listed role, in the order given; each name as listed,
// written by the identifier rule.
QStringList dropRolesStatements(const QStringList &listedRoles);
