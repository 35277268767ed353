#include "schema/KeyStatements.h"

#include "schema/IndexNameRules.h"
#include "session/TSQLTable.h"

QString composeSelectedFieldList(const QStringList &fields)
{
    // One name per line, then every blank and line end becomes a comma and
    // the trailing one is dropped.
    QString text;
    for (const QString &field : fields)
        text += field + QStringLiteral("\r\n");
    text.replace(QLatin1Char(' '), QLatin1Char(','));
    text.replace(QStringLiteral("\r\n"), QStringLiteral(","));
    if (!text.isEmpty())
        text.chop(1);
    return text.trimmed();
}

QString composeDropConstraint(const QString &table, const QString &constraint)
{
    return QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" DROP CONSTRAINT ") + constraint;
}

QString composeDropIndexDef(const QString &table, const IndexDef &index)
{
    if (!index.constraint)
        return QStringLiteral("DROP INDEX ") + index.name;
    return composeDropConstraint(table, index.name);
}

QString composePrimaryKey(const QString &table, const QString &name, const QString &fields)
{
    if (name.isEmpty())
        return QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD PRIMARY KEY(") + fields + QLatin1Char(')');
    return QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD CONSTRAINT ") + name + QStringLiteral(" PRIMARY KEY(")
        + fields + QLatin1Char(')');
}

QString composeUniqueConstraint(const QString &table, const QString &name, const QString &fields)
{
    if (name.isEmpty())
        return QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD UNIQUE(") + fields + QLatin1Char(')');
    return QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD CONSTRAINT ") + name + QStringLiteral(" UNIQUE(")
        + fields + QLatin1Char(')');
}

QString keyFieldsForDisplay(const QString &keyFields)
{
    return QString(keyFields).replace(QLatin1Char(';'), QLatin1Char(','));
}

QString keyCommitText(const QString &memo)
{
    return upperAsciiLetters(memo.trimmed());
}
