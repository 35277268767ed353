#pragma once

#include <QString>
#include <QStringList>

// An ordered list of name=value lines. Names are looked up regardless of
// letter case; a name keeps the position where it was first added.
class ParamList {
public:
    QString value(const QString &name) const;
    void setValue(const QString &name, const QString &value);
    bool contains(const QString &name) const;
    void clear() { m_lines.clear(); }
    int count() const { return int(m_lines.size()); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // The lines as "name=value", in order.
    QStringList lines() const { return m_lines; }
    QString name(int i) const;

private:
    int indexOf(const QString &name) const;
    QStringList m_lines;
};
