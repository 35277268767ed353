#include "schema/ForeignKeyCatalog.h"

#include "schema/ForeignKeyStatements.h"
#include "session/TSQLQuery.h"

namespace {

// Every row's value of one column, trimmed.
QStringList readColumn(TSQLConnection &connection, const QString &sql, const QString &column)
{
    TSQLQuery query(&connection);
    query.SQL = sql;
    QStringList values;
    query.Open();
    for (query.First(); !query.Eof(); query.Next())
        values << query.FieldByName(column).AsString().trimmed();
    query.Close();
    return values;
}

}

ForeignKeyListing readForeignKeys(TSQLConnection &connection, const QString &table)
{
    ForeignKeyListing listing;
    const QStringList names = readColumn(connection, foreignKeysOfTableQuery(table.trimmed()),
                                         QStringLiteral("RDB$CONSTRAINT_NAME"));
    if (names.isEmpty() || names.first().isEmpty())
        return listing;
    listing.constraintNames = names;
    // Each lookup is taken per key, so a lookup that finds nothing leaves an
    // empty entry instead of shifting every later key onto another's table.
    for (const QString &name : names) {
        const QStringList keys =
            readColumn(connection, referencedKeyQuery(name), QStringLiteral("RDB$CONST_NAME_UQ"));
        const QString key = keys.value(0);
        const QStringList tables =
            key.isEmpty() ? QStringList()
                          : readColumn(connection, constraintTableQuery(key), QStringLiteral("RDB$RELATION_NAME"));
        listing.referencedTables << tables.value(0);
    }
    return listing;
}

QString foreignKeyRow(const QString &constraintName, const QString &referencedTable)
{
    return constraintName.trimmed() + QStringLiteral(" : References : ") + referencedTable.trimmed();
}

FieldKind probeFieldKind(TSQLConnection &connection, const QString &table, const QString &field)
{
    TSQLQuery query(&connection);
    query.SQL = fieldProbeQuery(table, field);
    query.Open();
    query.First();
    const FieldKind kind = query.Fields(0).DataType();
    query.Close();
    return kind;
}
