#include "tests/support/HostileNames.h"

#include "session/SqlText.h"
#include "session/TSQLTable.h"
#include "tests/support/TestDatabase.h"

#include <QtTest>

namespace hostile {

void addRows()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("twin");
    QTest::addColumn<QString>("written");
    QTest::newRow("blank inside, beside its tidied name") << "My Table" << "MY_TABLE" << "\"My Table\"";
    QTest::newRow("lower case, beside its upper case") << "orders" << "ORDERS" << "\"orders\"";
    QTest::newRow("reserved word") << "ORDER" << "order" << "\"ORDER\"";
    QTest::newRow("single quote") << "O'Brien" << "O'BRIEN" << "\"O'Brien\"";
    QTest::newRow("letters beyond ASCII") << QString::fromUtf8("Größe") << QString::fromUtf8("GRößE")
                                          << QString::fromUtf8("\"Größe\"");
    QTest::newRow("31 bytes holding double quotes")
        << QString::fromUtf8("Zoll \"31\" Bytes, lang: äöüß") << QString::fromUtf8("ZOLL \"31\" BYTES, LANG: äöüß")
        << QString::fromUtf8("\"Zoll \"\"31\"\" Bytes, lang: äöüß\"");
}

QStringList schema(const QString &name, const QString &twin)
{
    const QString columns = QStringLiteral(
        " (\"Key\" INTEGER NOT NULL, \"Note\" VARCHAR(20), NOTE VARCHAR(20), \"Ref\" INTEGER, REF INTEGER, ");
    return {
        QStringLiteral("CREATE TABLE \"customer\" (\"Key\" INTEGER NOT NULL PRIMARY KEY)"),
        QStringLiteral("CREATE TABLE CUSTOMER (\"Key\" INTEGER NOT NULL PRIMARY KEY)"),
        QStringLiteral("CREATE TABLE ") + sqlIdentifier(name) + columns
            + QStringLiteral("CONSTRAINT \"uq_low\" UNIQUE (NOTE), "
                             "CONSTRAINT \"fk_low\" FOREIGN KEY (REF) REFERENCES \"customer\" (\"Key\"))"),
        QStringLiteral("CREATE TABLE ") + sqlIdentifier(twin) + columns
            + QStringLiteral("CONSTRAINT UQ_LOW UNIQUE (NOTE), "
                             "CONSTRAINT FK_LOW FOREIGN KEY (REF) REFERENCES CUSTOMER (\"Key\"))"),
    };
}

QStringList catalogue(const TestDatabase &db, const QString &table)
{
    if (!tableExists(db, table))
        return {};
    QStringList lines;
    auto connection = db.connect();
    TSQLTable columns(connection.get());
    columns.setTableName(table);
    columns.Open();
    for (const FieldDef &def : columns.FieldDefs())
        lines << def.name + QLatin1Char(' ') + def.declaredType + (def.required ? QStringLiteral(" NOT NULL") : QString());
    // An unnamed key's INTEG_n differs from run to run.
    lines << db.column(QStringLiteral(
        "SELECT TRIM(rc.RDB$CONSTRAINT_TYPE) || ' ' "
        "|| IIF(rc.RDB$CONSTRAINT_NAME STARTING WITH 'INTEG_', 'INTEG_', TRIM(rc.RDB$CONSTRAINT_NAME)) || ' ' "
        "|| TRIM(s.RDB$FIELD_NAME) || COALESCE(' -> ' || TRIM(u.RDB$RELATION_NAME), '') "
        "FROM RDB$RELATION_CONSTRAINTS rc "
        "JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = rc.RDB$INDEX_NAME "
        "LEFT JOIN RDB$REF_CONSTRAINTS r ON r.RDB$CONSTRAINT_NAME = rc.RDB$CONSTRAINT_NAME "
        "LEFT JOIN RDB$RELATION_CONSTRAINTS u ON u.RDB$CONSTRAINT_NAME = r.RDB$CONST_NAME_UQ "
        "WHERE rc.RDB$RELATION_NAME = %1 ORDER BY 1").arg(sqlQuoted(table)));
    return lines;
}

bool tableExists(const TestDatabase &db, const QString &table)
{
    return !db.column(QStringLiteral("SELECT RDB$RELATION_NAME FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = %1")
                          .arg(sqlQuoted(table)))
                .isEmpty();
}

}
