#pragma once

#include <QString>

class IniFile;

// The program's own settings file and its update preference. Paths are
// relative to the working folder; nothing here creates a folder.
namespace UpdateSettings {

inline const QString FileName = QStringLiteral("Settings/Kelvane.ini");
inline const QString Section = QStringLiteral("UPDATE");
inline const QString CheckUpdateKey = QStringLiteral("CheckUpdate");
// Read only: another update document for the check (a mirror, a test server).
inline const QString UrlKey = QStringLiteral("URL");

// The box "Check for Updates on Start" is checked for exactly "1".
bool checksOnStart(const QString &stored);

// What closing the main menu writes for the box's state: "1" or "0" when the
// stored value is exactly the opposite, otherwise nothing (empty). A missing
// key, an empty value and any other text are never rewritten.
QString valueOnClose(bool checked, const QString &stored);

// The address of the update document: the file's "URL" when it has one, else
// the built-in address.
QString documentUrl(const IniFile &settings);

}
