#pragma once

#include <QString>

// The foreign key editor's commit button caption is its mode; the statement
// builder reads it back and compares it exactly.
inline const QString ForeignKeyNeutralMode = QStringLiteral("Create/Remove Foreign Key");
inline const QString ForeignKeyCreateMode = QStringLiteral("Create Foreign Key");
inline const QString ForeignKeyRemoveMode = QStringLiteral("Remove Foreign Key");

// What the statement takes from the screen besides the four names.
struct ForeignKeyChoices {
    QString mode;     // one of the three captions above
    QString name;     // constraint name being created
    QString onDelete; // rule texts as the radio groups show them
    QString onUpdate;
};

// In create mode the four-line ADD CONSTRAINT statement (each of the first
// three lines ends with a blank before CR LF; no semicolon), in remove mode the
// one-line DROP CONSTRAINT statement; in any other mode empty text.
// destination is the referenced field when creating, the constraint when removing.
// The tables, fields and constraint are names read from the database and are
// written with sqlIdentifier; the name being created goes in as typed.
QString BuildForeignKeySQL(const ForeignKeyChoices &choices, const QString &sourceTable, const QString &sourceField,
                           const QString &destinationTable, const QString &destination);

// Catalogue queries of the editor. A name put between single quotes has its
// own single quotes doubled.
// The foreign key constraints of a table (column RDB$CONSTRAINT_NAME).
QString foreignKeysOfTableQuery(const QString &table);
// The unique or primary key a foreign key refers to (column RDB$CONST_NAME_UQ).
QString referencedKeyQuery(const QString &foreignKey);
// The table that owns a constraint (column RDB$RELATION_NAME).
QString constraintTableQuery(const QString &constraint);
// A one-column select whose first field tells the column's kind of value
// (both names written with sqlIdentifier).
QString fieldProbeQuery(const QString &table, const QString &field);
