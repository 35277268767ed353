#pragma once

#include <QString>
#include <QStringList>

// What a schema change will meet in the data, asked before it runs: the
// server judges the change itself, these only say what it will say. Names are
// as the database holds them; the queries write them with sqlIdentifier.
struct DataCheck {
    enum class Kind {
        None,
        NotNull, // SET NOT NULL on fields[0]: rows holding NULL
        Unique,  // a unique constraint or primary key on fields: duplicate values, NULLs
        Orphans, // a foreign key from fields to parentFields of parentTable: rows without a parent
    };
    Kind kind = Kind::None;
    QString table;
    QStringList fields;
    QString parentTable;
    QStringList parentFields; // matched to fields by position

    bool operator==(const DataCheck &) const = default;
};

// A table of more rows than this is not checked while the screen waits.
inline constexpr int CheckRowLimit = 10000;
// The longest the screen waits for a check, and when the check is cancelled:
// early enough for the cancel to take effect (up to some 60 ms on a busy machine)
// within the budget.
inline constexpr int CheckBudgetMs = 200;
inline constexpr int CheckCancelAfterMs = 120;
// The most offending rows handed to the SQL console.
inline constexpr int ShownRowLimit = 1000;

// One query, one row: the rows read, the offending count, and for Unique the
// rows with a NULL in a key field. With a limit it reads at most limit + 1
// rows of the table, so more rows read than limit means the answer is not
// the table's; without one (0) it reads the whole table.
QString checkQuery(const DataCheck &check, int limit);

// The rows that stand in the way, at most ShownRowLimit of them: NULLs, the
// rows of duplicate values (grouped), or the rows without a parent.
QString offendingRowsQuery(const DataCheck &check);

// What the counts read by checkQuery come to.
struct CheckCounts {
    qint64 rows = 0;
    qint64 offending = 0;
    qint64 nulls = 0;
};
CheckCounts readCounts(const QStringList &row);

// The line shown beside the statement; empty when nothing stands in the way.
QString checkVerdict(const DataCheck &check, const CheckCounts &counts);

// The line for a table too large to check while the screen waits; rows < 0:
// not counted yet, beyond the limit.
QString largeTableLine(qint64 rows);

// The rows of a table, counted in full.
QString rowCountQuery(const QString &table);
