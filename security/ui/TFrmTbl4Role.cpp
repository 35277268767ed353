#include "security/ui/TFrmTbl4Role.h"

#include "app/ui/Screens.h"
#include "app/ui/TListBox.h"
#include "security/PermissionQueries.h"
#include "security/ui/TFrmTblPerm.h"
#include "session/TSQLQuery.h"

#include <QLabel>

TFrmTbl4Role::TFrmTbl4Role(AppContext &context, Screens &screens)
    : PermissionViewer(context, QStringLiteral("TFrmTbl4Role"), QStringLiteral("Tables for Role"),
                       QStringLiteral("Click table name to view permissions.")),
      m_screens(screens)
{
    on(LstUserPerm, &TListBox::Click, [this] { LstUserPermClick(); });
}

void TFrmTbl4Role::FormShow()
{
    // Emptied first, so a role whose tables cannot be read shows none of the
    // role shown before.
    clearView();
    TSQLQuery query(&session().connection());
    LblInstructions->setText(QStringLiteral("Click table name to view permissions."));
    query.SQL = tablesOfGranteeQuery(session().SelectedName);
    showAndList(query);
}

void TFrmTbl4Role::LstUserPermClick()
{
    if (!LstUserPerm->currentItem())
        return;
    session().SelectedTable = LstUserPerm->currentItem()->text();
    session().PermViewMode = QStringLiteral("USER");
    context().shower->showModal(m_screens.get<TFrmTblPerm>());
}
