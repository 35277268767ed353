#include "session/StoredConnections.h"

#include "session/IniFile.h"

namespace StoredConnections {

Fields fieldsFromLines(const QStringList &lines)
{
    Fields fields;
    const struct {
        QLatin1String key;
        QString Fields::*field;
    } targets[] = {
        {QLatin1String("hostname"), &Fields::hostname},
        {QLatin1String("database"), &Fields::database},
        {QLatin1String("user_name"), &Fields::userName},
        {QLatin1String("Password"), &Fields::password},
        {QLatin1String("Port"), &Fields::port},
    };
    for (const auto &target : targets)
        for (const QString &line : lines)
            if (line.startsWith(target.key, Qt::CaseSensitive))
                fields.*target.field = line.mid(target.key.size() + 1);
    return fields;
}

void store(const QString &file, const QString &name, const Fields &fields)
{
    IniFile ini(file);
    ini.eraseSection(name);
    ini.writeString(name, QStringLiteral("drivername"), QStringLiteral("Firebird"));
    ini.writeString(name, QStringLiteral("Password"), fields.password);
    ini.writeString(name, QStringLiteral("user_name"), fields.userName);
    ini.writeString(name, QStringLiteral("Port"), fields.port);
    ini.writeString(name, QStringLiteral("readonlydb"), QStringLiteral("False"));
    ini.writeString(name, QStringLiteral("database"), fields.database);
    ini.writeString(name, QStringLiteral("hostname"), fields.hostname);
    ini.appendRaw(QByteArray("\n\r\n"));
    ini.flush();
}

}
