#include "createdb/PrivateFile.h"

#include <QDir>
#include <QSaveFile>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(path, reason).toStdString());
}

const QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

}

namespace PrivateFile {

void write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    // Before the first byte, on the file that replaces the old one.
    if (!file.setPermissions(OwnerOnly) || file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(path, reason);
    }
    if (!file.commit())
        fail(path, file.errorString());
}

}

PasswordFile::PasswordFile(const QString &password)
    : m_file(QDir(QDir::tempPath()).filePath(QStringLiteral("kelvane-XXXXXX")))
{
    // A temporary file is made owner-only from the start.
    const QByteArray bytes = password.toUtf8();
    if (!m_file.open() || !m_file.setPermissions(OwnerOnly) || m_file.write(bytes) != bytes.size() || !m_file.flush())
        fail(m_file.fileName(), m_file.errorString());
    m_file.close();
}
