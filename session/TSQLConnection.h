#pragma once

#include "session/ParamList.h"

#include <ibase.h>

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TTransaction;
class TSQLQuery;

// The database connection. Its parameters name the server and database:
// "hostname", "database", "user_name", "Password", "Port", "readonlydb".
// Host name "embedded" opens the database file in this process with
// Firebird's embedded engine; any other host is reached as host/port:database
// (host:database when the port is empty). The character set is UTF8.
class TSQLConnection {
public:
    TSQLConnection() = default;
    ~TSQLConnection();
    TSQLConnection(const TSQLConnection &) = delete;
    TSQLConnection &operator=(const TSQLConnection &) = delete;

    QString DriverName = QStringLiteral("Firebird");
    QString ConnectionName;
    bool LoginPrompt = false;
    ParamList Params;

    void Open();
    void Close();
    bool Connected() const { return m_handle != 0; }

    // User tables and views, without system tables unless asked, ordered by name.
    QStringList GetTableNames(bool systemTables = false);
    // Runs one statement; a closed connection is opened first.
    void ExecuteDirect(const QString &sql);

    // Begins the transaction that later statements run in until it is
    // committed (CommitFreeAndNil) or rolled back (RollbackFreeAndNil).
    TTransaction *BeginTransaction();
    void CommitFreeAndNil(TTransaction *&transaction);
    void RollbackFreeAndNil(TTransaction *&transaction);
    TTransaction *activeTransaction() const { return m_transaction; }

    // The address the client library is given, from the parameters.
    QString serverAddress() const;
    static QString serverAddress(const QString &host, const QString &port, const QString &database);

    // Creates a database file (at a server address or a local path) and leaves it closed.
    static void CreateDatabase(const QString &address, const QString &user, const QString &password);
    // Deletes the database this connection has open, file and all, and leaves
    // the connection closed. Throws DbError when it cannot (another attachment).
    void DropDatabase();

    isc_db_handle *handle() { return &m_handle; }
    // Open queries register, so closing the connection ends them first.
    void attach(TSQLQuery *query);
    void detach(TSQLQuery *query);

private:
    // Queries open in a transaction end with it.
    void closeQueriesIn(const TTransaction *transaction);

    isc_db_handle m_handle = 0;
    TTransaction *m_transaction = nullptr;
    std::vector<TSQLQuery *> m_openQueries;
};
