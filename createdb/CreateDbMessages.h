#pragma once

#include <QString>

// What the Create Database screen tells the user; lines joined by LineBreak.
// name is the file-name part of the database path.
namespace CreateDbMessages {

QString isqlNotFound();          // on show, when the tools' folder is not known
QString mustSelectIsql();
QString alreadyExists(const QString &name);
QString adminPasswordRequired();
QString hostRequired();
QString created(const QString &name);
QString notCreated(const QString &name);
// Only when it cannot be told: the tool ended well but the database did not open.
QString mayNotHaveBeenCreated(const QString &name);

// A message followed by what went wrong, line ends made LineBreak.
QString withDetail(const QString &message, const QString &detail);

}
