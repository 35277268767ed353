#pragma once

#include <QString>
#include <QTemporaryDir>

// An empty folder of the test's own, the working folder while it lives: the
// program's files relative to the working folder land there and nowhere else.
class WorkingFolder {
public:
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    QString path() const { return m_dir.path(); }
    // As after the first start with the update check off, so showing the main
    // menu neither asks for the tools' folder nor fetches anything.
    void setUpForStart();

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
