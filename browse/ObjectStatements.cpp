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

}

QString procedureListQuery()
{
    return QStringLiteral("SELECT RDB$PROCEDURE_NAME") + LineBreak + QStringLiteral("FROM RDB$PROCEDURES");
}

QString triggerListQuery()
{
    return QStringLiteral("SELECT RDB$TRIGGER_NAME") + LineBreak + QStringLiteral("FROM RDB$TRIGGERS");
}

QString tableStatement(const QString &table)
{
    return QStringLiteral("SELECT *") + LineBreak + QStringLiteral("FROM ") + sqlIdentifier(trimmedBoth(table));
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
