#include "schema/ForeignKeyStatements.h"

#include "session/Session.h"
#include "session/SqlText.h"

QString BuildForeignKeySQL(const ForeignKeyChoices &choices, const QString &sourceTable, const QString &sourceField,
                           const QString &destinationTable, const QString &destination)
{
    if (choices.mode == ForeignKeyRemoveMode)
        return QStringLiteral("ALTER TABLE ") + sqlIdentifier(sourceTable) + QStringLiteral(" DROP CONSTRAINT ")
            + sqlIdentifier(destination);
    if (choices.mode == ForeignKeyCreateMode) {
        const QString lineEnd = QStringLiteral(" ") + LineBreak;
        return QStringLiteral("ALTER TABLE ") + sqlIdentifier(sourceTable) + QStringLiteral(" ADD CONSTRAINT ")
            + choices.name + QStringLiteral(" ") + QStringLiteral("FOREIGN KEY(") + sqlIdentifier(sourceField)
            + QStringLiteral(")") + lineEnd + QStringLiteral("REFERENCES ") + sqlIdentifier(destinationTable)
            + QStringLiteral("(") + sqlIdentifier(destination)
            + QStringLiteral(")") + lineEnd + QStringLiteral("ON DELETE ") + choices.onDelete + lineEnd
            + QStringLiteral("ON UPDATE ") + choices.onUpdate;
    }
    return QString();
}

QString foreignKeysOfTableQuery(const QString &table)
{
    return QStringLiteral("SELECT RDB$CONSTRAINT_NAME") + LineBreak + QStringLiteral("FROM RDB$RELATION_CONSTRAINTS")
        + LineBreak + QStringLiteral("WHERE RDB$CONSTRAINT_TYPE='FOREIGN KEY' AND") + LineBreak
        + QStringLiteral("RDB$RELATION_NAME=") + sqlQuoted(table) + LineBreak;
}

QString referencedKeyQuery(const QString &foreignKey)
{
    return QStringLiteral("SELECT RDB$CONST_NAME_UQ") + LineBreak + QStringLiteral("FROM RDB$REF_CONSTRAINTS")
        + LineBreak + QStringLiteral("WHERE RDB$CONSTRAINT_NAME=") + sqlQuoted(foreignKey);
}

QString constraintTableQuery(const QString &constraint)
{
    return QStringLiteral("SELECT RDB$RELATION_NAME") + LineBreak + QStringLiteral("FROM RDB$RELATION_CONSTRAINTS")
        + LineBreak + QStringLiteral("WHERE RDB$CONSTRAINT_NAME=") + sqlQuoted(constraint);
}

QString fieldProbeQuery(const QString &table, const QString &field)
{
    return QStringLiteral("SELECT ") + sqlIdentifier(field) + QStringLiteral(" FROM ") + sqlIdentifier(table);
}
