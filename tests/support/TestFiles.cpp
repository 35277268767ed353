#include "tests/support/TestFiles.h"

#include <QFile>
#include <QtTest>

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

}
