#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for tests that check bytes on disk.
namespace testfiles {

// The file's bytes, or "<unreadable>" when it cannot be opened.
QByteArray readAll(const QString &path);
// Replaces the file's bytes; fails the running test when it cannot be written.
void writeAll(const QString &path, const QByteArray &bytes);
// The file's permission bits (0600 for owner-only), or -1 when there is no such file.
int modeOf(const QString &path);

}
