#include "createdb/DatabaseProbe.h"

#include "session/DbError.h"
#include "session/TSQLConnection.h"

void setConnectionTarget(TSQLConnection &connection, const QString &host, const QString &port, const QString &path,
                         const QString &user, const QString &password)
{
    connection.Params.setValue(QStringLiteral("hostname"), host);
    connection.Params.setValue(QStringLiteral("Port"), port);
    connection.Params.setValue(QStringLiteral("database"), path);
    connection.Params.setValue(QStringLiteral("user_name"), user);
    connection.Params.setValue(QStringLiteral("Password"), password);
}

QString databaseOpenError(const QString &host, const QString &port, const QString &path, const QString &user,
                          const QString &password)
{
    TSQLConnection connection;
    setConnectionTarget(connection, host, port, path, user, password);
    try {
        connection.Open();
    } catch (const DbError &error) {
        return error.text();
    }
    return QString();
}
