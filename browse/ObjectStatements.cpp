#include "browse/ObjectStatements.h"

#include "session/Session.h"
#include "session/SqlText.h"

namespace objects {

namespace {

QString trimmedRight(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.left(end);
}

QString trimmedBoth(const QString &text)
{
    qsizetype begin = 0;
    while (begin < text.size() && text.at(begin).unicode() <= u' ')
        ++begin;
    return trimmedRight(text.mid(begin));
}

bool plainIdentifier(const QString &name)
{
    if (name.isEmpty() || !(name.at(0) >= u'A' && name.at(0) <= u'Z'))
        return false;
    for (QChar c : name) {
        const bool ok = (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'$';
        if (!ok)
            return false;
    }
    return true;
}

}

QString procedureListQuery()
{
    return QStringLiteral("SELECT RDB$PROCEDURE_NAME") + LineBreak + QStringLiteral("FROM RDB$PROCEDURES");
}

QString triggerListQuery()
{
    return QStringLiteral("SELECT RDB$TRIGGER_NAME") + LineBreak + QStringLiteral("FROM RDB$TRIGGERS");
}

QString identifierInStatement(const QString &name)
{
    if (plainIdentifier(name))
        return name;
    QString doubled = name;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString tableStatement(const QString &table)
{
    return QStringLiteral("SELECT *") + LineBreak + QStringLiteral("FROM ") + identifierInStatement(trimmedBoth(table));
}

QString procedureStatement(const QString &procedure)
{
    return QStringLiteral("SELECT RDB$PROCEDURE_SOURCE") + LineBreak + QStringLiteral("FROM RDB$PROCEDURES") + LineBreak
           + QStringLiteral("WHERE RDB$PROCEDURE_NAME=") + sqlQuoted(trimmedRight(procedure));
}

QString triggerStatement(const QString &trigger)
{
    return QStringLiteral("SELECT RDB$TRIGGER_SOURCE") + LineBreak + QStringLiteral("From RDB$TRIGGERS") + LineBreak
           + QStringLiteral("WHERE RDB$TRIGGER_NAME=") + sqlQuoted(trimmedBoth(trigger));
}

}
