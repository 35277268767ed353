#pragma once

#include "security/GrantMode.h"

#include <QString>
#include <QStringList>

// The names a membership list stands for: its current item (the one last
// clicked, selected or not) while at most one item is selected, else every
// selected item in list order.
QStringList roleGrantNames(const QStringList &selected, const QString &current);

// "GRANT roles TO users" or "REVOKE roles FROM users": the names joined by ","
// as identifiers, so a role named "Sales Team" is granted whole. No
// semicolon, no admin option.
QString BuildRoleGrantSQL(GrantMode mode, const QStringList &roles, const QStringList &users);

// The membership screen's lists: every role (column RDB$ROLE_NAME), and the
// users, i.e. the names that hold some privilege and are not roles (column
// RDB$USER).
QString memberRolesQuery();
QString memberUsersQuery();

// The roles granted to a user (column RDB$RELATION_NAME), and every row
// recorded against a role (column RDB$USER). The name is put between single
// quotes with its own quotes doubled.
QString rolesOfUserQuery(const QString &user);
QString granteesOfRoleQuery(const QString &role);
