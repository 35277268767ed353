#include "schema/ColumnAlteration.h"

#include "session/SqlText.h"
#include "session/TSQLTable.h"

#include <QRegularExpression>

namespace {

QString alterColumn(const QString &table, const FieldDef &field)
{
    return QStringLiteral("ALTER TABLE ") + sqlIdentifier(table) + QStringLiteral(" ALTER ") + sqlIdentifier(field.name);
}

// The type word as declared: "CHAR", "VARCHAR", "NUMERIC" or "DECIMAL".
QString typeWord(const FieldDef &field)
{
    return field.declaredType.section(QLatin1Char('('), 0, 0).trimmed();
}

QString computedReason(const FieldDef &field)
{
    return QStringLiteral("%1 is computed from an expression: change the expression").arg(field.name);
}

// A size typed for the column, read: a length, or a precision with the scale
// it would get. Nothing when the text is not such a size.
struct TypedSize {
    bool valid = false;
    int precision = 0; // or the length of a string
    int scale = 0;
};

TypedSize readSize(const FieldDef &field, const QString &sizeText)
{
    TypedSize size;
    if (field.kind == FieldKind::String) {
        static const QRegularExpression length(QStringLiteral("^[0-9]{1,5}$"));
        if (length.match(sizeText).hasMatch()) {
            size.valid = true;
            size.precision = sizeText.toInt();
        }
        return size;
    }
    static const QRegularExpression digits(QStringLiteral("^([0-9]{1,2})(?:,([0-9]{1,2}))?$"));
    const QRegularExpressionMatch match = digits.match(sizeText);
    if (match.hasMatch()) {
        size.valid = true;
        size.precision = match.captured(1).toInt();
        size.scale = match.hasCaptured(2) ? match.captured(2).toInt() : field.scale;
    }
    return size;
}

}

QString nullabilityRefusal(const FieldDef &field)
{
    if (field.computed)
        return computedReason(field);
    if (field.domainRequired)
        return QStringLiteral("%1 takes NOT NULL from domain %2: change the domain").arg(field.name, field.domain);
    return QString();
}

QString composeNullabilitySwitch(const QString &table, const FieldDef &field)
{
    if (!nullabilityRefusal(field).isEmpty())
        return QString();
    return alterColumn(table, field) + (field.required ? QStringLiteral(" DROP NOT NULL") : QStringLiteral(" SET NOT NULL"));
}

bool sizeChangeable(const FieldDef &field)
{
    const QString word = typeWord(field);
    if (field.kind == FieldKind::String)
        return word == QLatin1String("CHAR") || word == QLatin1String("VARCHAR");
    if (field.kind == FieldKind::Bcd)
        return word == QLatin1String("NUMERIC") || word == QLatin1String("DECIMAL");
    return false;
}

QString sizeTextOf(const FieldDef &field)
{
    if (field.kind == FieldKind::Bcd && field.scale > 0)
        return QStringLiteral("%1,%2").arg(field.precision).arg(field.scale);
    return QString::number(field.size);
}

QString sizeChangeRefusal(const FieldDef &field, const QString &sizeText)
{
    if (field.computed)
        return computedReason(field);
    if (!field.domain.isEmpty())
        return QStringLiteral("%1 takes its type from domain %2: change the domain").arg(field.name, field.domain);
    if (!sizeChangeable(field))
        return QStringLiteral("%1 is %2: only CHAR, VARCHAR, NUMERIC and DECIMAL have a size to change")
            .arg(field.name, field.declaredType);
    const TypedSize size = readSize(field, sizeText);
    if (!size.valid) {
        if (field.kind == FieldKind::String)
            return QStringLiteral("The length of %1 is written in digits, such as 50").arg(field.name);
        return QStringLiteral("The precision of %1 is written in digits, with a scale after a comma, such as 12 or 12,2")
            .arg(field.name);
    }
    // Firebird rounds the values held to a smaller scale without a word.
    if (size.scale < field.scale)
        return QStringLiteral("%1 has %2 decimal places: a smaller scale would round its values")
            .arg(field.name)
            .arg(field.scale);
    return QString();
}

QString composeSizeChange(const QString &table, const FieldDef &field, const QString &sizeText)
{
    if (!sizeChangeRefusal(field, sizeText).isEmpty())
        return QString();
    const TypedSize size = readSize(field, sizeText);
    QString type = typeWord(field) + QLatin1Char('(') + QString::number(size.precision);
    if (size.scale > 0)
        type += QLatin1Char(',') + QString::number(size.scale);
    return alterColumn(table, field) + QStringLiteral(" TYPE ") + type + QLatin1Char(')');
}

QString sizeShrinkNote(const FieldDef &field, const QString &sizeText)
{
    if (composeSizeChange(QString(), field, sizeText).isEmpty())
        return QString();
    const TypedSize size = readSize(field, sizeText);
    if (field.kind == FieldKind::String) {
        if (size.precision >= field.size)
            return QString();
        return QStringLiteral("%1 holds up to %2 characters: Firebird 3 refuses a smaller size whatever the data")
            .arg(field.name)
            .arg(field.size);
    }
    // The scale never shrinks here, so a smaller precision is fewer digits before the point too.
    if (size.precision >= field.precision && size.precision - size.scale >= field.precision - field.scale)
        return QString();
    return QStringLiteral("%1 is %2: Firebird 3 refuses fewer digits before the decimal point whatever the data")
        .arg(field.name, field.declaredType);
}
