#include "security/ui/TFrmUserInRoles.h"

#include "app/ui/Screens.h"
#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "app/ui/TRadioGroup.h"
#include "security/RoleGrantStatements.h"
#include "security/SecurityCatalog.h"
#include "security/ui/TFrmRolesForUser.h"
#include "session/ui/CRTbl.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QString currentText(const TListBox *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item ? item->text() : QString();
}

}

TFrmUserInRoles::TFrmUserInRoles(AppContext &context, Screens &screens)
    : Screen(context, QStringLiteral("TFrmUserInRoles"), QStringLiteral("Add/Remove Users To/From Roles")),
      m_screens(screens)
{
    LblUsers = makeLabel(QStringLiteral("LblUsers"), QStringLiteral("List Of Users"));
    LstUser = make<TListBox>(QStringLiteral("LstUser"));
    LstUser->setMultiSelect(true);
    LblRoles = makeLabel(QStringLiteral("LblRoles"), QStringLiteral("List of Roles"));
    LstRoles = make<TListBox>(QStringLiteral("LstRoles"));
    LstRoles->setMultiSelect(true);
    LblInfo = makeLabel(QStringLiteral("LblInfo"),
                        QStringLiteral("Select a user and a role to update then click the button below to add or "
                                       "remove user from role"));
    LblInfo->setWordWrap(true);
    RGRUMode = make<TRadioGroup>(QStringLiteral("RGRUMode"), QStringLiteral("User To Roles or Role to Users"),
                                 QStringList{QStringLiteral("Associate single user with multiple  roles"),
                                             QStringLiteral("Associate single role with multiple users")});
    RGRUMode->setItemIndex(0);
    RGRemAddMode = make<TRadioGroup>(QStringLiteral("RGRemAddMode"), QStringLiteral("Grant or Revoke"),
                                     QStringList{QStringLiteral("Add user/Users to roles"),
                                                 QStringLiteral("Remove user/Users from roles")});
    RGRemAddMode->setItemIndex(0);
    CmdUserInRole = makeButton(QStringLiteral("CmdUserInRole"), QStringLiteral("Grant Roles To User"));
    CmdUserInRole->setDefault(true);
    CmdUserInRole->setEnabled(false);
    LblSqlStatement = makeLabel(QStringLiteral("LblSqlStatement"), QStringLiteral("Sql Statement"));
    TxtSqlStatement = make<TEdit>(QStringLiteral("TxtSqlStatement"));
    TxtSqlStatement->setEnabled(false); // shown, never edited
    CmdCopySQL = makeButton(QStringLiteral("CmdCopySQL"), QStringLiteral("Copy SQL to Clipboard"));
    CmdRoles4User = makeButton(QStringLiteral("CmdRoles4User"), QStringLiteral("Show Roles For User"));
    CmdUsers4Role = makeButton(QStringLiteral("CmdUsers4Role"), QStringLiteral("Show Users For Role"));
    CmdUsers4Role->setEnabled(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(LblUsers, 0, 0);
    layout->addWidget(LblRoles, 0, 1);
    layout->addWidget(LstUser, 1, 0, 3, 1);
    layout->addWidget(LstRoles, 1, 1, 3, 1);
    layout->addWidget(LblInfo, 1, 2);
    layout->addWidget(RGRUMode, 2, 2);
    layout->addWidget(RGRemAddMode, 3, 2);
    layout->addWidget(LblSqlStatement, 4, 0, 1, 3);
    layout->addWidget(TxtSqlStatement, 5, 0, 1, 3);
    layout->addWidget(CmdCopySQL, 6, 0);
    layout->addWidget(CmdRoles4User, 6, 1);
    layout->addWidget(CmdUsers4Role, 7, 1);
    layout->addWidget(CmdUserInRole, 6, 2);
    for (int row = 1; row <= 3; ++row)
        layout->setRowStretch(row, 1);
    resize(760, 480);

    on(LstUser, &TListBox::Click, [this] { LstUserClick(); });
    on(LstRoles, &TListBox::Click, [this] { LstRolesClick(); });
    on(RGRUMode, &TRadioGroup::Change, [this] { RGRUModeClick(); });
    on(RGRemAddMode, &TRadioGroup::Change, [this] { RGRemAddModeClick(); });
    on(CmdUserInRole, &QPushButton::clicked, [this] { CmdUserInRoleClick(); });
    on(CmdCopySQL, &QPushButton::clicked, [this] { CmdCopySQLClick(); });
    on(CmdRoles4User, &QPushButton::clicked, [this] { CmdRoles4UserClick(); });
    on(CmdUsers4Role, &QPushButton::clicked, [this] { CmdUsers4RoleClick(); });
}

void TFrmUserInRoles::FormShow()
{
    if (!session().SessionConnection) {
        const QString text = QStringLiteral("Must select connection data first before you can ")
            + QStringLiteral("add or remove any role information");
        LblInfo->setText(text);
        messages().showMessage(text);
        return;
    }
    LstUser->clear();
    LstRoles->clear();
    CmdUserInRole->setEnabled(false);
    TxtSqlStatement->setText(QString());
    RGRUMode->setItemIndex(0);
    RGRemAddMode->setItemIndex(0);

    SDSQryRoles = std::make_unique<TSimpleDataSet>(session().SessionConnection.get());
    SDSQryRoles->setCommandText(memberRolesQuery());
    LstRoles->setItems(readValues(*SDSQryRoles, QStringLiteral("RDB$ROLE_NAME"), Padding::Trimmed));

    SDSQryRoles->setCommandText(memberUsersQuery());
    const QStringList users = readValues(*SDSQryRoles, QStringLiteral("RDB$USER"), Padding::Trimmed);
    if (users.isEmpty()) {
        messages().showMessage(QStringLiteral("No users in Database"));
        return;
    }
    LstUser->setItems(users);
    LstUser->setFocus();
    // After the focus, which may make the first item current: a click in one
    // list composes nothing until the other has been clicked too.
    LstUser->setCurrentItem(nullptr);
    LstRoles->setCurrentItem(nullptr);
    SDSQryRoles.reset();
}

QString TFrmUserInRoles::BuildRoleGrantSQL() const
{
    const QStringList roles = roleGrantNames(CRTbl::GetSelectedLst(LstRoles), currentText(LstRoles));
    const QStringList users = roleGrantNames(CRTbl::GetSelectedLst(LstUser), currentText(LstUser));
    return ::BuildRoleGrantSQL(grantModeOf(RGRemAddMode->ItemIndex()), roles, users);
}

void TFrmUserInRoles::LstUserClick()
{
    if (!LstRoles->currentItem())
        return;
    if (RGRUMode->ItemIndex() == 0)
        CmdRoles4User->setEnabled(true);
    CmdUserInRole->setEnabled(true);
    TxtSqlStatement->setText(BuildRoleGrantSQL());
}

void TFrmUserInRoles::LstRolesClick()
{
    if (!LstUser->currentItem())
        return;
    CmdUserInRole->setEnabled(true);
    TxtSqlStatement->setText(BuildRoleGrantSQL());
}

void TFrmUserInRoles::setGrantVerb()
{
    GrantVerb = RGRemAddMode->ItemIndex() == 1 ? QStringLiteral("Revoke ") : QStringLiteral("Grant ");
}

void TFrmUserInRoles::RGRemAddModeClick()
{
    setGrantVerb();
    CmdUserInRole->setText(GrantVerb
                           + (RGRUMode->ItemIndex() == 1 ? QStringLiteral("Role on Users")
                                                         : QStringLiteral("Roles on User")));
}

void TFrmUserInRoles::RGRUModeClick()
{
    setGrantVerb();
    const bool userToRoles = RGRUMode->ItemIndex() == 0;
    CmdRoles4User->setEnabled(userToRoles);
    CmdUsers4Role->setEnabled(!userToRoles);
    CmdUserInRole->setText(GrantVerb + (userToRoles ? QStringLiteral("Roles on User") : QStringLiteral("Role on Users")));
}

void TFrmUserInRoles::CmdUserInRoleClick()
{
    TSimpleDataSet query(&session().connection());
    query.setCommandText(TxtSqlStatement->text());
    query.ExecSQL();
}

void TFrmUserInRoles::CmdCopySQLClick()
{
    TxtSqlStatement->selectAll();
    context().clipboard->setText(TxtSqlStatement->selectedText());
    TxtSqlStatement->deselect();
}

void TFrmUserInRoles::showRolesForUser(const QString &name, const QString &mode)
{
    session().SelectedName = name.trimmed();
    session().RoleViewMode = mode;
    context().shower->showModal(m_screens.get<TFrmRolesForUser>());
}

void TFrmUserInRoles::CmdRoles4UserClick()
{
    if (LstUser->selectedItems().isEmpty()) {
        messages().showMessage(QStringLiteral("Must select a user first!"));
        return;
    }
    showRolesForUser(currentText(LstUser), QStringLiteral("USER"));
}

void TFrmUserInRoles::CmdUsers4RoleClick()
{
    if (LstRoles->selectedItems().isEmpty()) {
        messages().showMessage(QStringLiteral("Must select a role first!"));
        return;
    }
    showRolesForUser(currentText(LstRoles), QStringLiteral("ROLE"));
}
