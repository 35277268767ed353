#pragma once

#include "app/ui/Seams.h"

// One run of a Firebird tool, waited for within a bound and judged by how it
// ended: its exit status, and its own words when it failed.
class ToolRun {
public:
    static constexpr int TimeoutMs = 60000;

    ToolRun(ProcessLauncher &launcher, const QString &program, const QStringList &arguments);

    // Ended by itself with exit status 0.
    bool succeeded() const;
    // Still running at the bound, so stopped: what it did is not known.
    bool timedOut() const { return m_result.started && !m_result.finished; }
    QString output() const { return m_result.output; }
    // What went wrong, for the user; empty when it succeeded.
    QString failure() const;

private:
    QString m_name;
    ProcessLauncher::Result m_result;
};
