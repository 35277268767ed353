#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One column of a table being designed, as the designer's grid shows it.
struct FieldDefinition {
    QString name;      // upper-cased a to z
    QString type;      // "INTEGER", "VARCHAR", ...
    bool nullable = true;
    bool primaryKey = false;
    QString precision; // DECIMAL: as typed; VARCHAR: plain decimal length; else empty
};

// What the user entered for a new field, before it becomes a definition.
struct FieldInput {
    QString name;
    QString type;
    bool nullable = false;
    bool primaryKey = false;
    QString precision;
};

namespace FieldMessages {
inline const QString NoType = QStringLiteral("Must select a field type");
inline const QString NoVarcharLength = QStringLiteral("Must enter precicion value for VARCHAR");
inline const QString BadPrecision = QStringLiteral("Invalid precicion value"); // VARCHAR and DECIMAL
inline const QString VarcharLengthNotPositive = QStringLiteral("Precision value must be greater than 0");
// The second line follows after a line break.
inline const QString NoDecimalPrecision = QStringLiteral("Must enter precicion value for Decimal");
inline const QString DecimalPrecisionExample = QStringLiteral("eg. '10,4'");
inline const QString AlreadyDefined = QStringLiteral("Field is already defined");
}

// The first reason the input cannot be added, as the lines of its message;
// empty when it can. definedNames are compared with letter case ignored. A
// DECIMAL precision is digits, or digits "," digits.
QStringList fieldInputProblem(const FieldInput &input, const QStringList &definedNames);

// The definition of an input that passed fieldInputProblem. Only DECIMAL and
// VARCHAR carry a precision; the VARCHAR length is written in plain decimal.
FieldDefinition defineField(const FieldInput &input);

// The grid's texts for nullability and key mark, and back.
QString nullabilityText(bool nullable);
QString primaryKeyText(bool primaryKey);
bool isNullableText(const QString &text);
bool isPrimaryKeyText(const QString &text);

// CREATE TABLE table (columns[, [CONSTRAINT NAME ]Primary Key (keys)]).
// keyName names the key constraint when not empty; it is used as given
// (tidy it first) with the letters a to z upper-cased. Names are not quoted.
QString composeCreateTable(const QString &table, const QList<FieldDefinition> &fields, const QString &keyName);

// DROP TABLE for a listed table: its name as the database holds it, written
// with sqlIdentifier; or, when the user typed a name that found it, the typed
// name where the server reads it unquoted as the listed one (sqlIdentifierFor).
QString composeDropTable(const QString &listed, const QString &typed = QString());
