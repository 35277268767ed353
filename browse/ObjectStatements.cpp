#include "browse/ObjectStatements.h"

#include "session/Session.h"
#include "session/SqlText.h"

#include <QSet>

namespace objects {

namespace {

QString trimmedRight(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.left(end);
}

QString trimmedBoth(const QString &text)
{
    qsizetype begin = 0;
    while (begin < text.size() && text.at(begin).unicode() <= u' ')
        ++begin;
    return trimmedRight(text.mid(begin));
}

// Firebird 3's reserved words: a table may carry one only between double quotes.
bool reservedWord(const QString &name)
{
    static const QSet<QString> words = [] {
        const char *list[] = {
            "ADD", "ADMIN", "ALL", "ALTER", "AND", "ANY", "AS", "AT", "AVG", "BEGIN", "BETWEEN", "BIGINT",
            "BIT_LENGTH", "BLOB", "BOOLEAN", "BOTH", "BY", "CASE", "CAST", "CHAR", "CHAR_LENGTH", "CHARACTER",
            "CHARACTER_LENGTH", "CHECK", "CLOSE", "COLLATE", "COLUMN", "COMMIT", "CONNECT", "CONSTRAINT", "CORR",
            "COUNT", "COVAR_POP", "COVAR_SAMP", "CREATE", "CROSS", "CURRENT", "CURRENT_CONNECTION", "CURRENT_DATE",
            "CURRENT_ROLE", "CURRENT_TIME", "CURRENT_TIMESTAMP", "CURRENT_TRANSACTION", "CURRENT_USER", "CURSOR",
            "DATE", "DAY", "DEC", "DECIMAL", "DECLARE", "DEFAULT", "DELETE", "DELETING", "DETERMINISTIC",
            "DISCONNECT", "DISTINCT", "DOUBLE", "DROP", "ELSE", "END", "ESCAPE", "EXECUTE", "EXISTS", "EXTERNAL",
            "EXTRACT", "FALSE", "FETCH", "FILTER", "FLOAT", "FOR", "FOREIGN", "FROM", "FULL", "FUNCTION", "GDSCODE",
            "GLOBAL", "GRANT", "GROUP", "HAVING", "HOUR", "IN", "INDEX", "INNER", "INSENSITIVE", "INSERT",
            "INSERTING", "INT", "INTEGER", "INTO", "IS", "JOIN", "LEADING", "LEFT", "LIKE", "LONG", "LOWER", "MAX",
            "MERGE", "MIN", "MINUTE", "MONTH", "NATIONAL", "NATURAL", "NCHAR", "NO", "NOT", "NULL", "NUMERIC",
            "OCTET_LENGTH", "OF", "OFFSET", "ON", "ONLY", "OPEN", "OR", "ORDER", "OUTER", "OVER", "PARAMETER",
            "PLAN", "POSITION", "POST_EVENT", "PRECISION", "PRIMARY", "PROCEDURE", "RDB$DB_KEY",
            "RDB$RECORD_VERSION", "REAL", "RECORD_VERSION", "RECREATE", "RECURSIVE", "REFERENCES", "REGR_AVGX",
            "REGR_AVGY", "REGR_COUNT", "REGR_INTERCEPT", "REGR_R2", "REGR_SLOPE", "REGR_SXX", "REGR_SXY",
            "REGR_SYY", "RELEASE", "RETURN", "RETURNING_VALUES", "RETURNS", "REVOKE", "RIGHT", "ROLLBACK", "ROW",
            "ROW_COUNT", "ROWS", "SAVEPOINT", "SCROLL", "SECOND", "SELECT", "SENSITIVE", "SET", "SIMILAR",
            "SMALLINT", "SOME", "SQLCODE", "SQLSTATE", "START", "STDDEV_POP", "STDDEV_SAMP", "SUM", "TABLE", "THEN",
            "TIME", "TIMESTAMP", "TO", "TRAILING", "TRIGGER", "TRIM", "TRUE", "UNION", "UNIQUE", "UNKNOWN",
            "UPDATE", "UPDATING", "UPPER", "USER", "USING", "VALUE", "VALUES", "VAR_POP", "VAR_SAMP", "VARCHAR",
            "VARIABLE", "VARYING", "VIEW", "WHEN", "WHERE", "WHILE", "WITH", "YEAR"};
        QSet<QString> set;
        for (const char *word : list)
            set.insert(QString::fromLatin1(word));
        return set;
    }();
    return words.contains(name);
}

bool plainIdentifier(const QString &name)
{
    if (name.isEmpty() || !(name.at(0) >= u'A' && name.at(0) <= u'Z') || reservedWord(name))
        return false;
    for (QChar c : name) {
        const bool ok = (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'$';
        if (!ok)
            return false;
    }
    return true;
}

}

QString procedureListQuery()
{
    return QStringLiteral("SELECT RDB$PROCEDURE_NAME") + LineBreak + QStringLiteral("FROM RDB$PROCEDURES");
}

QString triggerListQuery()
{
    return QStringLiteral("SELECT RDB$TRIGGER_NAME") + LineBreak + QStringLiteral("FROM RDB$TRIGGERS");
}

QString identifierInStatement(const QString &name)
{
    if (plainIdentifier(name))
        return name;
    QString doubled = name;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString tableStatement(const QString &table)
{
    return QStringLiteral("SELECT *") + LineBreak + QStringLiteral("FROM ") + identifierInStatement(trimmedBoth(table));
}

QString procedureStatement(const QString &procedure)
{
    return QStringLiteral("SELECT RDB$PROCEDURE_SOURCE") + LineBreak + QStringLiteral("FROM RDB$PROCEDURES") + LineBreak
           + QStringLiteral("WHERE RDB$PROCEDURE_NAME=") + sqlQuoted(trimmedRight(procedure));
}

QString triggerStatement(const QString &trigger)
{
    return QStringLiteral("SELECT RDB$TRIGGER_SOURCE") + LineBreak + QStringLiteral("From RDB$TRIGGERS") + LineBreak
           + QStringLiteral("WHERE RDB$TRIGGER_NAME=") + sqlQuoted(trimmedBoth(trigger));
}

}
