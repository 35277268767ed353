#include "app/UpdateSettings.h"

#include "app/UpdateCheck.h"
#include "session/IniFile.h"

bool UpdateSettings::checksOnStart(const QString &stored)
{
    return stored == QLatin1String("1");
}

QString UpdateSettings::valueOnClose(bool checked, const QString &stored)
{
    if (checked && stored == QLatin1String("0"))
        return QStringLiteral("1");
    if (!checked && stored == QLatin1String("1"))
        return QStringLiteral("0");
    return {};
}

QString UpdateSettings::documentUrl(const IniFile &settings)
{
    const QString url = settings.readString(Section, UrlKey).trimmed();
    return url.isEmpty() ? UpdateCheck::DocumentUrl : url;
}
