#pragma once

#include "security/GrantMode.h"

#include <QString>
#include <QStringList>

// The privileges the permissions screen offers, in the order it lists them.
inline const QStringList TablePrivileges = {QStringLiteral("ALL"),    QStringLiteral("SELECT"),
                                            QStringLiteral("DELETE"), QStringLiteral("INSERT"),
                                            QStringLiteral("UPDATE"), QStringLiteral("REFERENCES")};

// Items joined by "," with no blanks; an item holding a blank, a control
// character, a comma or a double quote stands between double quotes with its
// double quotes doubled. One empty item alone gives "" (two double quotes).
QString commaText(const QStringList &items);

// Names read from the database joined by ",", each as an identifier
// (sqlIdentifier): "orders" stays apart from ORDERS and "My Table" stays one
// name.
QString identifierCommaText(const QStringList &names);

// "GRANT privileges ON tables TO grantees;" or "REVOKE privileges ON tables
// FROM grantees;", the three texts as given, empty ones included.
QString BuildPermissionSQL(GrantMode mode, const QString &privileges, const QString &tables,
                           const QString &grantees);

// The grantee lists. Users are the names that hold some privilege and are not
// roles (column RDB$USER); roles are read from RDB$ROLES (column
// RDB$ROLE_NAME), in one line when the screen is shown and in two lines when
// the user switches to roles.
QString granteeUsersQuery();
QString granteeRolesQueryOnShow();
QString granteeRolesQueryOnSwitch();
