#include "tests/support/TestFiles.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>

namespace testfiles {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QVERIFY2(file.write(bytes) == bytes.size(), qPrintable(path));
}

int modeOf(const QString &path)
{
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

}
