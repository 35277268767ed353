#include "session/SqlText.h"

#include <QSet>

#include <algorithm>

namespace {

// Firebird 3's reserved words: a name may be one only between double quotes.
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

}

QString sqlQuoted(const QString &value)
{
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
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

QString sqlIdentifier(const QString &name)
{
    if (plainIdentifier(name))
        return name;
    QString doubled = name;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString sqlIdentifierFor(const QString &typed, const QString &listed)
{
    // Unquoted, the server upper-cases a to z only; any other letter would not
    // be read as typed, so such a name is written as listed.
    const bool ascii = std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.unicode() < 128; });
    if (ascii && plainIdentifier(listed) && typed.compare(listed, Qt::CaseInsensitive) == 0)
        return typed;
    return sqlIdentifier(listed);
}

qsizetype indexOfName(qsizetype count, const std::function<QString(qsizetype)> &nameAt, const QString &name)
{
    qsizetype caseless = -1;
    for (qsizetype i = 0; i < count; ++i) {
        const QString candidate = nameAt(i);
        if (candidate == name)
            return i;
        if (caseless < 0 && candidate.compare(name, Qt::CaseInsensitive) == 0)
            caseless = i;
    }
    return caseless;
}

qsizetype indexOfName(const QStringList &names, const QString &name)
{
    return indexOfName(names.size(), [&names](qsizetype i) { return names.at(i); }, name);
}
