#include "session/TSQLConnection.h"

#include "session/DbError.h"
#include "session/FbClient.h"
#include "session/SqlText.h"
#include "session/TSQLQuery.h"
#include "session/TTransaction.h"

#include <algorithm>

namespace {

void addDpbString(std::string &dpb, char tag, const QByteArray &value)
{
    const int length = std::min<int>(int(value.size()), 255);
    dpb.push_back(tag);
    dpb.push_back(char(length));
    dpb.append(value.constData(), size_t(length));
}

std::string connectionBlock(const QString &user, const QString &password)
{
    std::string dpb(1, char(isc_dpb_version1));
    addDpbString(dpb, isc_dpb_user_name, user.toUtf8());
    addDpbString(dpb, isc_dpb_password, password.toUtf8());
    addDpbString(dpb, isc_dpb_lc_ctype, "UTF8");
    addDpbString(dpb, isc_dpb_utf8_filename, "1");
    return dpb;
}

}

TSQLConnection::~TSQLConnection()
{
    Close();
}

QString TSQLConnection::serverAddress(const QString &host, const QString &port, const QString &database)
{
    if (host.compare(QLatin1String("embedded"), Qt::CaseInsensitive) == 0)
        return database;
    if (port.isEmpty())
        return host + QLatin1Char(':') + database;
    return host + QLatin1Char('/') + port + QLatin1Char(':') + database;
}

QString TSQLConnection::serverAddress() const
{
    return serverAddress(Params.value(QStringLiteral("hostname")), Params.value(QStringLiteral("Port")),
                         Params.value(QStringLiteral("database")));
}

void TSQLConnection::Open()
{
    if (Connected())
        return;
    if (Params.value(QStringLiteral("database")).isEmpty())
        throw DbError(QStringLiteral("No database is given for the connection"));
    const QByteArray address = serverAddress().toUtf8();
    const std::string dpb = connectionBlock(Params.value(QStringLiteral("user_name")),
                                            Params.value(QStringLiteral("Password")));
    ISC_STATUS_ARRAY status;
    isc_attach_database(status, short(address.size()), address.constData(), &m_handle,
                        short(dpb.size()), dpb.data());
    if (status[0] == 1 && status[1]) {
        m_handle = 0;
        fbclient::check(status);
    }
}

void TSQLConnection::Close()
{
    // Copy: closing a query detaches it from the list.
    const auto queries = m_openQueries;
    for (TSQLQuery *query : queries)
        query->Close();
    m_openQueries.clear();
    if (m_transaction) {
        delete m_transaction; // rolls back
        m_transaction = nullptr;
    }
    if (!m_handle)
        return;
    ISC_STATUS_ARRAY status;
    if (isc_detach_database(status, &m_handle))
        m_handle = 0; // a broken attachment is dropped all the same
}

QStringList TSQLConnection::GetTableNames(bool systemTables)
{
    TSQLQuery query(this);
    query.SQL = systemTables
        ? QStringLiteral("SELECT RDB$RELATION_NAME FROM RDB$RELATIONS ORDER BY RDB$RELATION_NAME")
        : QStringLiteral("SELECT RDB$RELATION_NAME FROM RDB$RELATIONS "
                         "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 ORDER BY RDB$RELATION_NAME");
    QStringList names;
    for (query.Open(); !query.Eof(); query.Next())
        names << query.Fields(0).AsString().trimmed();
    query.Close();
    return names;
}

void TSQLConnection::ExecuteDirect(const QString &sql)
{
    TSQLQuery query(this);
    query.SQL = sql;
    query.ExecSQL();
}

TTransaction *TSQLConnection::BeginTransaction()
{
    Open();
    if (m_transaction)
        throw DbError(QStringLiteral("A transaction is already active on this connection"));
    m_transaction = new TTransaction(*this);
    return m_transaction;
}

void TSQLConnection::closeQueriesIn(const TTransaction *transaction)
{
    const auto queries = m_openQueries;
    for (TSQLQuery *query : queries) {
        if (query->runsIn(transaction))
            query->Close();
    }
}

void TSQLConnection::CommitFreeAndNil(TTransaction *&transaction)
{
    if (!transaction)
        return;
    closeQueriesIn(transaction);
    TTransaction *t = transaction;
    transaction = nullptr;
    if (m_transaction == t)
        m_transaction = nullptr;
    std::unique_ptr<TTransaction> owner(t);
    owner->commit(); // on failure rolled back, then thrown; freed either way
}

void TSQLConnection::RollbackFreeAndNil(TTransaction *&transaction)
{
    if (!transaction)
        return;
    closeQueriesIn(transaction);
    if (m_transaction == transaction)
        m_transaction = nullptr;
    delete transaction;
    transaction = nullptr;
}

void TSQLConnection::CreateDatabase(const QString &address, const QString &user, const QString &password)
{
    const QString sql = QStringLiteral("CREATE DATABASE %1 USER %2 PASSWORD %3 DEFAULT CHARACTER SET UTF8")
                            .arg(sqlQuoted(address), sqlQuoted(user), sqlQuoted(password));
    const QByteArray text = sql.toUtf8();
    ISC_STATUS_ARRAY status;
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    isc_dsql_execute_immediate(status, &db, &tr, 0, text.constData(), 3, nullptr);
    fbclient::check(status);
    isc_detach_database(status, &db);
}

void TSQLConnection::DropDatabase()
{
    Open();
    const auto queries = m_openQueries;
    for (TSQLQuery *query : queries)
        query->Close();
    m_openQueries.clear();
    delete m_transaction; // rolls back
    m_transaction = nullptr;
    ISC_STATUS_ARRAY status;
    if (isc_drop_database(status, &m_handle)) {
        Close();
        fbclient::check(status);
    }
    m_handle = 0;
}

void TSQLConnection::attach(TSQLQuery *query)
{
    if (std::find(m_openQueries.begin(), m_openQueries.end(), query) == m_openQueries.end())
        m_openQueries.push_back(query);
}

void TSQLConnection::detach(TSQLQuery *query)
{
    m_openQueries.erase(std::remove(m_openQueries.begin(), m_openQueries.end(), query), m_openQueries.end());
}
