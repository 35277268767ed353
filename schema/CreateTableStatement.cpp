#include "schema/CreateTableStatement.h"

#include "schema/TableNameRules.h"
#include "session/SqlText.h"

#include <QRegularExpression>

namespace {

const QString Decimal = QStringLiteral("DECIMAL");
const QString Varchar = QStringLiteral("VARCHAR");
const QString Nullable = QStringLiteral("Nullable");
const QString NotNull = QStringLiteral("Not Null");
const QString KeyMark = QStringLiteral("True");
const QString NoKeyMark = QStringLiteral("False");

}

QStringList fieldInputProblem(const FieldInput &input, const QStringList &definedNames)
{
    using namespace FieldMessages;
    if (input.type.isEmpty())
        return {NoType};
    if (input.type == Varchar) {
        if (input.precision.isEmpty())
            return {NoVarcharLength};
        const std::optional<int> length = wholeNumber(input.precision);
        if (!length)
            return {BadPrecision};
        if (*length < 1)
            return {VarcharLengthNotPositive};
    }
    if (input.type == Decimal) {
        if (input.precision.isEmpty())
            return {NoDecimalPrecision, DecimalPrecisionExample};
        // The text goes into the statement as typed, so nothing but a size may pass.
        static const QRegularExpression size(QStringLiteral("^[0-9]+(,[0-9]+)?$"));
        if (!size.match(input.precision).hasMatch())
            return {BadPrecision};
    }
    const QString name = upperCaseAscii(input.name.trimmed());
    for (const QString &defined : definedNames) {
        if (defined.compare(name, Qt::CaseInsensitive) == 0)
            return {AlreadyDefined};
    }
    return {};
}

FieldDefinition defineField(const FieldInput &input)
{
    FieldDefinition field;
    field.name = upperCaseAscii(input.name.trimmed());
    field.type = input.type.trimmed();
    field.nullable = input.nullable;
    field.primaryKey = input.primaryKey;
    if (field.type == Decimal)
        field.precision = input.precision;
    else if (field.type == Varchar)
        field.precision = QString::number(wholeNumber(input.precision).value_or(0));
    return field;
}

QString nullabilityText(bool nullable)
{
    return nullable ? Nullable : NotNull;
}

QString primaryKeyText(bool primaryKey)
{
    return primaryKey ? KeyMark : NoKeyMark;
}

bool isNullableText(const QString &text)
{
    return text == Nullable;
}

bool isPrimaryKeyText(const QString &text)
{
    return text == KeyMark;
}

QString composeCreateTable(const QString &table, const QList<FieldDefinition> &fields, const QString &keyName)
{
    QString sql = QStringLiteral("CREATE TABLE ") + table + QStringLiteral(" (");
    for (const FieldDefinition &field : fields) {
        if (!field.precision.isEmpty())
            sql += field.name + QLatin1Char(' ') + field.type + QLatin1Char('(') + field.precision + QStringLiteral(") ");
        else
            sql += field.name + QLatin1Char(' ') + field.type + QLatin1Char(' ');
        // A nullable column keeps the space before the comma that follows it.
        if (!field.nullable)
            sql += NotNull;
        sql += QStringLiteral(", ");
    }

    const QString keyStart = QStringLiteral("Primary Key (");
    QString keys = keyStart;
    for (const FieldDefinition &field : fields) {
        if (field.primaryKey)
            keys += field.name + QLatin1Char(',');
    }

    if (keys.size() > keyStart.size()) {
        keys.chop(1);
        keys += QLatin1Char(')');
        if (!keyName.isEmpty())
            sql += QStringLiteral(" CONSTRAINT ") + upperCaseAscii(keyName) + QLatin1Char(' ');
        sql += keys + QLatin1Char(')');
    } else {
        sql.chop(2);
        sql += QLatin1Char(')');
    }
    return sql;
}

QString composeDropTable(const QString &listed, const QString &typed)
{
    return QStringLiteral("DROP TABLE ") + (typed.isEmpty() ? sqlIdentifier(listed) : sqlIdentifierFor(typed, listed));
}
