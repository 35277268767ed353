#include "schema/ForeignKeyName.h"

ForeignKeyNameStep rewriteForeignKeyName(const QString &text)
{
    if (text == QLatin1String(" "))
        return {QString(), false};
    if (text.startsWith(QLatin1Char(' ')))
        return {text.trimmed(), false};
    if (text.startsWith(QLatin1Char('_')))
        return {text.mid(1), false};
    QString named = text;
    named.replace(QLatin1Char(' '), QLatin1Char('_'));
    return {named, true};
}

QString normaliseForeignKeyName(const QString &text)
{
    ForeignKeyNameStep step{text, false};
    do {
        step = rewriteForeignKeyName(step.text);
    } while (!step.final);
    return step.text;
}
