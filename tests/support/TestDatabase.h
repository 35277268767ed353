#pragma once

#include "session/TSQLConnection.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A fresh database for one test, removed with the object.
//   embedded(): a file opened in this process, no server.
//   server():   a file made through the loopback test server that the test
//               command starts (KELVANE_TEST_SERVER=host/port,
//               KELVANE_TEST_PASSWORD); isValid() is false when none runs.
class TestDatabase {
public:
    static std::unique_ptr<TestDatabase> embedded(const QStringList &setup = {});
    static std::unique_ptr<TestDatabase> server(const QStringList &setup = {});
    // Either of the two by name ("embedded" or "server"), for data-driven tests.
    static std::unique_ptr<TestDatabase> make(const QString &where, const QStringList &setup = {});
    static bool serverAvailable();

    bool isValid() const { return m_valid; }
    QString path() const { return m_path; }
    QString host() const { return m_host; }
    QString port() const { return m_port; }
    QString user() const { return QStringLiteral("SYSDBA"); }
    QString password() const { return m_password; }

    // Puts the parameters on a connection in the order the Open Connection screen does.
    void configure(TSQLConnection &connection) const;
    // A new, open connection of the test's own.
    std::unique_ptr<TSQLConnection> connect() const;
    // Runs statements, each committed, on a connection of the test's own.
    void exec(const QStringList &statements) const;
    // The first column of every row, trimmed.
    QStringList column(const QString &select) const;

private:
    TestDatabase() = default;
    bool create(const QString &host, const QString &port, const QString &password, const QStringList &setup);

    QTemporaryDir m_dir;
    QString m_path, m_host, m_port, m_password;
    bool m_valid = false;
};
