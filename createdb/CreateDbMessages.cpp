#include "createdb/CreateDbMessages.h"

#include "session/Session.h"

namespace CreateDbMessages {

QString isqlNotFound()
{
    return QStringLiteral("Cannot find ISQL.EXE file! You will be redirected to") + LineBreak
        + QStringLiteral("another form where you must locate and open") + LineBreak
        + QStringLiteral(" this file. You will only be required to do this once.");
}

QString mustSelectIsql()
{
    return QStringLiteral("Must select the ISQL.EXE file!!");
}

QString alreadyExists(const QString &name)
{
    return QStringLiteral("Database ") + name + QStringLiteral(" already exists!");
}

QString adminPasswordRequired()
{
    return QStringLiteral("This action requires entry of the SYSDBA password!");
}

QString hostRequired()
{
    return QStringLiteral("Host name must be filled in") + LineBreak + QStringLiteral("when creating a remote database.");
}

QString created(const QString &name)
{
    return QStringLiteral("Database ") + name + QStringLiteral(" successfully created!");
}

QString notCreated(const QString &name)
{
    return QStringLiteral("Database ") + name + QStringLiteral(" was not created!") + LineBreak
        + QStringLiteral("Try a differnent password, or reset the ISQL.EXE location.");
}

QString mayNotHaveBeenCreated(const QString &name)
{
    return QStringLiteral("Database ") + name + QStringLiteral(" may not have been created!") + LineBreak
        + QStringLiteral("NOTE:Due to network timing it advisable to check ") + LineBreak
        + QStringLiteral("manually for the existence of the file. If the file does") + LineBreak
        + QStringLiteral("not exist, try a different password.");
}

QString withDetail(const QString &message, const QString &detail)
{
    QString text = detail.trimmed();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), LineBreak);
    return text.isEmpty() ? message : message + LineBreak + text;
}

}
