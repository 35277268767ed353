#include "session/ui/CRTbl.h"

#include "app/ui/AppContext.h"
#include "app/ui/TListBox.h"
#include "session/DbError.h"
#include "session/TSQLTable.h"

QStringList CRTbl::FieldsForTable(const QString &tableName)
{
    TSQLConnection &connection = m_context.session.connection();
    if (!connection.Connected()) {
        try {
            connection.Open();
        } catch (const DbError &) {
            m_context.messages->showMessage(QStringLiteral("Connection is unable to connect"));
            throw;
        }
    }
    TSQLTable table(&connection);
    table.setTableName(tableName);
    table.Open();
    return table.GetFieldNames();
}

QStringList CRTbl::GetSelectedLst(const TListBox *list)
{
    QStringList selected;
    if (list->SelCount() > 0) {
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->isSelected())
                selected << list->item(i)->text();
        }
    }
    return selected;
}
