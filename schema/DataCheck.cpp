#include "schema/DataCheck.h"

#include "session/SqlText.h"


namespace {

QStringList identifiers(const QStringList &names, const QString &alias = QString())
{
    QStringList written;
    for (const QString &name : names)
        written << (alias.isEmpty() ? QString() : alias + QLatin1Char('.')) + sqlIdentifier(name);
    return written;
}

// "A IS NOT NULL AND B IS NOT NULL"
QString allPresent(const QStringList &columns)
{
    QStringList tests;
    for (const QString &column : columns)
        tests << column + QStringLiteral(" IS NOT NULL");
    return tests.join(QStringLiteral(" AND "));
}

// The rows read: the whole table, or its first limit + 1.
QString source(const DataCheck &check, int limit)
{
    const QString table = sqlIdentifier(check.table);
    if (limit <= 0)
        return table + QStringLiteral(" D");
    return QStringLiteral("(SELECT FIRST %1 ").arg(limit + 1) + identifiers(check.fields).join(QStringLiteral(", "))
        + QStringLiteral(" FROM ") + table + QStringLiteral(") D");
}

// P.K1 = D.F1 AND P.K2 = D.F2
QString parentMatch(const DataCheck &check)
{
    QStringList pairs;
    const QStringList parent = identifiers(check.parentFields, QStringLiteral("P"));
    const QStringList child = identifiers(check.fields, QStringLiteral("D"));
    for (int i = 0; i < parent.size() && i < child.size(); ++i)
        pairs << parent.at(i) + QStringLiteral(" = ") + child.at(i);
    return pairs.join(QStringLiteral(" AND "));
}

QString count(qint64 n, const char *one, const char *many)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

// "CODE" for one field, "(A,B)" for more.
QString fieldsShown(const QStringList &fields)
{
    return fields.size() == 1 ? fields.first() : QLatin1Char('(') + fields.join(QLatin1Char(',')) + QLatin1Char(')');
}

}

QString checkQuery(const DataCheck &check, int limit)
{
    const QStringList d = identifiers(check.fields, QStringLiteral("D"));
    switch (check.kind) {
    case DataCheck::Kind::NotNull:
        return QStringLiteral("SELECT COUNT(*), COUNT(*) - COUNT(") + d.value(0) + QStringLiteral(") FROM ")
            + source(check, limit);
    case DataCheck::Kind::Unique:
        return QStringLiteral("SELECT COUNT(*), (SELECT COUNT(*) FROM (SELECT 1 AS X FROM ") + source(check, limit)
            + QStringLiteral(" WHERE ") + allPresent(d) + QStringLiteral(" GROUP BY ") + d.join(QStringLiteral(", "))
            + QStringLiteral(" HAVING COUNT(*) > 1) G), COUNT(*) - COUNT(IIF(") + allPresent(d)
            + QStringLiteral(", 1, NULL)) FROM ") + source(check, limit);
    case DataCheck::Kind::Orphans:
        return QStringLiteral("SELECT COUNT(*), COUNT(IIF(") + allPresent(d)
            + QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM ") + sqlIdentifier(check.parentTable)
            + QStringLiteral(" P WHERE ") + parentMatch(check) + QStringLiteral("), 1, NULL)) FROM ") + source(check, limit);
    case DataCheck::Kind::None:
        break;
    }
    return QString();
}

QString offendingRowsQuery(const DataCheck &check)
{
    const QString first = QStringLiteral("SELECT FIRST %1 ").arg(ShownRowLimit);
    const QString table = sqlIdentifier(check.table);
    const QStringList d = identifiers(check.fields, QStringLiteral("D"));
    switch (check.kind) {
    case DataCheck::Kind::NotNull:
        return first + QStringLiteral("* FROM ") + table + QStringLiteral(" D WHERE ") + d.value(0)
            + QStringLiteral(" IS NULL");
    case DataCheck::Kind::Unique: {
        const QStringList g = identifiers(check.fields, QStringLiteral("G"));
        QStringList join;
        for (int i = 0; i < d.size(); ++i)
            join << g.at(i) + QStringLiteral(" = ") + d.at(i);
        QString sql = first + QStringLiteral("D.* FROM ") + table + QStringLiteral(" D JOIN (SELECT ")
            + identifiers(check.fields).join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + table
            + QStringLiteral(" WHERE ") + allPresent(identifiers(check.fields)) + QStringLiteral(" GROUP BY ")
            + identifiers(check.fields).join(QStringLiteral(", ")) + QStringLiteral(" HAVING COUNT(*) > 1) G ON ")
            + join.join(QStringLiteral(" AND "));
        return sql + QStringLiteral(" ORDER BY ") + d.join(QStringLiteral(", "));
    }
    case DataCheck::Kind::Orphans:
        return first + QStringLiteral("* FROM ") + table + QStringLiteral(" D WHERE ") + allPresent(d)
            + QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM ") + sqlIdentifier(check.parentTable)
            + QStringLiteral(" P WHERE ") + parentMatch(check) + QLatin1Char(')');
    case DataCheck::Kind::None:
        break;
    }
    return QString();
}

CheckCounts readCounts(const QStringList &row)
{
    CheckCounts counts;
    counts.rows = row.value(0).toLongLong();
    counts.offending = row.value(1).toLongLong();
    counts.nulls = row.value(2).toLongLong();
    return counts;
}

QString checkVerdict(const DataCheck &check, const CheckCounts &counts)
{
    switch (check.kind) {
    case DataCheck::Kind::NotNull:
        if (counts.offending == 0)
            return QString();
        return check.fields.value(0) + QStringLiteral(" holds NULL in ") + count(counts.offending, "row", "rows")
            + QStringLiteral(": the server will refuse this");
    case DataCheck::Kind::Unique: {
        QStringList parts;
        if (counts.offending > 0)
            parts << count(counts.offending, "value of ", "values of ").trimmed() + QLatin1Char(' ')
                    + fieldsShown(check.fields) + (counts.offending == 1 ? QStringLiteral(" occurs more than once")
                                                                         : QStringLiteral(" occur more than once"));
        if (counts.nulls > 0)
            parts << count(counts.nulls, "row holds", "rows hold") + QStringLiteral(" NULL in ") + fieldsShown(check.fields)
                    + QStringLiteral(", which the key allows");
        return parts.join(QStringLiteral("; "));
    }
    case DataCheck::Kind::Orphans:
        if (counts.offending == 0)
            return QString();
        return count(counts.offending, "row of ", "rows of ").trimmed() + QLatin1Char(' ') + check.table
            + (counts.offending == 1 ? QStringLiteral(" refers to no ") : QStringLiteral(" refer to no "))
            + check.parentTable + QStringLiteral(" row");
    case DataCheck::Kind::None:
        break;
    }
    return QString();
}

QString largeTableLine(qint64 rows)
{
    if (rows < 0)
        return QStringLiteral("not checked: large table (more than %1 rows)").arg(CheckRowLimit);
    return QStringLiteral("not checked: large table (%1 rows)").arg(rows);
}

QString rowCountQuery(const QString &table)
{
    return QStringLiteral("SELECT COUNT(*) FROM ") + sqlIdentifier(table);
}
