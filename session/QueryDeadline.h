#pragma once

#include <QStringList>
#include <chrono>
#include <optional>

class TSQLConnection;

// Opens a query and reads its first row as text; empty when it has none.
QStringList readFirstRow(TSQLConnection &connection, const QString &sql);

// Opens a query on the connection (in the transaction its other reads run
// in) and reads its first row as text, but gives up when the time is spent:
// the operation on the attachment is then cancelled, so the caller's thread
// waits no longer than the budget (and the few milliseconds a cancel takes).
// Empty row when the result has none; nullopt when cancelled. Any other
// failure is thrown on as DbError.
std::optional<QStringList> firstRowWithin(TSQLConnection &connection, const QString &sql,
                                          std::chrono::milliseconds budget);
