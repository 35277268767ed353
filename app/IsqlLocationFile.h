#pragma once

#include <QString>
#include <stdexcept>

// Raised when the tools' folder cannot be read from the file or the file
// cannot be written. The text names the file and the reason.
class IsqlLocationError : public std::runtime_error {
public:
    explicit IsqlLocationError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

// The file that remembers the folder of Firebird's command-line tools between
// runs: its first line is the folder, ending in "/"; further lines are
// ignored. The program writes exactly one line, ended by CR LF.
class IsqlLocationFile {
public:
    // In the working folder.
    static inline const QString FileName = QStringLiteral("isqlLocation.txt");

    explicit IsqlLocationFile(const QString &path = FileName) : m_path(path) {}

    QString path() const { return m_path; }
    bool exists() const;

    // The first line without its line end. Throws IsqlLocationError when the
    // file is missing or unreadable, or when its first line is empty (an
    // empty folder would run the tools from wherever the program stands).
    QString readFolder() const;

    // Replaces the file whole by the one line, atomically: a reader never sees
    // half a file, and a failed write leaves the old file as it was. Throws
    // IsqlLocationError when it cannot be written (also for a folder holding
    // a line break, which would not read back).
    void writeFolder(const QString &folder) const;

private:
    QString m_path;
};
