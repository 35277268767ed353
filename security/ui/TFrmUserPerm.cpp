#include "security/ui/TFrmUserPerm.h"

#include "app/ui/Screens.h"
#include "app/ui/TListBox.h"
#include "security/PermissionQueries.h"
#include "security/ui/TFrmTblPerm.h"

#include <QLabel>

TFrmUserPerm::TFrmUserPerm(AppContext &context, Screens &screens)
    : PermissionViewer(context, QStringLiteral("TFrmUserPerm"), QStringLiteral("Role Permissions"),
                       QStringLiteral("Dynamic Message")),
      m_screens(screens)
{
    on(LstUserPerm, &TListBox::Click, [this] { LstUserPermClick(); });
}

void TFrmUserPerm::FormShow()
{
    listWhileConnected([this] {
        if (session().PermViewMode == QLatin1String("TABLE")) {
            LblInstructions->setText(QStringLiteral("List of Users"));
            return granteesOfTableQuery(session().SelectedName);
        }
        LblInstructions->setText(QStringLiteral("Click table name to view permissions."));
        return tablesOfGranteeQuery(session().SelectedName);
    });
}

void TFrmUserPerm::LstUserPermClick()
{
    if (session().PermViewMode == QLatin1String("TABLE") || !LstUserPerm->currentItem())
        return;
    session().SelectedTable = LstUserPerm->currentItem()->text();
    context().shower->showModal(m_screens.get<TFrmTblPerm>());
}
