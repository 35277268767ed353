#pragma once

#include "session/TSQLConnection.h"

// A database made by the administrator at the place of the one to come, only
// to hold an attachment to that server, and dropped again. Firebird 3 takes
// the grant that lets a user create databases only over an attachment to one
// of the server's databases, and the security database refuses remote ones.
// Making it also shows, before anything else is changed, that the
// administration password is right and the place can be written.
class ScratchDatabase {
public:
    // Creates and opens it; throws DbError with the server's reason.
    ScratchDatabase(const QString &host, const QString &port, const QString &path, const QString &adminPassword);
    // Drops it when that has not been done yet.
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase &) = delete;
    ScratchDatabase &operator=(const ScratchDatabase &) = delete;

    void execute(const QString &sql) { m_connection.ExecuteDirect(sql); }
    // Throws DbError when the server keeps it.
    void drop();

private:
    TSQLConnection m_connection;
    bool m_dropped = false;
};
