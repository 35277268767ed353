#pragma once

#include <QString>

// How the SQL console reads a typed statement.
namespace console {

// The text without leading and trailing characters whose code is at most that
// of the blank (blanks, tabs, line breaks and other control characters).
QString trimStatement(const QString &text);

// True when the first six characters, with a-z upper-cased, are "SELECT".
// Only these six count: "SELECTED" matches, while a leading comment, a
// parenthesis or WITH does not.
bool runsAsQuery(const QString &trimmedText);


}
