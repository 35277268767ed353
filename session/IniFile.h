#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

// Raised when an ini file cannot be read back safely or cannot be written.
// The text names the file and the reason.
class IniError : public std::runtime_error {
public:
    explicit IniError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

// A Windows-style initialization file: "[section]" lines, each followed by
// "key=value" lines. Section and key names match regardless of letter case
// and of blanks around them; the first of several same-named sections or keys
// is the one read. Lines starting with ";" and lines without "=" are kept but
// never read as keys. UTF-8 text, CR LF or LF line ends, a missing final line
// break and blanks around "=" are all accepted.
//
// Every line the program did not change is written back byte for byte, so
// what other tools keep in the file survives. Lines written here end in
// CR LF. A value with blanks at either end, or with a double quote at both
// ends, is written between double quotes so that it reads back exactly.
//
// Changes stay in memory until flush(), which replaces the file atomically:
// the new text goes to a temporary file beside it that is renamed over the
// old one only once it is completely on disk. A new file is readable and
// writable by its owner only; an existing file keeps its permissions. Folders
// are never created.
class IniFile {
public:
    // Reads the file now; a file that does not exist reads as empty.
    explicit IniFile(const QString &path);

    QString path() const { return m_path; }

    // Every section name in file order, each name once (the first spelling).
    QStringList sectionNames() const;
    bool sectionExists(const QString &section) const;
    // The "key=value" lines of the section, with blanks around "=" dropped and
    // values unquoted; empty when there is no such section.
    QStringList sectionLines(const QString &section) const;
    QString readString(const QString &section, const QString &key, const QString &fallback = {}) const;

    // Sets a key, adding the section at the end of the file and the key at
    // the end of its section when they are new. Throws IniError for names or
    // values that a line cannot hold (line breaks, "]" in a section name,
    // "=" in a key).
    void writeString(const QString &section, const QString &key, const QString &value);
    // Removes every section of that name with all its lines.
    void eraseSection(const QString &section);
    // Text added at the very end of the file as it stands.
    void appendRaw(const QByteArray &bytes);

    // Writes the file as it now stands. Throws IniError, leaving the file on
    // disk as it was, when it cannot be written or when it existed but could
    // not be read (writing then would lose what it holds).
    void flush();

    // The file's text as flush() would write it.
    QByteArray bytes() const;

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QByteArray raw;  // without its line end
        QByteArray end;  // "\r\n", "\n" or "" (last line without a break)
        Kind kind = Kind::Other;
        QString name;    // section or key name, trimmed
        QString value;   // key's value, unquoted
    };

    void parse(const QByteArray &text);
    static Line parseLine(const QByteArray &raw, const QByteArray &end);
    // Index of the header of the first section of that name, or -1.
    int findSection(const QString &section) const;
    // One past the last line belonging to the section whose header is at index.
    int sectionEnd(int header) const;
    void insertLine(int at, Line line);

    QString m_path;
    std::vector<Line> m_lines;
    bool m_unreadable = false;
    QString m_readError;
};
