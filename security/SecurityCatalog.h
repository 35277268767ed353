#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class TSQLQuery;

// How a value read from a name column is put in a list: CHAR columns come
// back padded with blanks.
enum class Padding { Trimmed, AsStored };

// Opens the query and hands on one field of every row as text, in the order
// the server returns them; field empty means the first column. The query is
// closed again afterwards, also when a read fails (the failure is thrown on,
// after the values read before it were handed on).
void readValues(TSQLQuery &query, const QString &field, Padding padding,
                const std::function<void(const QString &)> &take);
// The same collected into a list.
QStringList readValues(TSQLQuery &query, const QString &field, Padding padding);
