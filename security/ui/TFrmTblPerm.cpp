#include "security/ui/TFrmTblPerm.h"

#include "security/PermissionQueries.h"

TFrmTblPerm::TFrmTblPerm(AppContext &context)
    : PermissionViewer(context, QStringLiteral("TFrmTblPerm"), QStringLiteral("Table Grants"), QString())
{
}

void TFrmTblPerm::FormShow()
{
    listWhileConnected([this] {
        if (session().PermViewMode != QLatin1String("USER"))
            return QString();
        return privilegesOnTableQuery(session().SelectedName, session().SelectedTable);
    });
}
