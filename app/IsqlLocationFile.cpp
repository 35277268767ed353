#include "app/IsqlLocationFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool IsqlLocationFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

QString IsqlLocationFile::readFolder() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw IsqlLocationError(QStringLiteral("Cannot read %1: %2").arg(m_path, file.errorString()));
    QByteArray line = file.readLine();
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        throw IsqlLocationError(QStringLiteral("%1 names no folder in its first line").arg(m_path));
    return QFile::decodeName(line);
}

void IsqlLocationFile::writeFolder(const QString &folder) const
{
    if (folder.contains(QLatin1Char('\n')) || folder.contains(QLatin1Char('\r')))
        throw IsqlLocationError(QStringLiteral("Cannot write %1: the folder name holds a line break").arg(m_path));
    QSaveFile file(m_path);
    const QByteArray text = QFile::encodeName(folder) + "\r\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw IsqlLocationError(QStringLiteral("Cannot write %1: %2").arg(m_path, file.errorString()));
}
