#pragma once

#include <QString>
#include <stdexcept>

// Raised by the data layer for every failure: a server error carries the
// server's own text and codes, a local failure (no such table, no connection)
// a text of ours with code 0. The data layer never shows anything itself.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &text, long sqlCode = 0, long gdsCode = 0)
        : std::runtime_error(text.toStdString()), m_text(text), m_sqlCode(sqlCode), m_gdsCode(gdsCode) {}

    QString text() const { return m_text; }
    long sqlCode() const { return m_sqlCode; }
    long gdsCode() const { return m_gdsCode; }
    // The attachment is gone (shut down, killed, network lost): the
    // connection is only good for closing and opening again.
    bool connectionLost() const;

private:
    QString m_text;
    long m_sqlCode;
    long m_gdsCode;
};
