#include "session/BackgroundQuery.h"

#include "session/DbError.h"
#include "session/QueryDeadline.h"
#include "session/TSQLConnection.h"

#include <ibase.h>

#include <atomic>
#include <mutex>
#include <thread>

struct BackgroundQuery::Run {
    quint64 id = 0;
    std::mutex mutex;
    isc_db_handle handle = 0; // set while the attachment is open
    bool cancelled = false;
    std::atomic<bool> ended{false};
    std::thread thread;

    void cancel()
    {
        const std::lock_guard lock(mutex);
        cancelled = true;
        if (handle) {
            ISC_STATUS_ARRAY status;
            isc_db_handle copy = handle;
            fb_cancel_operation(status, &copy, fb_cancel_raise);
        }
    }
};

BackgroundQuery::BackgroundQuery(QObject *parent) : QObject(parent) {}

BackgroundQuery::~BackgroundQuery()
{
    cancel();
    for (const auto &run : m_runs) {
        if (run->thread.joinable())
            run->thread.join();
    }
}

void BackgroundQuery::start(const ParamList &params, const QString &sql)
{
    cancel();
    joinEnded();
    auto run = std::make_shared<Run>();
    run->id = ++m_lastId;
    m_current = run;
    m_runs.push_back(run);
    Run *raw = run.get();
    const quint64 id = run->id;
    run->thread = std::thread([this, raw, id, params, sql] {
        QStringList row;
        QString error;
        try {
            TSQLConnection connection;
            connection.Params = params;
            {
                const std::lock_guard lock(raw->mutex);
                if (raw->cancelled)
                    throw DbError(QStringLiteral("cancelled"));
            }
            connection.Open();
            {
                const std::lock_guard lock(raw->mutex);
                raw->handle = *connection.handle();
                if (raw->cancelled)
                    throw DbError(QStringLiteral("cancelled"));
            }
            row = readFirstRow(connection, sql);
            {
                const std::lock_guard lock(raw->mutex);
                raw->handle = 0;
            }
            connection.Close();
        } catch (const std::exception &failure) {
            const std::lock_guard lock(raw->mutex);
            raw->handle = 0;
            const auto *dbError = dynamic_cast<const DbError *>(&failure);
            error = dbError ? dbError->text() : QString::fromUtf8(failure.what());
        }
        // The object outlives every run: its destructor joins them.
        QMetaObject::invokeMethod(this, [this, id, row, error] { delivered(id, row, error); }, Qt::QueuedConnection);
        raw->ended = true;
    });
}

void BackgroundQuery::cancel()
{
    if (m_current)
        m_current->cancel();
    m_current.reset();
}

void BackgroundQuery::delivered(quint64 id, const QStringList &row, const QString &error)
{
    if (!m_current || m_current->id != id)
        return; // cancelled or replaced meanwhile
    m_current.reset();
    emit finished(row, error);
}

void BackgroundQuery::joinEnded()
{
    for (auto it = m_runs.begin(); it != m_runs.end();) {
        if ((*it)->ended && (*it)->thread.joinable()) {
            (*it)->thread.join();
            it = m_runs.erase(it);
        } else {
            ++it;
        }
    }
}
