#pragma once

#include <QString>

// The rules a name edit applies while the user types, one rewrite at a time.
// The edit's change handler applies a step, assigns the result, and runs again
// for the new text, so the rules repeat until the text settles:
//   a text that starts with a space is trimmed (and nothing else happens),
//   a leading "_" is removed (and nothing else happens),
//   otherwise a to z become A to Z and every space becomes "_" (final).
struct IndexNameStep {
    QString text;
    // True when the text is in its final form: the caller uses it as the name.
    bool settled = false;
};

IndexNameStep indexNameStep(const QString &text);

// The text the edit ends with once every rewrite has run.
QString settleIndexName(const QString &text);

// Letters a to z upper-cased; every other character as it stands.
QString upperAsciiLetters(const QString &text);
