#include "security/ui/TFrmAddRemRoles.h"

#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "schema/TableNameRules.h"
#include "security/RoleStatements.h"
#include "security/UserRoleCatalog.h"
#include "session/SqlText.h"
#include "session/TSimpleDataSet.h"
#include "session/ui/CRTbl.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TFrmAddRemRoles::TFrmAddRemRoles(AppContext &context)
    : Screen(context, QStringLiteral("TFrmAddRemRoles"), QStringLiteral("Add/Remove Roles"))
{
    // Made first, so it comes first in the tab order.
    TxtRoleName = make<TEdit>(QStringLiteral("TxtRoleName"));
    CmdAddRemRole = makeButton(QStringLiteral("CmdAddRemRole"), RoleNeutralMode);
    LstRoles = make<TListBox>(QStringLiteral("LstRoles"));
    TxtSqlStatement = make<TEdit>(QStringLiteral("TxtSqlStatement"));

    LstRoles->setMultiSelect(true);
    CmdAddRemRole->setDefault(true);
    CmdAddRemRole->setEnabled(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(makeLabel(QStringLiteral("LblRoles"), QStringLiteral("Existing Roles")), 0, 0);
    layout->addWidget(LstRoles, 1, 0, 4, 1);
    layout->addWidget(makeLabel(QStringLiteral("LblRoleName"), QStringLiteral("Enter Role Name")), 0, 1);
    layout->addWidget(TxtRoleName, 1, 1);
    layout->addWidget(CmdAddRemRole, 2, 1);
    layout->addWidget(makeLabel(QStringLiteral("LblSqlStatement"), QStringLiteral("Proposed SQL Statement")), 5, 0, 1, 2);
    layout->addWidget(TxtSqlStatement, 6, 0, 1, 2);

    on(LstRoles, &TListBox::Click, [this] { LstRolesClick(); });
    on(TxtRoleName, &TEdit::Change, [this] { TxtRoleNameChange(); });
    // A statement typed over by hand is composed again from the name at once.
    on(TxtSqlStatement, &TEdit::Change, [this] { TxtRoleNameChange(); });
    on(CmdAddRemRole, &QPushButton::clicked, [this] { CmdAddRemRoleClick(); });
}

void TFrmAddRemRoles::execute(const QString &sql)
{
    TSimpleDataSet SDSQryRoles(session().SessionConnection.get());
    SDSQryRoles.setCommandText(sql);
    SDSQryRoles.Execute();
}

void TFrmAddRemRoles::FormShow()
{
    if (!session().SessionConnection) {
        messages().showMessage(QStringLiteral("Must select connection data first before you can\n\r"
                                              "add or remove any roles."));
        return;
    }
    TxtRoleName->setText(QString());
    LstRoles->clear();
    LstRoles->setItems(readRoleList(*session().SessionConnection));
}

void TFrmAddRemRoles::TxtRoleNameChange()
{
    const QString name = TxtRoleName->text();
    // A name picked from the list stays as listed; the typing rules are for typed names.
    if (!LstRoles->Items().contains(name)) {
        const QString next = nextNameRewrite(name);
        if (next != name) {
            // Runs this handler again for the new text, which carries on from there.
            TxtRoleName->setText(next);
            TxtRoleName->setCursorPosition(int(next.size()));
            return;
        }
    }
    CmdAddRemRole->setEnabled(!name.isEmpty());
    const QStringList listed = LstRoles->Items();
    const qsizetype row = indexOfName(listed, name);
    if (row < 0) {
        CmdAddRemRole->setText(AddRoleMode);
        TxtSqlStatement->setText(createRoleStatement(name));
        LstRoles->clearSelection();
    } else {
        CmdAddRemRole->setText(RemoveRoleMode);
        TxtSqlStatement->setText(dropRoleStatement(sqlIdentifierFor(name, listed.at(row))));
        LstRoles->item(int(row))->setSelected(true);
    }
}

void TFrmAddRemRoles::LstRolesClick()
{
    QListWidgetItem *current = LstRoles->currentItem();
    if (!current)
        return;
    TxtRoleName->setText(current->text().trimmed());
    CmdAddRemRole->setEnabled(true);
    TxtSqlStatement->setEnabled(LstRoles->selectedItems().size() <= 1);
    CmdAddRemRole->setText(RemoveRoleMode);
}

void TFrmAddRemRoles::CmdAddRemRoleClick()
{
    if (!session().SessionConnection || session().SessionConnection->Params.isEmpty())
        return;
    const QStringList selected = CRTbl::GetSelectedLst(LstRoles);
    if (selected.size() <= 1) {
        execute(TxtSqlStatement->text());
    } else {
        for (const QString &statement : dropRolesStatements(selected)) {
            TxtSqlStatement->setText(statement);
            execute(statement);
        }
    }
    FormShow();
}
