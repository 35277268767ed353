#pragma once

#include <QString>

// The statements of the object browser: its two list queries and the
// statement it hands to the SQL console for a clicked object. Lines are
// joined by LineBreak.
namespace objects {

QString procedureListQuery();
QString triggerListQuery();

// "SELECT *" / "FROM " + the table, trimmed at both ends. A name that is not a
// plain upper-case identifier (lower case, blanks, quotes) is put between
// double quotes with its double quotes doubled, so such a table can be read.
QString tableStatement(const QString &table);
// The procedure's name is trimmed of trailing blanks; single quotes in it are doubled.
QString procedureStatement(const QString &procedure);
// The trigger's name is trimmed at both ends; single quotes in it are doubled.
QString triggerStatement(const QString &trigger);

}
