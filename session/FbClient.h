#pragma once

// Thin helpers over the Firebird client library's C interface, for the data
// layer's own use. Screens never include this.
#include <ibase.h>

#include <QString>

namespace fbclient {

// Throws DbError with the server's text and codes when status reports a failure.
void check(const ISC_STATUS *status);
// The text of a failure status, lines joined by line feeds.
QString statusText(const ISC_STATUS *status);

}
