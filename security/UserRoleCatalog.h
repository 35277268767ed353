#pragma once

#include <QStringList>

class TSQLConnection;

// The names the user and role screens list, read on the given connection
// (opened first when closed), each trimmed, in the order the server returns them.

// Every grantee that is not a role: a user is known here by holding a privilege.
QStringList readUserList(TSQLConnection &connection);
QStringList readRoleList(TSQLConnection &connection);
