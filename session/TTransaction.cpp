#include "session/TTransaction.h"

#include "session/DbError.h"
#include "session/FbClient.h"
#include "session/TSQLConnection.h"

TTransaction::TTransaction(TSQLConnection &connection) : m_connection(connection)
{
    static const char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                               isc_tpb_rec_version, isc_tpb_nowait};
    ISC_STATUS_ARRAY status;
    isc_start_transaction(status, &m_handle, 1, m_connection.handle(), short(sizeof tpb), tpb);
    fbclient::check(status);
}

TTransaction::~TTransaction()
{
    rollback();
}

void TTransaction::commit()
{
    if (!m_handle)
        return;
    ISC_STATUS_ARRAY status;
    if (isc_commit_transaction(status, &m_handle)) {
        const DbError error(fbclient::statusText(status), isc_sqlcode(status), long(status[1]));
        rollback();
        throw error;
    }
}

void TTransaction::rollback()
{
    if (!m_handle)
        return;
    ISC_STATUS_ARRAY status;
    if (isc_rollback_transaction(status, &m_handle))
        m_handle = 0; // the attachment is gone; the handle is of no use any more
}
