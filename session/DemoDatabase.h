#pragma once

#include <QString>
#include <QStringList>

// A small database to try the program on without a server: customers, their
// orders and order lines (primary, unique and foreign keys), a view, a
// selectable stored procedure, a trigger, a role and grants. It is opened
// with the embedded engine, under the stored connection "Demo".
namespace DemoDatabase {

inline const QString FileName = QStringLiteral("demo.fdb");
inline const QString ConnectionName = QStringLiteral("Demo");

// The statements that fill a new database, each run on its own.
QStringList schema();

// Makes the database file at path (an embedded, absolute path): created under
// a temporary name, filled, and renamed into place only when complete.
// Throws DbError.
void create(const QString &path);

// Sets up a working folder whose Settings folder already exists: makes
// demo.fdb when it is missing and then stores the connection "Demo" (host
// "embedded", the file's absolute path, SYSDBA). An existing database and an
// existing "Demo" entry are left as they are. Throws DbError or IniError.
void setUpFolder(const QString &folder);

}
