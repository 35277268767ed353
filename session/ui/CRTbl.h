#pragma once

#include <QStringList>

class AppContext;
class TListBox;

// Small helpers the screens share: a table's column names and a list's selection.
class CRTbl {
public:
    explicit CRTbl(AppContext &context) : m_context(context) {}

    // The column names of a table, in column order. A closed session
    // connection is reopened with its own parameters; when that fails,
    // "Connection is unable to connect" is shown and the error is thrown on.
    QStringList FieldsForTable(const QString &tableName);

    // The selected items of a multi-select list, in list order; empty for a
    // list in single selection (whose count of selected items is not available).
    static QStringList GetSelectedLst(const TListBox *list);

private:
    AppContext &m_context;
};
