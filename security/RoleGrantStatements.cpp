#include "security/RoleGrantStatements.h"

#include "security/PermissionStatements.h"
#include "session/Session.h"
#include "session/SqlText.h"

QStringList roleGrantNames(const QStringList &selected, const QString &current)
{
    return selected.size() <= 1 ? QStringList{current} : selected;
}

QString BuildRoleGrantSQL(GrantMode mode, const QStringList &roles, const QStringList &users)
{
    if (mode == GrantMode::Revoke)
        return QStringLiteral("REVOKE ") + identifierCommaText(roles) + QStringLiteral(" FROM ")
            + identifierCommaText(users);
    return QStringLiteral("GRANT ") + identifierCommaText(roles) + QStringLiteral(" TO ") + identifierCommaText(users);
}

QString memberRolesQuery()
{
    return QStringLiteral("SELECT RDB$ROLE_NAME FROM RDB$ROLES;");
}

QString memberUsersQuery()
{
    return granteeUsersQuery() + QStringLiteral(";");
}

QString rolesOfUserQuery(const QString &user)
{
    return QStringLiteral("SELECT DISTINCT RDB$RELATION_NAME ") + LineBreak
        + QStringLiteral("FROM RDB$USER_PRIVILEGES ") + LineBreak + QStringLiteral("WHERE RDB$USER = ")
        + sqlQuoted(user) + QStringLiteral(" AND ") + LineBreak + QStringLiteral("RDB$PRIVILEGE = 'M'");
}

QString granteesOfRoleQuery(const QString &role)
{
    return QStringLiteral("SELECT RDB$USER ") + LineBreak + QStringLiteral("FROM RDB$USER_PRIVILEGES ") + LineBreak
        + QStringLiteral("WHERE RDB$RELATION_NAME = ") + sqlQuoted(role) + QStringLiteral(";");
}
