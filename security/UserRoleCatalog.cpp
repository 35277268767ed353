#include "security/UserRoleCatalog.h"

#include "security/RoleStatements.h"
#include "security/SecurityCatalog.h"
#include "security/UserStatements.h"
#include "session/TSQLDataSet.h"

namespace {

QStringList readNames(TSQLConnection &connection, const QString &sql, const QString &column)
{
    TSQLDataSet dataSet(&connection);
    dataSet.setCommandText(sql);
    return readValues(dataSet, column, Padding::Trimmed);
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
