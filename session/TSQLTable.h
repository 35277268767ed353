#pragma once

#include "session/FieldKind.h"

#include <QString>
#include <QStringList>
#include <vector>

class TSQLConnection;

// A column of a table as the catalogue declares it.
struct FieldDef {
    QString name;
    int position = 0;       // 0 for the first column
    FieldKind kind = FieldKind::Unknown;
    int size = 0;           // characters of CHAR/VARCHAR; precision of NUMERIC/DECIMAL; else 0
    int precision = 0;      // NUMERIC/DECIMAL only
    int scale = 0;          // NUMERIC/DECIMAL: digits after the point (positive)
    bool required = false;  // NOT NULL, on the column or its domain
    QString declaredType;   // as written in DDL: "VARCHAR(35)", "CHAR(10)", "NUMERIC(9,2)", "INTEGER"
    QString charset;        // character set of CHAR/VARCHAR/text blob columns, else empty
    QString domain;         // the user domain the column is built on, else empty
    bool domainRequired = false; // the domain is NOT NULL: the column alone cannot drop it
    bool computed = false;  // COMPUTED BY: no values of its own
    QString className() const { return fieldClassName(kind); }
    int FieldNo() const { return position + 1; }
};

// A unique index of a table: its primary key, unique constraints and other
// unique indices. Name is the constraint name where the index backs one
// (an unnamed primary key is INTEG_n), so DROP CONSTRAINT takes it.
struct IndexDef {
    QString name;
    QString indexName;    // the index itself (RDB$PRIMARYn for an unnamed key)
    QStringList fields;   // in key order
    bool primary = false;
    bool constraint = false;
};

// A table's catalogue, read when the table is opened: columns in order, and
// index definitions with the primary key first, then unique constraints,
// then other unique indices, each group in creation order.
class TSQLTable {
public:
    explicit TSQLTable(TSQLConnection *connection = nullptr) : SQLConnection(connection) {}

    TSQLConnection *SQLConnection = nullptr;

    QString TableName() const { return m_tableName; }
    // Another name drops what was read; the same name changes nothing.
    void setTableName(const QString &name);

    // Throws DbError when the table does not exist or the catalogue cannot be read.
    void Open();
    void Close() { m_active = false; }
    // Drops what was read, so the next Open reads the catalogue again (after DDL).
    void Refresh() { m_loaded = false; }
    bool Active() const { return m_active; }

    QStringList GetFieldNames() const;
    // One line per index definition, fields joined by ";".
    QStringList GetKeyFieldNames() const;
    const std::vector<FieldDef> &FieldDefs() const { return m_fields; }
    const std::vector<IndexDef> &IndexDefs() const { return m_indexes; }
    // The column of that name, or else the first equal ignoring letter case;
    // throws DbError when there is none.
    const FieldDef &FieldByName(const QString &name) const;
    // Position of the index definition of that name, or else of the first equal
    // ignoring letter case; -1 if none.
    int IndexOf(const QString &name) const;

private:
    QString resolveName();
    void readFields(const QString &table);
    void readIndexes(const QString &table);

    QString m_tableName;
    bool m_active = false;
    bool m_loaded = false;
    std::vector<FieldDef> m_fields;
    std::vector<IndexDef> m_indexes;
};
