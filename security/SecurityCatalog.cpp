#include "security/SecurityCatalog.h"

#include "session/TSQLQuery.h"

void readValues(TSQLQuery &query, const QString &field, Padding padding,
                const std::function<void(const QString &)> &take)
{
    try {
        for (query.Open(); !query.Eof(); query.Next()) {
            const QString value = field.isEmpty() ? query.Fields(0).AsString() : query.FieldByName(field).AsString();
            take(padding == Padding::Trimmed ? value.trimmed() : value);
        }
    } catch (...) {
        query.Close();
        throw;
    }
    query.Close();
}

QStringList readValues(TSQLQuery &query, const QString &field, Padding padding)
{
    QStringList values;
    readValues(query, field, padding, [&values](const QString &value) { values << value; });
    return values;
}
