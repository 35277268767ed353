#pragma once

#include <QString>
#include <QStringList>

// The stored connections file: one section per connection name, written by
// the Open Connection screen and by the demo set-up, read back by the screen.
namespace StoredConnections {

// Relative to the working folder; the folder must exist, nothing creates it.
inline const QString FileName = QStringLiteral("Settings/dbxconnections.ini");

struct Fields {
    QString hostname;
    QString database;
    QString userName;
    QString password;
    QString port;
};

// The five fields from a section's "key=value" lines. A line gives a field
// when it starts with the key exactly as the file writes it (letter case
// counts), and everything after the key and "=" is the value; of several such
// lines the last wins. Other lines are ignored.
Fields fieldsFromLines(const QStringList &lines);

// Replaces the section `name` as a whole with the keys drivername, Password,
// user_name, Port, readonlydb, database, hostname (in that order), followed
// by line feed, carriage return, line feed at the end of the file, and writes
// the file atomically. Other sections stay as they were. Throws IniError.
void store(const QString &file, const QString &name, const Fields &fields);

}
