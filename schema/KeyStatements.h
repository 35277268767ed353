#pragma once

#include <QString>
#include <QStringList>

struct IndexDef;

// Statements that add and remove a table's primary key and unique
// constraints. Names read from the database (the table, its fields, its
// constraints and indices) are written with sqlIdentifier; a constraint name
// the user typed goes in as typed (the name rules have tidied it). No
// statement ends with ";" or a line break.

// The selected field names as one key list: "A,B" for A and B.
QString composeSelectedFieldList(const QStringList &fields);

// ALTER TABLE T DROP CONSTRAINT C
QString composeDropConstraint(const QString &table, const QString &constraint);
// Removes what an index definition stands for: its constraint, or, for a
// unique index that backs no constraint, the index itself.
QString composeDropIndexDef(const QString &table, const IndexDef &index);
// ALTER TABLE T ADD PRIMARY KEY(F), or with a name ADD CONSTRAINT N PRIMARY KEY(F);
// fields is a list made by composeSelectedFieldList.
QString composePrimaryKey(const QString &table, const QString &name, const QString &fields);
// ALTER TABLE T ADD UNIQUE(F), or with a name ADD CONSTRAINT N UNIQUE(F)
QString composeUniqueConstraint(const QString &table, const QString &name, const QString &fields);

// The key fields of one index as shown to the user: "A;B" becomes "A,B".
QString keyFieldsForDisplay(const QString &keyFields);

// What a key commit runs of the memo's text: trimmed, a to z upper-cased
// except inside double-quoted identifiers and single-quoted literals, which
// would otherwise name another object or hold another value.
QString keyCommitText(const QString &memo);

// For a primary key over fields that allow NULL: what the server will say
// whatever the data; empty when every field is NOT NULL.
QString nullableKeyNote(const QStringList &nullableFields);
