#pragma once

#include <QString>
#include <optional>

// How table, field and key names are tidied while they are typed or before
// they go into a statement. Upper-casing touches the letters a to z only, so
// other letters (which the server refuses unquoted anyway) reach it as typed.

// One rewrite of a name as it is being typed: a leading space trims the text,
// else a leading "_" is dropped, else every space becomes "_". A settled name
// comes back unchanged. An edit that assigns the result to itself runs its
// change handler again, so the rules repeat until the text stops changing.
QString nextNameRewrite(const QString &text);

// The text once nextNameRewrite no longer changes it.
QString settledName(const QString &text);

QString upperCaseAscii(const QString &text);

// Surrounding white space removed, then every space replaced by "_".
QString tidyName(const QString &text);

// A whole number written as decimal digits with an optional sign, surrounding
// white space allowed; none when the text is not one or does not fit an int.
std::optional<int> wholeNumber(const QString &text);
