#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

// Raised when a document cannot be fetched; the text names the address and
// the reason.
class FetchError : public std::runtime_error {
public:
    explicit FetchError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

namespace DocumentFetch {

// Larger update documents are refused: ours is a few lines.
inline constexpr qint64 MaxBytes = 1024 * 1024;
inline constexpr int DefaultTimeoutMs = 10000;

// GETs the document at url (http or https, redirects followed unless they go
// from https to http) and returns its body. Blocks until the answer is
// complete, but never longer than timeoutMs in all; user input waits
// meanwhile. Throws FetchError for an unreachable host, an HTTP status other
// than success, a transfer past the deadline and a body over maxBytes.
QByteArray fetch(const QString &url, int timeoutMs = DefaultTimeoutMs, qint64 maxBytes = MaxBytes);

}
