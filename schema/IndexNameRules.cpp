#include "schema/IndexNameRules.h"

QString upperAsciiLetters(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    }
    return result;
}

IndexNameStep indexNameStep(const QString &text)
{
    if (text.startsWith(QLatin1Char(' ')))
        return {text.trimmed(), false};
    if (text.startsWith(QLatin1Char('_')))
        return {text.mid(1), false};
    return {upperAsciiLetters(text).replace(QLatin1Char(' '), QLatin1Char('_')), true};
}

QString settleIndexName(const QString &text)
{
    QString current = text;
    for (;;) {
        const IndexNameStep step = indexNameStep(current);
        if (step.settled && step.text == current)
            return current;
        current = step.text;
    }
}
