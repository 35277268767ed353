#include "createdb/ui/ToolRun.h"

#include <QFileInfo>

namespace {

// isql says this for every line it reads before a database is attached and
// once more on leaving; it says nothing about why a run failed.
bool isqlChatter(const QString &line)
{
    return line.trimmed() == QLatin1String("Use CONNECT or CREATE DATABASE to specify a database");
}

}

ToolRun::ToolRun(ProcessLauncher &launcher, const QString &program, const QStringList &arguments)
    : m_name(QFileInfo(program).fileName()), m_result(launcher.run(program, arguments, TimeoutMs))
{
}

bool ToolRun::succeeded() const
{
    return m_result.started && m_result.finished && m_result.exitCode == 0;
}

QString ToolRun::failure() const
{
    if (succeeded())
        return QString();
    if (!m_result.started)
        return m_name + QStringLiteral(" could not be started: ") + m_result.output;
    if (timedOut())
        return m_name + QStringLiteral(" did not finish within %1 seconds and was stopped.").arg(TimeoutMs / 1000);
    QStringList said;
    for (const QString &line : m_result.output.split(QLatin1Char('\n'))) {
        if (!isqlChatter(line) && !line.trimmed().isEmpty())
            said << line.trimmed();
    }
    const QString how = m_result.exitCode < 0 ? QStringLiteral(" ended abnormally")
                                              : QStringLiteral(" failed (exit status %1)").arg(m_result.exitCode);
    return m_name + how + (said.isEmpty() ? QStringLiteral(".") : QStringLiteral(":\n") + said.join(QLatin1Char('\n')));
}
