#include "security/PermissionStatements.h"

#include "session/Session.h"
#include "session/SqlText.h"

namespace {

bool needsQuotes(const QString &item)
{
    for (QChar c : item) {
        if (c <= u' ' || c == u'"' || c == u',')
            return true;
    }
    return false;
}

}

QString commaText(const QStringList &items)
{
    if (items.size() == 1 && items.first().isEmpty())
        return QStringLiteral("\"\"");
    QStringList written;
    for (const QString &item : items) {
        if (needsQuotes(item)) {
            QString doubled = item;
            doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
            written << QLatin1Char('"') + doubled + QLatin1Char('"');
        } else {
            written << item;
        }
    }
    return written.join(QLatin1Char(','));
}

QString identifierCommaText(const QStringList &names)
{
    QStringList written;
    for (const QString &name : names)
        written << sqlIdentifier(name);
    return written.join(QLatin1Char(','));
}

QString BuildPermissionSQL(GrantMode mode, const QString &privileges, const QString &tables,
                           const QString &grantees)
{
    if (mode == GrantMode::Revoke)
        return QStringLiteral("REVOKE ") + privileges + QStringLiteral(" ON ") + tables + QStringLiteral(" FROM ")
            + grantees + QStringLiteral(";");
    return QStringLiteral("GRANT ") + privileges + QStringLiteral(" ON ") + tables + QStringLiteral(" TO ") + grantees
        + QStringLiteral(";");
}

QString granteeUsersQuery()
{
    return QStringLiteral("SELECT DISTINCT RDB$USER") + LineBreak + QStringLiteral("FROM RDB$USER_PRIVILEGES")
        + LineBreak + QStringLiteral("WHERE RDB$USER NOT IN(") + LineBreak + QStringLiteral("  SELECT RDB$ROLE_NAME")
        + LineBreak + QStringLiteral("  FROM RDB$ROLES)");
}

QString granteeRolesQueryOnShow()
{
    return QStringLiteral("SELECT RDB$ROLE_NAME From RDB$ROLES;");
}

QString granteeRolesQueryOnSwitch()
{
    return QStringLiteral("SELECT RDB$ROLE_NAME") + LineBreak + QStringLiteral("FROM RDB$ROLES");
}
