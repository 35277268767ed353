#pragma once

#include <ibase.h>

class TSQLConnection;

// A transaction on a connection. While one is begun with
// TSQLConnection::BeginTransaction, statements of that connection run in it;
// otherwise each statement runs in a transaction of its own that is committed
// when it succeeds and rolled back when it fails.
class TTransaction {
public:
    explicit TTransaction(TSQLConnection &connection);
    ~TTransaction();
    TTransaction(const TTransaction &) = delete;
    TTransaction &operator=(const TTransaction &) = delete;

    // A failed commit (Firebird reports some DDL errors only then) rolls the
    // transaction back before it throws, so nothing is left half done.
    void commit();
    void rollback();
    bool active() const { return m_handle != 0; }
    isc_tr_handle *handle() { return &m_handle; }

private:
    TSQLConnection &m_connection;
    isc_tr_handle m_handle = 0;
};
