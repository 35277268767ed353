#pragma once

#include <QString>

// One rewrite of a foreign key name while it is typed. The edit's change
// handler applies it; each rewrite changes the text and so runs the handler
// again, until a step is final.
//   exactly one space          -> cleared
//   starts with a space        -> leading and trailing white space removed
//   starts with "_"            -> that first character removed
//   otherwise (final)          -> every space becomes "_"
// Letters keep their case.
struct ForeignKeyNameStep {
    QString text;
    bool final = false; // no leading-character rule applied: the name stands
};
ForeignKeyNameStep rewriteForeignKeyName(const QString &text);

// What the edit ends up holding once every rewrite has run.
QString normaliseForeignKeyName(const QString &text);
