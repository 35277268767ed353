#pragma once

#include <QString>

struct FieldDef;

// Statements that change one column in place, keeping its values and its
// position: Firebird's ALTER TABLE ... ALTER. Names go in as they stand.

// Switches NOT NULL: a required column becomes nullable, a nullable one
// required (the server refuses while NULLs are present).
QString composeNullabilitySwitch(const QString &table, const FieldDef &field);

// Whether the size of the column's type can be changed here: CHAR, VARCHAR,
// NUMERIC and DECIMAL.
bool sizeChangeable(const FieldDef &field);

// The size a size edit starts with: the characters of a string column, the
// precision of a decimal one with ",scale" when it has decimal places.
QString sizeTextOf(const FieldDef &field);

// Gives the column the size typed, keeping its own type word (CHAR stays
// CHAR, NUMERIC stays NUMERIC); the character set, collation and NOT NULL
// stay as they are. A string takes a length ("50"); a decimal a precision
// ("10", keeping its scale) or a precision and scale ("10,4"). Empty when the
// column's size cannot be changed, when the text is not such a size, or when
// a smaller scale would round the values held.
QString composeSizeChange(const QString &table, const FieldDef &field, const QString &sizeText);
