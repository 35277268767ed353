#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

// Files that hold passwords: readable and writable by their owner only.
namespace PrivateFile {

// Replaces the file by the bytes atomically: a reader sees the old file or the
// new one, never half of one. An existing file becomes owner-only too. Throws
// std::runtime_error naming the file when it cannot be written.
void write(const QString &path, const QByteArray &bytes);

}

// A password in a file of its own, for a tool that reads it from there; the
// file is removed with the object.
class PasswordFile {
public:
    // Throws std::runtime_error when the file cannot be made.
    explicit PasswordFile(const QString &password);
    QString path() const { return m_file.fileName(); }

private:
    QTemporaryFile m_file;
};
