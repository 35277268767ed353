#include "schema/TableNameRules.h"

QString nextNameRewrite(const QString &text)
{
    if (text.startsWith(QLatin1Char(' ')))
        return text.trimmed();
    if (text.startsWith(QLatin1Char('_')))
        return text.mid(1);
    if (text.contains(QLatin1Char(' ')))
        return QString(text).replace(QLatin1Char(' '), QLatin1Char('_'));
    return text;
}

QString settledName(const QString &text)
{
    QString current = text;
    for (;;) {
        const QString next = nextNameRewrite(current);
        if (next == current)
            return current;
        current = next;
    }
}

QString upperCaseAscii(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}

QString tidyName(const QString &text)
{
    return text.trimmed().replace(QLatin1Char(' '), QLatin1Char('_'));
}

std::optional<int> wholeNumber(const QString &text)
{
    const QString t = text.trimmed();
    int start = 0;
    if (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-')))
        start = 1;
    if (start >= t.size())
        return std::nullopt;
    for (int i = start; i < t.size(); ++i) {
        if (t[i] < QLatin1Char('0') || t[i] > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const int value = t.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}
