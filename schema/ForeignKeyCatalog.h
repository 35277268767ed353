#pragma once

#include "session/FieldKind.h"

#include <QString>
#include <QStringList>

class TSQLConnection;

// The foreign keys of one table, read from the system tables: entry i of
// both lists belongs to the same key, in the order the server lists them.
struct ForeignKeyListing {
    QStringList constraintNames;
    QStringList referencedTables;
};

// Runs the constraint query for the table (its name is trimmed), then for
// each foreign key the lookup of the key it refers to and of that key's
// table. Every value read is trimmed. A table without foreign keys (or whose
// first name reads empty) gives an empty listing.
ForeignKeyListing readForeignKeys(TSQLConnection &connection, const QString &table);

// The row the editor shows for a foreign key: "FK : References : TABLE".
QString foreignKeyRow(const QString &constraintName, const QString &referencedTable);

// The kind of value the first field of "SELECT field FROM table" holds, as the
// access layer reports it: sizes do not count, so VARCHAR(10) and CHAR(200)
// are the same kind while INTEGER and VARCHAR are not.
FieldKind probeFieldKind(TSQLConnection &connection, const QString &table, const QString &field);
