#pragma once

#include "session/FieldKind.h"

#include <ibase.h>

#include <QString>
#include <string>

class TSQLQuery;

// One field of the current row of an open query. Values become text exactly
// as the database holds them (see ValueText.h); NULL is the empty text.
class TField {
public:
    TField(TSQLQuery &query, XSQLVAR &var);

    const QString &FieldName() const { return m_name; }
    FieldKind DataType() const { return m_kind; }
    // Declared length in characters of a CHAR or VARCHAR field, else 0.
    int Size() const;
    bool IsNull() const;
    QString AsString() const;
    // Appends the value as UTF-8 (nothing for NULL): the fast path for grids.
    void appendUtf8(std::string &out) const;

private:
    TSQLQuery &m_query;
    XSQLVAR &m_var;
    QString m_name;
    FieldKind m_kind;
};
