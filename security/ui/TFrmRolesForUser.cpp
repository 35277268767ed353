#include "security/ui/TFrmRolesForUser.h"

#include "app/ui/Screens.h"
#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "security/RoleGrantStatements.h"
#include "security/SecurityCatalog.h"
#include "security/ui/TFrmTbl4Role.h"
#include "session/TSQLQuery.h"

#include <QLabel>
#include <QVBoxLayout>

TFrmRolesForUser::TFrmRolesForUser(AppContext &context, Screens &screens)
    : Screen(context, QStringLiteral("TFrmRolesForUser"), QStringLiteral("Roles grants")), m_screens(screens)
{
    LblInstructions = makeLabel(QStringLiteral("LblInstructions"), QStringLiteral("Click role name to view permissions."));
    LstUserRole = make<TListBox>(QStringLiteral("LstUserRole"));
    LblSqlStatement = makeLabel(QStringLiteral("LblSqlStatement"), QStringLiteral("SQL Statement"));
    TxtSql = make<TMemo>(QStringLiteral("TxtSql"));
    TxtSql->setReadOnly(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LblInstructions);
    layout->addWidget(LstUserRole, 3);
    layout->addWidget(LblSqlStatement);
    layout->addWidget(TxtSql, 1);
    resize(420, 460);

    on(LstUserRole, &TListBox::Click, [this] { LstUserRoleClick(); });
}

void TFrmRolesForUser::FormShow()
{
    LstUserRole->clear();
    TxtSql->setText(QString());
    TSQLQuery query(&session().connection());
    QString field;
    if (session().RoleViewMode == QLatin1String("USER")) {
        LblInstructions->setText(QStringLiteral("Click role name to view permissions."));
        query.SQL = rolesOfUserQuery(session().SelectedName);
        field = QStringLiteral("RDB$RELATION_NAME");
    } else {
        LblInstructions->clear();
        query.SQL = granteesOfRoleQuery(session().SelectedName);
        field = QStringLiteral("RDB$USER");
    }
    TxtSql->setText(query.SQL);
    readValues(query, field, Padding::AsStored, [this](const QString &value) { LstUserRole->addItem(value); });
}

void TFrmRolesForUser::LstUserRoleClick()
{
    if (session().RoleViewMode != QLatin1String("USER") || !LstUserRole->currentItem())
        return;
    session().SelectedName = LstUserRole->currentItem()->text();
    context().shower->showModal(m_screens.get<TFrmTbl4Role>());
}
