#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// A value as an SQL string literal: between single quotes, with every quote
// inside it doubled so it cannot end the literal early.
QString sqlQuoted(const QString &value);

// True for a name that Firebird reads back as itself when written bare:
// A-Z first, then A-Z, 0-9, "_" or "$", and not a reserved word.
bool plainIdentifier(const QString &name);

// A name read from the database as it must stand in a statement: a plain
// identifier bare, any other between double quotes with its double quotes
// doubled. Without this "orders" and ORDERS, or "My Table" and MY_TABLE, are
// the same table to the server.
QString sqlIdentifier(const QString &name);

// A typed name that a list lookup matched to a listed one, as it goes into a
// statement: as typed when the server reads it unquoted as that very name
// (manager for MANAGER), otherwise the listed name as an identifier (a typed
// Sales for the listed "sales"), so the statement acts on the listed object.
QString sqlIdentifierFor(const QString &typed, const QString &listed);

// Where a name stands in a list: the exact match first, and only when there is
// none the first match ignoring letter case. -1 when neither.
qsizetype indexOfName(const QStringList &names, const QString &name);
// The same over a list reached through an accessor (rows of a grid, items of a list box).
qsizetype indexOfName(qsizetype count, const std::function<QString(qsizetype)> &nameAt, const QString &name);
