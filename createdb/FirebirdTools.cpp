#include "createdb/FirebirdTools.h"

#include <QDir>
#include <QFileInfo>

QString FirebirdTools::program(const QString &name) const
{
    // A folder written by hand may lack its final "/".
    const QFileInfo file(QDir(m_folder).filePath(name));
    return file.isFile() && file.isExecutable() ? file.filePath() : QString();
}

QString FirebirdTools::isql() const
{
    const QString debian = program(QStringLiteral("isql-fb"));
    return debian.isEmpty() ? program(QStringLiteral("isql")) : debian;
}

QString FirebirdTools::gsec() const
{
    return program(QStringLiteral("gsec"));
}
