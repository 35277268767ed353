#include "app/ui/UpdateFlow.h"

#include "app/UpdateCheck.h"
#include "app/UpdateSettings.h"
#include "app/ui/AppContext.h"
#include "session/IniFile.h"

namespace {

constexpr int QueryTimeoutMs = 5000;

}

bool UpdateFlow::UpdateAvailable()
{
    const QString url = UpdateSettings::documentUrl(IniFile(UpdateSettings::FileName));
    return ::UpdateAvailable(m_context.fetcher->fetch(url));
}

QString UpdateFlow::offerText()
{
    return QStringLiteral("An upgrade is available!") + LineBreak + QStringLiteral("Click OK to download") + LineBreak
           + QStringLiteral("or cancel to abort.");
}

void UpdateFlow::offerUpgrade()
{
    if (m_context.okCancel->askOkCancel(offerText()))
        OpenInBrowser(UpdateCheck::DownloadPageUrl);
}

bool UpdateFlow::OpenInBrowser(const QString &url)
{
    // The desktop's registered handler decides; xdg-open then starts it.
    const ProcessLauncher::Result handler = m_context.processes->run(
        QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/http")},
        QueryTimeoutMs);
    const bool registered = handler.started && handler.finished && handler.exitCode == 0 && !handler.output.trimmed().isEmpty();
    if (!registered || !m_context.processes->startDetached(QStringLiteral("xdg-open"), {url})) {
        m_context.messages->showMessage(QStringLiteral("Browser not found!"));
        return false;
    }
    return true;
}
