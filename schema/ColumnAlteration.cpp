#include "schema/ColumnAlteration.h"

#include "session/TSQLTable.h"

#include <QRegularExpression>

namespace {

QString alterColumn(const QString &table, const FieldDef &field)
{
    return QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ALTER ") + field.name;
}

// The type word as declared: "CHAR", "VARCHAR", "NUMERIC" or "DECIMAL".
QString typeWord(const FieldDef &field)
{
    return field.declaredType.section(QLatin1Char('('), 0, 0).trimmed();
}

}

QString composeNullabilitySwitch(const QString &table, const FieldDef &field)
{
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

QString composeSizeChange(const QString &table, const FieldDef &field, const QString &sizeText)
{
    if (!sizeChangeable(field))
        return {};
    const QString word = typeWord(field);
    if (field.kind == FieldKind::String) {
        static const QRegularExpression length(QStringLiteral("^[0-9]{1,5}$"));
        if (!length.match(sizeText).hasMatch())
            return {};
        return alterColumn(table, field) + QStringLiteral(" TYPE ") + word + QLatin1Char('(') + sizeText + QLatin1Char(')');
    }
    static const QRegularExpression digits(QStringLiteral("^([0-9]{1,2})(?:,([0-9]{1,2}))?$"));
    const QRegularExpressionMatch match = digits.match(sizeText);
    if (!match.hasMatch())
        return {};
    const int precision = match.captured(1).toInt();
    // Firebird rounds the values held to a smaller scale without a word.
    const int scale = match.hasCaptured(2) ? match.captured(2).toInt() : field.scale;
    if (scale < field.scale)
        return {};
    QString type = word + QLatin1Char('(') + QString::number(precision);
    if (scale > 0)
        type += QLatin1Char(',') + QString::number(scale);
    return alterColumn(table, field) + QStringLiteral(" TYPE ") + type + QLatin1Char(')');
}
