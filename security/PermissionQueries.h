#pragma once

#include <QString>

// The permission viewers' queries over RDB$USER_PRIVILEGES, each reading its
// first column. Names are put between single quotes with their own quotes
// doubled, so a name holding a quote finds its rows.

// Who holds any privilege on a table (column RDB$USER), once each.
QString granteesOfTableQuery(const QString &table);

// The tables a user or role holds privileges on (column RDB$RELATION_NAME),
// once each; role memberships left out.
QString tablesOfGranteeQuery(const QString &grantee);

// One word per privilege row a grantee holds on a table: SELECT, DELETE,
// INSERT, UPDATE, REFERENCE or 'unknown'. No DISTINCT, so a privilege granted
// on several columns is listed once per column.
QString privilegesOnTableQuery(const QString &grantee, const QString &table);
