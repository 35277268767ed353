#include "session/TSQLTable.h"

#include "session/DbError.h"
#include "session/SqlText.h"
#include "session/TSQLConnection.h"
#include "session/TSQLQuery.h"

#include <QRegularExpression>

namespace {

QString declaredTypeOf(int type, int subType, int scale, int precision, int charLength, int byteLength)
{
    const int places = -scale;
    auto exact = [&](int defaultPrecision) {
        const QString word = subType == 2 ? QStringLiteral("DECIMAL") : QStringLiteral("NUMERIC");
        return QStringLiteral("%1(%2,%3)").arg(word).arg(precision > 0 ? precision : defaultPrecision).arg(places);
    };
    const bool isExact = subType == 1 || subType == 2 || scale < 0;
    switch (type) {
    case 7: return isExact ? exact(4) : QStringLiteral("SMALLINT");
    case 8: return isExact ? exact(9) : QStringLiteral("INTEGER");
    case 16: return isExact ? exact(18) : QStringLiteral("BIGINT");
    case 10: return QStringLiteral("FLOAT");
    case 27: return scale < 0 ? exact(15) : QStringLiteral("DOUBLE PRECISION");
    case 12: return QStringLiteral("DATE");
    case 13: return QStringLiteral("TIME");
    case 35: return QStringLiteral("TIMESTAMP");
    case 23: return QStringLiteral("BOOLEAN");
    case 14: return QStringLiteral("CHAR(%1)").arg(charLength > 0 ? charLength : byteLength);
    case 37: return QStringLiteral("VARCHAR(%1)").arg(charLength > 0 ? charLength : byteLength);
    case 261:
        if (subType == 1)
            return QStringLiteral("BLOB SUB_TYPE TEXT");
        return subType == 0 ? QStringLiteral("BLOB") : QStringLiteral("BLOB SUB_TYPE %1").arg(subType);
    default: return QStringLiteral("UNKNOWN");
    }
}

}

void TSQLTable::setTableName(const QString &name)
{
    if (name == m_tableName)
        return;
    m_tableName = name;
    m_active = false;
    m_loaded = false;
    m_fields.clear();
    m_indexes.clear();
}

QString TSQLTable::resolveName()
{
    // The name as stored: given exactly, or unquoted (upper case).
    for (const QString &candidate : {m_tableName, m_tableName.toUpper()}) {
        TSQLQuery query(SQLConnection);
        query.SQL = QStringLiteral("SELECT RDB$RELATION_NAME FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = ?");
        query.Params = {candidate};
        query.Open();
        if (!query.Eof())
            return query.Fields(0).AsString().trimmed();
    }
    throw DbError(QStringLiteral("Table %1 does not exist").arg(m_tableName));
}

void TSQLTable::Open()
{
    if (!SQLConnection)
        throw DbError(QStringLiteral("The table has no connection"));
    if (m_tableName.trimmed().isEmpty())
        throw DbError(QStringLiteral("No table name was given"));
    if (!m_loaded) {
        const QString stored = resolveName();
        std::vector<FieldDef> fields;
        std::vector<IndexDef> indexes;
        m_fields.swap(fields);
        m_indexes.swap(indexes);
        readFields(stored);
        readIndexes(stored);
        m_loaded = true;
    }
    m_active = true;
}

