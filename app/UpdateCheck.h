#pragma once

#include "session/Session.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>

// Raised when the update document holds no usable version: not well-formed,
// no node where the version belongs, or a version part that is not a number.
class UpdateError : public std::runtime_error {
public:
    explicit UpdateError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

namespace UpdateCheck {

// Built-in addresses of the update document and of the download page; the
// settings file may name another update document.
inline const QString DocumentUrl = QStringLiteral("https://www.kelvane.example/Kelvane.xml");
inline const QString DownloadPageUrl = QStringLiteral("https://downloads.kelvane.example/downloads/");

}

// Four parts: three times the text before the next ".", then the rest. Where
// no "." is left the part is empty and the rest stays whole, so "1.2" gives
// 1, "", "", 2 and "1.2.3.4.5" gives 1, 2, 3, 4.5.
QStringList SplitVersion(const QString &version);

// The version text of an update document, found by position: the document's
// first node, its first child, that one's first child. A leading XML
// declaration or comment is a node; whitespace between elements is not.
// Throws UpdateError.
QString DocumentVersion(const QByteArray &document);

// True when remote is newer than local, comparing the four parts of
// SplitVersion as integers from the first on, and stopping at the first part
// that differs: parts after it are never converted. A remote part that the
// comparison reaches and that is not an integer throws UpdateError.
bool IsNewerVersion(const QString &remote, const QString &local = AppVersion);

// True when the update document names a newer version than this program's.
bool UpdateAvailable(const QByteArray &document);
