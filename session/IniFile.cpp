#include "session/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QByteArray Crlf("\r\n");

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Blanks at either end would be trimmed away on reading, and a pair of outer
// quotes would be taken off: both kinds of value are kept by quoting them.
QString encodeValue(const QString &value)
{
    const bool outerQuotes = value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'));
    if (value != value.trimmed() || outerQuotes)
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

QString decodeValue(const QString &text)
{
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        return text.mid(1, text.size() - 2);
    return text;
}

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

}

IniFile::IniFile(const QString &path) : m_path(path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        m_unreadable = true;
        m_readError = info.isDir() ? QStringLiteral("it is a folder") : file.errorString();
        return;
    }
    parse(file.readAll());
}

void IniFile::parse(const QByteArray &text)
{
    m_lines.clear();
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype newline = text.indexOf('\n', start);
        if (newline < 0) {
            m_lines.push_back(parseLine(text.mid(start), QByteArray()));
            break;
        }
        QByteArray raw = text.mid(start, newline - start);
        QByteArray end("\n");
        if (raw.endsWith('\r')) {
            raw.chop(1);
            end = Crlf;
        }
        m_lines.push_back(parseLine(raw, end));
        start = newline + 1;
    }
    // A byte order mark belongs to the file, not to the first line's name.
    if (!m_lines.empty() && m_lines.front().raw.startsWith("\xEF\xBB\xBF")) {
        Line first = parseLine(m_lines.front().raw.mid(3), m_lines.front().end);
        first.raw = m_lines.front().raw;
        m_lines.front() = first;
    }
}

IniFile::Line IniFile::parseLine(const QByteArray &raw, const QByteArray &end)
{
    Line line;
    line.raw = raw;
    line.end = end;
    const QString text = QString::fromUtf8(raw).trimmed();
    if (text.startsWith(QLatin1Char(';')))
        return line;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        line.kind = Kind::Section;
        line.name = (close < 0 ? text.mid(1) : text.mid(1, close - 1)).trimmed();
        return line;
    }
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals > 0) {
        line.kind = Kind::Key;
        line.name = text.left(equals).trimmed();
        line.value = decodeValue(text.mid(equals + 1).trimmed());
    }
    return line;
}

int IniFile::findSection(const QString &section) const
{
    const QString name = section.trimmed();
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Kind::Section && sameName(m_lines[i].name, name))
            return int(i);
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < int(m_lines.size()) && m_lines[size_t(i)].kind != Kind::Section)
        ++i;
    return i;
}

QStringList IniFile::sectionNames() const
{
    QStringList names;
    for (const Line &line : m_lines) {
        if (line.kind != Kind::Section)
            continue;
        if (!names.contains(line.name, Qt::CaseInsensitive))
            names << line.name;
    }
    return names;
}

bool IniFile::sectionExists(const QString &section) const
{
    return findSection(section) >= 0;
}

QStringList IniFile::sectionLines(const QString &section) const
{
    QStringList lines;
    const int header = findSection(section);
    if (header < 0)
        return lines;
    for (int i = header + 1, end = sectionEnd(header); i < end; ++i) {
        const Line &line = m_lines[size_t(i)];
        if (line.kind == Kind::Key)
            lines << line.name + QLatin1Char('=') + line.value;
    }
    return lines;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &fallback) const
{
    const int header = findSection(section);
    if (header < 0)
        return fallback;
    const QString name = key.trimmed();
    for (int i = header + 1, end = sectionEnd(header); i < end; ++i) {
        const Line &line = m_lines[size_t(i)];
        if (line.kind == Kind::Key && sameName(line.name, name))
            return line.value;
    }
    return fallback;
}

void IniFile::insertLine(int at, Line line)
{
    // The line before must end, or the new one would run on from it.
    if (at > 0 && m_lines[size_t(at - 1)].end.isEmpty())
        m_lines[size_t(at - 1)].end = Crlf;
    m_lines.insert(m_lines.begin() + at, std::move(line));
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    if (sectionName.isEmpty() || hasLineBreak(section) || section.contains(QLatin1Char(']')))
        throw IniError(QStringLiteral("%1: \"%2\" cannot be a section name").arg(m_path, section));
    if (keyName.isEmpty() || hasLineBreak(key) || key.contains(QLatin1Char('='))
        || keyName.startsWith(QLatin1Char(';')) || keyName.startsWith(QLatin1Char('[')))
        throw IniError(QStringLiteral("%1: \"%2\" cannot be a key name").arg(m_path, key));
    if (hasLineBreak(value))
        throw IniError(QStringLiteral("%1: the value of %2 cannot hold a line break").arg(m_path, keyName));

    int header = findSection(sectionName);
    if (header < 0) {
        header = int(m_lines.size());
        insertLine(header, parseLine('[' + sectionName.toUtf8() + ']', Crlf));
    }
    const int end = sectionEnd(header);
    int after = header;
    for (int i = header + 1; i < end; ++i) {
        Line &line = m_lines[size_t(i)];
        if (line.kind != Kind::Key)
            continue;
        if (sameName(line.name, keyName)) {
            // The key keeps the spelling it has in the file.
            const QByteArray lineEnd = line.end;
            line = parseLine(line.name.toUtf8() + '=' + encodeValue(value).toUtf8(), lineEnd);
            return;
        }
        after = i;
    }
    insertLine(after + 1, parseLine(keyName.toUtf8() + '=' + encodeValue(value).toUtf8(), Crlf));
}

void IniFile::eraseSection(const QString &section)
{
    for (int header = findSection(section); header >= 0; header = findSection(section))
        m_lines.erase(m_lines.begin() + header, m_lines.begin() + sectionEnd(header));
}

void IniFile::appendRaw(const QByteArray &bytes)
{
    parse(this->bytes() + bytes);
}

QByteArray IniFile::bytes() const
{
    QByteArray text;
    for (const Line &line : m_lines)
        text += line.raw + line.end;
    return text;
}

void IniFile::flush()
{
    if (m_unreadable)
        throw IniError(QStringLiteral("%1 exists but cannot be read (%2), so it is left as it is").arg(m_path, m_readError));
    const bool existed = QFileInfo::exists(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw IniError(QStringLiteral("Cannot write %1: %2").arg(m_path, file.errorString()));
    if (!existed)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray text = bytes();
    if (file.write(text) != text.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw IniError(QStringLiteral("Cannot write %1: %2").arg(m_path, reason));
    }
    if (!file.commit())
        throw IniError(QStringLiteral("Cannot write %1: %2").arg(m_path, file.errorString()));
}
