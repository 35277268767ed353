#include "security/ui/TFrmPermissions.h"

#include "app/ui/Screens.h"
#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "app/ui/TRadioGroup.h"
#include "security/PermissionStatements.h"
#include "security/SecurityCatalog.h"
#include "security/ui/TFrmUserPerm.h"
#include "session/ui/CRTbl.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TFrmPermissions::TFrmPermissions(AppContext &context, Screens &screens)
    : Screen(context, QStringLiteral("TFrmPermissions"),
             QStringLiteral("Grant/Revoke Permissions on Tables to/from Users or Roles")),
      m_screens(screens)
{
    LblTableList = makeLabel(QStringLiteral("LblTableList"), QStringLiteral("Table List"));
    LstTables = make<TListBox>(QStringLiteral("LstTables"));
    LstTables->setMultiSelect(true);
    LblPermissions = makeLabel(QStringLiteral("LblPermissions"), QStringLiteral("List of Available Permissions"));
    LstAvailPermissions = make<TListBox>(QStringLiteral("LstAvailPermissions"));
    LstAvailPermissions->setMultiSelect(true);
    LstAvailPermissions->setItems(TablePrivileges);
    LblUsers = makeLabel(QStringLiteral("LblUsers"), QStringLiteral("User List"));
    LstUsers = make<TListBox>(QStringLiteral("LstUsers"));
    LstUsers->setMultiSelect(true);
    RGModeGR = make<TRadioGroup>(QStringLiteral("RGModeGR"), QStringLiteral("Operation Mode"),
                                 QStringList{QStringLiteral("Grant"), QStringLiteral("Revoke")});
    RGModeGR->setItemIndex(0);
    RGModeUR = make<TRadioGroup>(QStringLiteral("RGModeUR"), QStringLiteral("Show Users or Roles"),
                                 QStringList{QStringLiteral("Show Users"), QStringLiteral("Show Roles")});
    RGModeUR->setItemIndex(0);
    LblSql = makeLabel(QStringLiteral("LblSql"), QStringLiteral("Sql Statement"));
    TxtSql = make<TEdit>(QStringLiteral("TxtSql"));
    TxtSql->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    CmdCommit = makeButton(QStringLiteral("CmdCommit"), QStringLiteral("Grant/Revoke"));
    CmdShowSQL = makeButton(QStringLiteral("CmdShowSQL"), QStringLiteral("Copy SQL to Clipboard"));
    CmdTblToUsers = makeButton(QStringLiteral("CmdTblToUsers"), QStringLiteral("View Users for Table"));
    CmdUserToTbls = makeButton(QStringLiteral("CmdUserToTbls"), QStringLiteral("View Tables for User or Role"));
    for (QPushButton *button : {CmdCommit, CmdShowSQL, CmdTblToUsers, CmdUserToTbls})
        button->setEnabled(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(LblTableList, 0, 0);
    layout->addWidget(LblPermissions, 0, 1);
    layout->addWidget(LblUsers, 0, 2);
    layout->addWidget(LstTables, 1, 0, 2, 1);
    layout->addWidget(LstAvailPermissions, 1, 1);
    layout->addWidget(LstUsers, 1, 2, 2, 1);
    layout->addWidget(RGModeGR, 2, 1);
    layout->addWidget(RGModeUR, 3, 2);
    layout->addWidget(CmdTblToUsers, 3, 0);
    layout->addWidget(CmdUserToTbls, 4, 2);
    layout->addWidget(LblSql, 5, 0, 1, 3);
    layout->addWidget(TxtSql, 6, 0, 1, 3);
    layout->addWidget(CmdShowSQL, 7, 0);
    layout->addWidget(CmdCommit, 7, 2);
    resize(820, 560);

    on(LstTables, &TListBox::Click, [this] { LstTablesClick(); });
    on(LstAvailPermissions, &TListBox::Click, [this] { LstAvailPermissionsClick(); });
    on(LstUsers, &TListBox::Click, [this] { LstUsersClick(); });
    on(RGModeGR, &TRadioGroup::Change, [this] { RGModeGRClick(); });
    on(RGModeUR, &TRadioGroup::Change, [this] { RGModeURClick(); });
    on(CmdCommit, &QPushButton::clicked, [this] { CmdCommitClick(); });
    on(CmdShowSQL, &QPushButton::clicked, [this] { CmdShowSQLClick(); });
    on(CmdTblToUsers, &QPushButton::clicked, [this] { CmdTblToUsersClick(); });
    on(CmdUserToTbls, &QPushButton::clicked, [this] { CmdUserToTblsClick(); });
}

void TFrmPermissions::FormShow()
{
    if (!session().SessionConnection) {
        messages().showMessage(QStringLiteral("Must select connection data first before you can\n\r"
                                              "grant or revoke permissions."));
        return;
    }
    RGModeGR->setItemIndex(0);
    for (QPushButton *button : {CmdCommit, CmdShowSQL, CmdTblToUsers, CmdUserToTbls})
        button->setEnabled(false);
    CmdCommit->setText(QStringLiteral("Grant/Revoke"));

    TSQLConnection &connection = *session().SessionConnection;
    LstTables->clear();
    LstTables->setItems(connection.GetTableNames());

    SdsPermissions.SQLConnection = &connection;
    if (RGModeUR->ItemIndex() == 1) {
        LblUsers->setText(QStringLiteral("Role List"));
        fillGrantees(granteeRolesQueryOnShow(), QStringLiteral("RDB$ROLE_NAME"), QStringLiteral("No users in Database"));
    } else {
        LblUsers->setText(QStringLiteral("User List"));
        fillGrantees(granteeUsersQuery(), QStringLiteral("RDB$USER"), QStringLiteral("No users in Database"));
    }
}

void TFrmPermissions::fillGrantees(const QString &sql, const QString &field, const QString &noRows)
{
    SdsPermissions.setCommandText(sql);
    const QStringList grantees = readValues(SdsPermissions, field, Padding::Trimmed);
    if (grantees.isEmpty())
        messages().showMessage(noRows);
    else
        LstUsers->setItems(grantees);
}

void TFrmPermissions::RGModeURClick()
{
    SdsPermissions.SQLConnection = &session().connection();
    if (RGModeUR->ItemIndex() == 1) {
        LblUsers->setText(QStringLiteral("Role List"));
        fillGrantees(granteeRolesQueryOnSwitch(), QStringLiteral("RDB$ROLE_NAME"), QStringLiteral("No Roles in Database"));
    } else {
        LblUsers->setText(QStringLiteral("User List"));
        fillGrantees(granteeUsersQuery(), QStringLiteral("RDB$USER"), QStringLiteral("No Users in Database"));
    }
}

QString TFrmPermissions::BuildPermissionSQL()
{
    const QString statement =
        ::BuildPermissionSQL(grantModeOf(RGModeGR->ItemIndex()), PrivilegesText, TablesText, GranteesText);
    TxtSql->setText(statement);
    return statement;
}

void TFrmPermissions::applyReadiness()
{
    const bool ready = LstTables->SelCount() > 0 && LstAvailPermissions->SelCount() > 0 && LstUsers->SelCount() > 0;
    CmdCommit->setEnabled(ready);
    CmdShowSQL->setEnabled(ready);
}

void TFrmPermissions::LstTablesClick()
{
    applyReadiness();
    CmdTblToUsers->setEnabled(LstTables->SelCount() > 0);
    TablesText = identifierCommaText(CRTbl::GetSelectedLst(LstTables));
    TxtSql->setText(BuildPermissionSQL());
}

void TFrmPermissions::LstAvailPermissionsClick()
{
    applyReadiness();
    PrivilegesText = commaText(CRTbl::GetSelectedLst(LstAvailPermissions));
    TxtSql->setText(BuildPermissionSQL());
}

void TFrmPermissions::LstUsersClick()
{
    applyReadiness();
    CmdUserToTbls->setEnabled(LstUsers->currentItem() != nullptr);
    GranteesText = identifierCommaText(CRTbl::GetSelectedLst(LstUsers));
    TxtSql->setText(BuildPermissionSQL());
}

void TFrmPermissions::RGModeGRClick()
{
    if (LstTables->SelCount() > 0 && LstAvailPermissions->SelCount() > 0) {
        CmdCommit->setEnabled(true);
        CmdShowSQL->setEnabled(true);
    }
    CmdCommit->setText(RGModeGR->ItemIndex() == 1 ? QStringLiteral("Revoke Permission")
                                                  : QStringLiteral("Grant Permission"));
    TxtSql->setText(BuildPermissionSQL());
}

void TFrmPermissions::CmdCommitClick()
{
    TSQLConnection &connection = session().connection();
    const QStringList tables = CRTbl::GetSelectedLst(LstTables);
    if (tables.size() < 2) {
        connection.ExecuteDirect(TxtSql->text());
        return;
    }
    // Each table gets a statement of its own, written as the edit shows it.
    for (const QString &table : tables) {
        TablesText = identifierCommaText({table});
        TxtSql->setText(BuildPermissionSQL());
        connection.ExecuteDirect(TxtSql->text());
    }
}

void TFrmPermissions::CmdShowSQLClick()
{
    TxtSql->setFocus();
    TxtSql->selectAll();
    context().clipboard->setText(TxtSql->selectedText());
}

void TFrmPermissions::showViewer(const TListBox *list, const QString &mode)
{
    const QListWidgetItem *current = list->currentItem();
    if (!current)
        return;
    session().SelectedName = current->text().trimmed();
    session().PermViewMode = mode;
    context().shower->showModal(m_screens.get<TFrmUserPerm>());
}

void TFrmPermissions::CmdTblToUsersClick()
{
    showViewer(LstTables, QStringLiteral("TABLE"));
}

void TFrmPermissions::CmdUserToTblsClick()
{
    showViewer(LstUsers, QStringLiteral("USER"));
}