void TSQLTable::readFields(const QString &table)
{
    TSQLQuery query(SQLConnection);
    query.SQL = QStringLiteral(
        "SELECT rf.RDB$FIELD_NAME, f.RDB$FIELD_TYPE, COALESCE(f.RDB$FIELD_SUB_TYPE, 0), "
        "COALESCE(f.RDB$FIELD_SCALE, 0), COALESCE(f.RDB$FIELD_PRECISION, 0), "
        "COALESCE(f.RDB$CHARACTER_LENGTH, 0), f.RDB$FIELD_LENGTH, "
        "COALESCE(rf.RDB$NULL_FLAG, f.RDB$NULL_FLAG, 0), cs.RDB$CHARACTER_SET_NAME, "
        "rf.RDB$FIELD_SOURCE, COALESCE(f.RDB$NULL_FLAG, 0), "
        "IIF(f.RDB$COMPUTED_BLR IS NULL, 0, 1) "
        "FROM RDB$RELATION_FIELDS rf "
        "JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
        "LEFT JOIN RDB$CHARACTER_SETS cs ON cs.RDB$CHARACTER_SET_ID = f.RDB$CHARACTER_SET_ID "
        "WHERE rf.RDB$RELATION_NAME = ? ORDER BY rf.RDB$FIELD_POSITION");
    query.Params = {table};
    for (query.Open(); !query.Eof(); query.Next()) {
        FieldDef def;
        def.name = query.Fields(0).AsString().trimmed();
        def.position = int(m_fields.size());
        const int type = query.Fields(1).AsString().toInt();
        const int subType = query.Fields(2).AsString().toInt();
        const int scale = query.Fields(3).AsString().toInt();
        const int precision = query.Fields(4).AsString().toInt();
        const int charLength = query.Fields(5).AsString().toInt();
        const int byteLength = query.Fields(6).AsString().toInt();
        def.kind = fieldKindFromColumn(type, subType, scale);
        def.required = query.Fields(7).AsString().toInt() != 0;
        def.declaredType = declaredTypeOf(type, subType, scale, precision, charLength, byteLength);
        if (def.kind == FieldKind::String) {
            def.size = charLength > 0 ? charLength : byteLength;
        } else if (def.kind == FieldKind::Bcd) {
            def.precision = precision;
            def.scale = -scale;
            def.size = precision;
        }
        if (def.kind == FieldKind::String || def.kind == FieldKind::Memo)
            def.charset = query.Fields(8).AsString().trimmed();
        // A column declared with a type of its own gets a domain the server names RDB$n.
        static const QRegularExpression implicitDomain(QStringLiteral("^RDB\\$[0-9]+$"));
        const QString source = query.Fields(9).AsString().trimmed();
        if (!implicitDomain.match(source).hasMatch())
            def.domain = source;
        def.domainRequired = !def.domain.isEmpty() && query.Fields(10).AsString().toInt() != 0;
        def.computed = query.Fields(11).AsString().toInt() != 0;
        m_fields.push_back(def);
    }
}

void TSQLTable::readIndexes(const QString &table)
{
    TSQLQuery query(SQLConnection);
    query.SQL = QStringLiteral(
        "SELECT i.RDB$INDEX_NAME, rc.RDB$CONSTRAINT_NAME, rc.RDB$CONSTRAINT_TYPE, s.RDB$FIELD_NAME "
        "FROM RDB$INDICES i "
        "LEFT JOIN RDB$RELATION_CONSTRAINTS rc ON rc.RDB$INDEX_NAME = i.RDB$INDEX_NAME "
        "LEFT JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = i.RDB$INDEX_NAME "
        "WHERE i.RDB$RELATION_NAME = ? AND i.RDB$UNIQUE_FLAG = 1 "
        "ORDER BY CASE rc.RDB$CONSTRAINT_TYPE WHEN 'PRIMARY KEY' THEN 0 WHEN 'UNIQUE' THEN 1 ELSE 2 END, "
        "i.RDB$INDEX_ID, i.RDB$INDEX_NAME, s.RDB$FIELD_POSITION");
    query.Params = {table};
    for (query.Open(); !query.Eof(); query.Next()) {
        const QString indexName = query.Fields(0).AsString().trimmed();
        if (m_indexes.empty() || m_indexes.back().indexName != indexName) {
            IndexDef def;
            def.indexName = indexName;
            const QString constraint = query.Fields(1).AsString().trimmed();
            def.constraint = !constraint.isEmpty();
            def.name = def.constraint ? constraint : indexName;
            def.primary = query.Fields(2).AsString().trimmed() == QLatin1String("PRIMARY KEY");
            m_indexes.push_back(def);
        }
        const QString field = query.Fields(3).AsString().trimmed();
        if (!field.isEmpty())
            m_indexes.back().fields << field;
    }
}

QStringList TSQLTable::GetFieldNames() const
{
    QStringList names;
    for (const FieldDef &def : m_fields)
        names << def.name;
    return names;
}

QStringList TSQLTable::GetKeyFieldNames() const
{
    QStringList lines;
    for (const IndexDef &def : m_indexes)
        lines << def.fields.join(QLatin1Char(';'));
    return lines;
}

const FieldDef &TSQLTable::FieldByName(const QString &name) const
{
    const qsizetype i = indexOfName(qsizetype(m_fields.size()), [this](qsizetype row) { return m_fields[size_t(row)].name; }, name);
    if (i >= 0)
        return m_fields[size_t(i)];
    throw DbError(QStringLiteral("Field '%1' not found").arg(name));
}

int TSQLTable::IndexOf(const QString &name) const
{
    return int(indexOfName(qsizetype(m_indexes.size()), [this](qsizetype row) { return m_indexes[size_t(row)].name; }, name));
}
