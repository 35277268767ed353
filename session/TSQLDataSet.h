#pragma once

#include "session/TSQLQuery.h"

// A query whose statement is set as CommandText; kept as its own name because
// the screens that list results use it so.
class TSQLDataSet : public TSQLQuery {
public:
    using TSQLQuery::TSQLQuery;
    void setCommandText(const QString &text) { SQL = text; }
    QString CommandText() const { return SQL; }
};
