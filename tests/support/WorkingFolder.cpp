#include "tests/support/WorkingFolder.h"

#include "tests/support/TestFiles.h"

#include <QDir>
#include <QtTest>

WorkingFolder::WorkingFolder() : m_previous(QDir::currentPath())
{
    if (!m_dir.isValid() || !QDir::setCurrent(m_dir.path()))
        qFatal("cannot make a working folder");
}

WorkingFolder::~WorkingFolder()
{
    QDir::setCurrent(m_previous);
}

void WorkingFolder::setUpForStart()
{
    QVERIFY(QDir().mkpath(QStringLiteral("Settings")));
    testfiles::writeAll(QStringLiteral("isqlLocation.txt"), "/usr/bin/\r\n");
    testfiles::writeAll(QStringLiteral("Settings/Kelvane.ini"), "[UPDATE]\r\nCheckUpdate=0\r\n");
}
