#pragma once

#include "session/TField.h"

#include <ibase.h>

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TSQLConnection;
class TTransaction;

// A statement on a connection, run once (ExecSQL) or opened as a forward-only
// cursor (Open, Next, Eof). A closed connection is opened first. Outside an
// explicit transaction of the connection, ExecSQL commits on success and rolls
// back on failure, and an open cursor reads in a transaction that ends at Close.
// `?` markers in SQL take the values of Params, in order, as text.
class TSQLQuery {
public:
    explicit TSQLQuery(TSQLConnection *connection = nullptr);
    virtual ~TSQLQuery();
    TSQLQuery(const TSQLQuery &) = delete;
    TSQLQuery &operator=(const TSQLQuery &) = delete;

    TSQLConnection *SQLConnection = nullptr;
    QString SQL;
    QStringList Params;

    void ExecSQL();
    void Open();
    void Close();
    bool Active() const { return m_active; }

    // Back to the first row: a no-op before any Next, else the query runs again.
    void First();
    void Next();
    bool Eof() const { return m_eof; }

    int FieldCount() const { return int(m_fields.size()); }
    TField &Fields(int index);
    // Throws DbError when the result has no field of that name (case ignored).
    TField &FieldByName(const QString &name);

    isc_db_handle *dbHandle();
    // Throws DbError when the query is not open (a blob read too late).
    isc_tr_handle *trHandle();
    bool runsIn(const TTransaction *transaction) const;

private:
    enum class Kind { Select, Procedure, Other };
    Kind prepare();
    // Binds Params and runs the prepared statement.
    void execute(Kind kind);
    void bindParams(XSQLDA *in, std::vector<char> &storage, std::vector<QByteArray> &texts);
    void releaseStatement();
    // Ends a failed run: its own transaction is rolled back, not committed.
    void abandon();
    // Runs a step of ExecSQL or Open; a failure abandons the run and is thrown on.
    template <typename Step> void orAbandon(Step step);
    void dropLostConnection(const class DbError &error);
    void fetch();

    isc_stmt_handle m_stmt = 0;
    std::unique_ptr<char[]> m_outArea; // XSQLDA of the result
    std::vector<char> m_rowBuffer;
    std::vector<short> m_nullFlags;
    std::vector<std::unique_ptr<TField>> m_fields;
    std::unique_ptr<TTransaction> m_ownTransaction;
    TTransaction *m_transaction = nullptr;
    bool m_active = false;
    bool m_eof = true;
    bool m_moved = false;
    bool m_singleRow = false;
};
