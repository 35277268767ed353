#include "schema/KeyStatements.h"

#include "session/SqlText.h"
#include "session/TSQLTable.h"

QString composeSelectedFieldList(const QStringList &fields)
{
    QStringList written;
    for (const QString &field : fields)
        written << sqlIdentifier(field);
    return written.join(QLatin1Char(','));
}

QString composeDropConstraint(const QString &table, const QString &constraint)
{
    return QStringLiteral("ALTER TABLE ") + sqlIdentifier(table) + QStringLiteral(" DROP CONSTRAINT ")
        + sqlIdentifier(constraint);
}

QString composeDropIndexDef(const QString &table, const IndexDef &index)
{
    if (!index.constraint)
        return QStringLiteral("DROP INDEX ") + sqlIdentifier(index.name);
    return composeDropConstraint(table, index.name);
}

QString composePrimaryKey(const QString &table, const QString &name, const QString &fields)
{
    const QString start = QStringLiteral("ALTER TABLE ") + sqlIdentifier(table);
    if (name.isEmpty())
        return start + QStringLiteral(" ADD PRIMARY KEY(") + fields + QLatin1Char(')');
    return start + QStringLiteral(" ADD CONSTRAINT ") + name + QStringLiteral(" PRIMARY KEY(") + fields + QLatin1Char(')');
}

QString composeUniqueConstraint(const QString &table, const QString &name, const QString &fields)
{
    const QString start = QStringLiteral("ALTER TABLE ") + sqlIdentifier(table);
    if (name.isEmpty())
        return start + QStringLiteral(" ADD UNIQUE(") + fields + QLatin1Char(')');
    return start + QStringLiteral(" ADD CONSTRAINT ") + name + QStringLiteral(" UNIQUE(") + fields + QLatin1Char(')');
}

QString keyFieldsForDisplay(const QString &keyFields)
{
    return QString(keyFields).replace(QLatin1Char(';'), QLatin1Char(','));
}

QString keyCommitText(const QString &memo)
{
    QString text = memo.trimmed();
    QChar quote; // set while inside a quoted identifier or literal
    for (QChar &c : text) {
        if (quote.isNull()) {
            if (c == u'"' || c == u'\'')
                quote = c;
            else if (c >= u'a' && c <= u'z')
                c = QChar(c.unicode() - ('a' - 'A'));
        } else if (c == quote) {
            quote = QChar(); // a doubled quote closes and reopens at once: the same state
        }
    }
    return text;
}

QString nullableKeyNote(const QStringList &nullableFields)
{
    if (nullableFields.isEmpty())
        return QString();
    const bool one = nullableFields.size() == 1;
    return nullableFields.join(QStringLiteral(", ")) + (one ? QStringLiteral(" allows") : QStringLiteral(" allow"))
        + QStringLiteral(" NULL: Firebird 3 refuses a primary key on ") + (one ? QStringLiteral("it") : QStringLiteral("them"))
        + QStringLiteral(" whatever the data");
}
