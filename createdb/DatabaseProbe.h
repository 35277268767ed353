#pragma once

#include <QString>

class TSQLConnection;

// Names a database on a server and the user who opens it on the connection's parameters.
void setConnectionTarget(TSQLConnection &connection, const QString &host, const QString &port, const QString &path,
                         const QString &user, const QString &password);

// Whether a database on a server opens for a user: empty when it did (it is
// closed again at once), otherwise the server's reason.
QString databaseOpenError(const QString &host, const QString &port, const QString &path, const QString &user,
                          const QString &password);
