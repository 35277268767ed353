#include "session/QueryDeadline.h"

#include "session/DbError.h"
#include "session/TSQLConnection.h"
#include "session/TSQLQuery.h"

#include <ibase.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

void cancelOperation(isc_db_handle handle, ISC_USHORT option)
{
    ISC_STATUS_ARRAY status;
    fb_cancel_operation(status, &handle, option);
}

// Stops the attachment's running operation unless told in time that it ended.
class Watchdog {
public:
    Watchdog(isc_db_handle handle, std::chrono::milliseconds budget)
        : m_handle(handle), m_thread([this, budget] { watch(budget); }) {}
    ~Watchdog() { stop(); }

    // True when it cancelled. A cancel that came after the operation ended
    // would stop the attachment's next one, so it is taken back.
    bool stop()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        if (m_thread.joinable())
            m_thread.join();
        if (m_fired && !m_cleared) {
            cancelOperation(m_handle, fb_cancel_disable);
            cancelOperation(m_handle, fb_cancel_enable);
            m_cleared = true;
        }
        return m_fired;
    }

private:
    void watch(std::chrono::milliseconds budget)
    {
        std::unique_lock lock(m_mutex);
        if (!m_wake.wait_for(lock, budget, [this] { return m_done; })) {
            m_fired = true;
            cancelOperation(m_handle, fb_cancel_raise);
        }
    }

    isc_db_handle m_handle;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    bool m_fired = false;
    bool m_cleared = false;
    std::thread m_thread;
};

}

QStringList readFirstRow(TSQLConnection &connection, const QString &sql)
{
    TSQLQuery query(&connection);
    query.SQL = sql;
    query.Open();
    QStringList row;
    if (!query.Eof()) {
        for (int i = 0; i < query.FieldCount(); ++i)
            row << query.Fields(i).AsString();
    }
    query.Close();
    return row;
}

std::optional<QStringList> firstRowWithin(TSQLConnection &connection, const QString &sql,
                                          std::chrono::milliseconds budget)
{
    connection.Open(); // the handle must exist before the watchdog holds it
    Watchdog watchdog(*connection.handle(), budget);
    QStringList row;
    try {
        row = readFirstRow(connection, sql);
    } catch (const DbError &error) {
        if (watchdog.stop() && error.gdsCode() == isc_cancelled)
            return std::nullopt;
        throw;
    }
    watchdog.stop(); // a row read as the time ran out still stands
    return row;
}
