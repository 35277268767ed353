#include "session/ParamList.h"

int ParamList::indexOf(const QString &name) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (this->name(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString ParamList::name(int i) const
{
    const QString &line = m_lines.at(i);
    const int eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? line : line.left(eq);
}

QString ParamList::value(const QString &name) const
{
    const int i = indexOf(name);
    if (i < 0)
        return {};
    const QString &line = m_lines.at(i);
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

void ParamList::setValue(const QString &name, const QString &value)
{
    const QString line = name + QLatin1Char('=') + value;
    const int i = indexOf(name);
    if (i < 0)
        m_lines.append(line);
    else
        m_lines[i] = this->name(i) + QLatin1Char('=') + value;
}

bool ParamList::contains(const QString &name) const
{
    return indexOf(name) >= 0;
}
