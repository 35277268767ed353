#include "browse/ConsoleStatement.h"

namespace console {

QString trimStatement(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

bool runsAsQuery(const QString &trimmedText)
{
    static const char word[] = "SELECT";
    if (trimmedText.size() < 6)
        return false;
    for (int i = 0; i < 6; ++i) {
        char16_t c = trimmedText.at(i).unicode();
        if (c >= u'a' && c <= u'z')
            c = char16_t(c - u'a' + u'A');
        if (c != char16_t(word[i]))
            return false;
    }
    return true;
}

}
