#pragma once

#include <QString>

struct FieldDef;

// Statements that change one column in place, keeping its values and its
// position: Firebird's ALTER TABLE ... ALTER. Table and column are names read
// from the database and are written with sqlIdentifier.
//
// A column that takes its type or its NOT NULL from a domain, or that is
// computed, is not altered here: ALTER ... TYPE would replace the domain by a
// bare type (its DEFAULT, CHECK and NOT NULL lost), and DROP NOT NULL on a
// domain's NOT NULL runs and changes nothing. For these, and for every other
// case where nothing is composed, a one-line reason says why.

// Switches NOT NULL: a required column becomes nullable, a nullable one
// required (the server refuses while NULLs are present). Empty when
// nullabilityRefusal gives a reason.
QString composeNullabilitySwitch(const QString &table, const FieldDef &field);
// Why NOT NULL of this column is not switched here; empty when it can be.
QString nullabilityRefusal(const FieldDef &field);

// Whether the size of the column's type can be changed here: CHAR, VARCHAR,
// NUMERIC and DECIMAL.
bool sizeChangeable(const FieldDef &field);

// The size a size edit starts with: the characters of a string column, the
// precision of a decimal one with ",scale" when it has decimal places.
QString sizeTextOf(const FieldDef &field);

// Gives the column the size typed, keeping its own type word (CHAR stays
// CHAR, NUMERIC stays NUMERIC); the character set, collation and NOT NULL
// stay as they are. A string takes a length ("50"); a decimal a precision
// ("10", keeping its scale) or a precision and scale ("10,4"). Empty when
// sizeChangeRefusal gives a reason.
QString composeSizeChange(const QString &table, const FieldDef &field, const QString &sizeText);
// Why no size change is composed for the text typed: a computed or
// domain-based column, a type without a size, a text that is not such a size,
// or a smaller scale (which would round the values held). Empty when one is.
QString sizeChangeRefusal(const FieldDef &field, const QString &sizeText);

// For a size change that composes: what the server will say whatever the
// data, when the new size is smaller (fewer characters, or fewer digits before
// the decimal point); empty when it is not.
QString sizeShrinkNote(const FieldDef &field, const QString &sizeText);
