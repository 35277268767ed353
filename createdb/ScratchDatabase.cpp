#include "createdb/ScratchDatabase.h"

#include "createdb/DatabaseProbe.h"
#include "session/DbError.h"

ScratchDatabase::ScratchDatabase(const QString &host, const QString &port, const QString &path,
                                 const QString &adminPassword)
{
    const QString administrator = QStringLiteral("SYSDBA");
    TSQLConnection::CreateDatabase(TSQLConnection::serverAddress(host, port, path), administrator, adminPassword);
    setConnectionTarget(m_connection, host, port, path, administrator, adminPassword);
    m_connection.Open();
}

ScratchDatabase::~ScratchDatabase()
{
    if (m_dropped)
        return;
    try {
        drop();
    } catch (const DbError &) {
        // Already reporting another failure; the file stays for the user to see.
    }
}

void ScratchDatabase::drop()
{
    m_dropped = true;
    m_connection.DropDatabase();
}
