#pragma once

#include "session/ParamList.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

// Runs one query on an attachment of its own, made from a connection's
// parameters, in a thread of its own, so a long read never holds up the
// thread that asked for it. The attachment reads committed data as the
// session's own transactions do. Finished is delivered in the thread the
// object lives in; a run that was cancelled or replaced delivers nothing.
class BackgroundQuery : public QObject {
    Q_OBJECT
public:
    explicit BackgroundQuery(QObject *parent = nullptr);
    // Cancels what runs and waits for it to end.
    ~BackgroundQuery() override;

    // Cancels the run before, then starts this one.
    void start(const ParamList &params, const QString &sql);
    // Stops the running query on the server; its result is dropped.
    void cancel();
    bool running() const { return m_current != nullptr; }

signals:
    // The first row as text (empty when there is none), or the failure's text.
    void finished(const QStringList &firstRow, const QString &error);

private:
    struct Run;
    void delivered(quint64 id, const QStringList &row, const QString &error);
    void joinEnded();

    std::shared_ptr<Run> m_current;
    std::vector<std::shared_ptr<Run>> m_runs; // threads still to join
    quint64 m_lastId = 0;
};
