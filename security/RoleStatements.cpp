#include "security/RoleStatements.h"

#include "session/SqlText.h"

QString roleListQuery()
{
    return QStringLiteral("SELECT RDB$ROLE_NAME FROM RDB$ROLES");
}

QString createRoleStatement(const QString &name)
{
    return QStringLiteral("CREATE ROLE ") + name;
}

QString dropRoleStatement(const QString &name)
{
    return QStringLiteral("DROP ROLE ") + name;
}

QStringList dropRolesStatements(const QStringList &listedRoles)
{
    QStringList statements;
    for (const QString &role : listedRoles)
        statements << dropRoleStatement(sqlIdentifier(role)) + QStringLiteral(";");
    return statements;
}
