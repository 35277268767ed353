#include "security/PermissionQueries.h"

#include "session/Session.h"
#include "session/SqlText.h"

QString granteesOfTableQuery(const QString &table)
{
    return QStringLiteral("SELECT DISTINCT RDB$USER FROM RDB$USER_PRIVILEGES WHERE RDB$RELATION_NAME = ")
        + sqlQuoted(table);
}

QString tablesOfGranteeQuery(const QString &grantee)
{
    return QStringLiteral("SELECT DISTINCT RDB$RELATION_NAME FROM RDB$USER_PRIVILEGES WHERE (RDB$USER = ")
        + sqlQuoted(grantee) + QStringLiteral(") AND (RDB$PRIVILEGE <> 'M')");
}

QString privilegesOnTableQuery(const QString &grantee, const QString &table)
{
    const QStringList lines = {
        QStringLiteral("SELECT "),
        QStringLiteral("  CASE RDB$PRIVILEGE "),
        QStringLiteral("    WHEN 'S' THEN 'SELECT' "),
        QStringLiteral("    WHEN 'D' THEN 'DELETE' "),
        QStringLiteral("    WHEN 'I' THEN 'INSERT' "),
        QStringLiteral("    WHEN 'U' THEN 'UPDATE' "),
        QStringLiteral("    WHEN 'R' THEN 'REFERENCE' "),
        QStringLiteral("    ELSE 'unknown'"),
        QStringLiteral("  END "),
        QStringLiteral("FROM RDB$USER_PRIVILEGES "),
        QStringLiteral("WHERE (RDB$USER = ") + sqlQuoted(grantee) + QStringLiteral(") ")
            + QStringLiteral("AND (RDB$RELATION_NAME = ") + sqlQuoted(table) + QStringLiteral(");"),
    };
    return lines.join(LineBreak);
}
