#include "security/UserRoleCatalog.h"

#include "security/RoleStatements.h"
#include "security/UserStatements.h"
#include "session/TSQLDataSet.h"

namespace {

QStringList readNames(TSQLConnection &connection, const QString &sql, const QString &column)
{
    TSQLDataSet dataSet(&connection);
    dataSet.setCommandText(sql);
    QStringList names;
    for (dataSet.Open(); !dataSet.Eof(); dataSet.Next())
        names << dataSet.FieldByName(column).AsString().trimmed();
    dataSet.Close();
    return names;
}

}

QStringList readUserList(TSQLConnection &connection)
{
    return readNames(connection, userListQuery(), QStringLiteral("RDB$USER"));
}

QStringList readRoleList(TSQLConnection &connection)
{
    return readNames(connection, roleListQuery(), QStringLiteral("RDB$ROLE_NAME"));
}
