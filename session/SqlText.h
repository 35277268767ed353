#pragma once

#include <QString>

// A value as an SQL string literal: between single quotes, with every quote
// inside it doubled so it cannot end the literal early.
QString sqlQuoted(const QString &value);
