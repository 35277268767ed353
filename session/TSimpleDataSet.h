#pragma once

#include "session/TSQLQuery.h"

// A query walked with FindFirst/FindNext, each true while a row was reached.
class TSimpleDataSet : public TSQLQuery {
public:
    using TSQLQuery::TSQLQuery;
    void setCommandText(const QString &text) { SQL = text; }
    // Runs a statement without rows.
    void Execute() { ExecSQL(); }
    bool FindFirst()
    {
        if (!Active())
            Open();
        else
            First();
        return !Eof();
    }
    bool FindNext()
    {
        Next();
        return !Eof();
    }
};
