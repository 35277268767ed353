#include "security/UserStatements.h"

#include "session/Session.h"
#include "session/SqlText.h"

namespace {

QString grantTail(const QString &user, bool withGrantOption)
{
    return QStringLiteral(" TO ") + user
        + (withGrantOption ? QStringLiteral(" WITH GRANT OPTION;") : QStringLiteral(";"));
}

}

QString userListQuery()
{
    return QStringLiteral("SELECT DISTINCT RDB$USER") + LineBreak + QStringLiteral("FROM RDB$USER_PRIVILEGES")
        + LineBreak + QStringLiteral("WHERE RDB$USER NOT IN(") + LineBreak + QStringLiteral("  SELECT RDB$ROLE_NAME")
        + LineBreak + QStringLiteral("  FROM RDB$ROLES)") + LineBreak;
}

QString BuildNameClauses(const QString &first, const QString &middle, const QString &last)
{
    QString clauses;
    if (!first.isEmpty())
        clauses += QStringLiteral(" FIRSTNAME ") + sqlQuoted(first);
    if (!middle.isEmpty())
        clauses += QStringLiteral(" MIDDLENAME ") + sqlQuoted(middle);
    if (!last.isEmpty())
        clauses += QStringLiteral(" LASTNAME ") + sqlQuoted(last);
    return clauses;
}

QString createUserStatement(const QString &user, const QString &password, const QString &nameClauses,
                            bool withSemicolon)
{
    return QStringLiteral("CREATE USER ") + user + QStringLiteral(" PASSWORD ") + sqlQuoted(password) + nameClauses
        + (withSemicolon ? QStringLiteral(";") : QString());
}

QString dropUserStatement(const QString &user)
{
    return QStringLiteral("DROP USER ") + user + QStringLiteral(";");
}

QString alterUserStatement(const QString &user, const QString &password, const QString &nameClauses)
{
    return QStringLiteral("ALTER USER ") + user + QStringLiteral(" ") + QStringLiteral(" SET PASSWORD ")
        + sqlQuoted(password) + QStringLiteral(" ") + nameClauses + QStringLiteral(";");
}

QString accessGrantStatement(const QString &user, bool withGrantOption)
{
    return QStringLiteral("GRANT SELECT ON RDB$USER_PRIVILEGES") + grantTail(user, withGrantOption);
}

QString tableGrantStatement(const QString &table, const QString &user, bool withGrantOption)
{
    return QStringLiteral("GRANT ALL ON ") + sqlIdentifier(table.trimmed()) + grantTail(user, withGrantOption);
}

QString revokeAllStatement(const QString &user)
{
    return QStringLiteral("REVOKE ALL ON ALL FROM ") + user;
}
