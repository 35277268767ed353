#include "security/ui/TFrmAddRemUsers.h"

#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "app/ui/TRadioGroup.h"
#include "schema/TableNameRules.h"
#include "security/UserRoleCatalog.h"
#include "security/UserStatements.h"
#include "session/DbError.h"
#include "session/SqlText.h"
#include "session/TTransaction.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <optional>

namespace {

const QString Permissive = QStringLiteral("Permissive");
const QString CopyCaption = QStringLiteral("Copy Probosed Command Line to Clipboard");

// Applies one typing rule to the edit; false when it rewrote the text, whose
// change handler has then already run again for the new text.
bool settledByRules(TEdit *edit)
{
    const QString text = edit->text();
    const QString next = nextNameRewrite(text);
    if (next == text)
        return true;
    edit->setText(next);
    edit->setCursorPosition(int(next.size()));
    return false;
}

}

TFrmAddRemUsers::TFrmAddRemUsers(AppContext &context)
    : Screen(context, QStringLiteral("TFrmAddRemUsers"), QStringLiteral("Add/Remove Users"))
{
    LstUsers = make<TListBox>(QStringLiteral("LstUsers"));
    TxtUserName = make<TEdit>(QStringLiteral("TxtUserName"));
    CmdAddRemUN = makeButton(QStringLiteral("CmdAddRemUN"), AddUserMode);
    TxtPassword1 = make<TEdit>(QStringLiteral("TxtPassword1"));
    TxtPassword2 = make<TEdit>(QStringLiteral("TxtPassword2"));
    TxtFN = make<TEdit>(QStringLiteral("TxtFN"));
    TxtMN = make<TEdit>(QStringLiteral("TxtMN"));
    TxtLN = make<TEdit>(QStringLiteral("TxtLN"));
    RdoRP = make<TRadioGroup>(QStringLiteral("RdoRP"), QStringLiteral("Restrictive/Permissive"),
                              QStringList{QStringLiteral("Restrictive"), Permissive});
    ChkWithGrant = make<QCheckBox>(QStringLiteral("ChkWithGrant"), QStringLiteral("WITH GRANT OPTION"));
    MmoSql = make<TMemo>(QStringLiteral("MmoSql"));
    CmdCopySql = makeButton(QStringLiteral("CmdCopySql"), CopyCaption);
    MmoGrant = make<TMemo>(QStringLiteral("MmoGrant"));
    CmdCopyGrant = makeButton(QStringLiteral("CmdCopyGrant"), CopyCaption);
    CmdShowAlter = makeButton(QStringLiteral("CmdShowAlter"), QStringLiteral("Show Alter User SQL"));
    CmdAlterUser = makeButton(QStringLiteral("CmdAlterUser"), QStringLiteral("Alter User"));

    for (TEdit *password : {TxtPassword1, TxtPassword2}) {
        password->setMasked();
    }
    CmdAddRemUN->setEnabled(false);
    TxtPassword1->setEnabled(false);
    TxtPassword2->setEnabled(false);
    RdoRP->setItemIndex(0);
    MmoSql->setEnabled(false);
    MmoGrant->setEnabled(false);
    CmdShowAlter->setEnabled(false);
    CmdAlterUser->setEnabled(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(makeLabel(QStringLiteral("LblUserList"), QStringLiteral("User List")), 0, 0);
    layout->addWidget(LstUsers, 1, 0, 10, 1);
    layout->addWidget(makeLabel(QStringLiteral("LblUserName"), QStringLiteral("User Name to Add/Remove")), 0, 1);
    layout->addWidget(TxtUserName, 1, 1);
    layout->addWidget(CmdAddRemUN, 1, 2);
    layout->addWidget(makeLabel(QStringLiteral("LblPassword1"), QStringLiteral("Enter Password Here")), 2, 1);
    layout->addWidget(TxtPassword1, 3, 1);
    layout->addWidget(makeLabel(QStringLiteral("LblPassword2"), QStringLiteral("Retype Password Here")), 4, 1);
    layout->addWidget(TxtPassword2, 5, 1);
    layout->addWidget(makeLabel(QStringLiteral("LblFN"), QStringLiteral("First Name (Optional)")), 6, 1);
    layout->addWidget(TxtFN, 7, 1);
    layout->addWidget(makeLabel(QStringLiteral("LblMN"), QStringLiteral("Middle Name (Optional)")), 8, 1);
    layout->addWidget(TxtMN, 9, 1);
    layout->addWidget(makeLabel(QStringLiteral("LblLN"), QStringLiteral("Last Name (Optional)")), 10, 1);
    layout->addWidget(TxtLN, 11, 1);
    layout->addWidget(RdoRP, 2, 2, 4, 1);
    layout->addWidget(ChkWithGrant, 6, 2);
    layout->addWidget(CmdShowAlter, 8, 2);
    layout->addWidget(CmdAlterUser, 9, 2);
    layout->addWidget(makeLabel(QStringLiteral("LblSql"), QStringLiteral("Sql Statement")), 12, 0, 1, 3);
    layout->addWidget(MmoSql, 13, 0, 1, 3);
    layout->addWidget(CmdCopySql, 14, 0);
    layout->addWidget(makeLabel(QStringLiteral("LblGrant"), QStringLiteral("Sql Statement")), 15, 0, 1, 3);
    layout->addWidget(MmoGrant, 16, 0, 1, 3);
    layout->addWidget(CmdCopyGrant, 17, 0);

    on(LstUsers, &TListBox::Click, [this] { LstUsersClick(); });
    on(TxtUserName, &TEdit::Change, [this] { TxtUserNameChange(); });
    on(TxtPassword1, &TEdit::Change, [this] { TxtPassword1Change(); });
    on(TxtPassword2, &TEdit::Change, [this] { TxtPassword2Change(); });
    for (TEdit *edit : {TxtFN, TxtMN, TxtLN}) {
        on(edit, &TEdit::Change, [this, edit] { nameEditChange(edit); });
        on(edit, &TEdit::Exit, [this, edit] { nameEditExit(edit); });
    }
    // Runs when the chosen item changes; a click on the chosen one changes nothing.
    on(RdoRP, &TRadioGroup::Change, [this] { RdoRPClick(); });
    on(ChkWithGrant, &QCheckBox::clicked, [this] { ChkWithGrantClick(); });
    on(CmdAddRemUN, &QPushButton::clicked, [this] { CmdAddRemUNClick(); });
    on(CmdShowAlter, &QPushButton::clicked, [this] { CmdShowAlterClick(); });
    on(CmdAlterUser, &QPushButton::clicked, [this] { CmdAlterUserClick(); });
    on(CmdCopySql, &QPushButton::clicked, [this] { CmdCopySqlClick(); });
    on(CmdCopyGrant, &QPushButton::clicked, [this] { CmdCopyGrantClick(); });
}

TSQLConnection &TFrmAddRemUsers::connection()
{
    if (!session().SessionConnection)
        throw DbError(QStringLiteral("No connection has been made"));
    return *session().SessionConnection;
}

bool TFrmAddRemUsers::connectionHasParams()
{
    const auto &shared = session().SessionConnection;
    return shared && !shared->Params.isEmpty();
}

QString TFrmAddRemUsers::userName() const
{
    const QString typed = TxtUserName->text();
    const QStringList listed = LstUsers->Items();
    const qsizetype row = indexOfName(listed, typed);
    return row < 0 ? typed : sqlIdentifierFor(typed, listed.at(row));
}

QString TFrmAddRemUsers::nameClauses() const
{
    return BuildNameClauses(TxtFN->text(), TxtMN->text(), TxtLN->text());
}

void TFrmAddRemUsers::setRunUserSQL(const QString &run, const QString &masked)
{
    RunUserSQL = run;
    m_maskedRunUserSQL = masked;
}

void TFrmAddRemUsers::FormShow()
{
    try {
        LoadUserList();
    } catch (const std::exception &) {
        messages().showMessage(QStringLiteral("Must open a connection first!"));
    }
}

void TFrmAddRemUsers::LoadUserList()
{
    LstUsers->setItems(readUserList(connection()));
}

void TFrmAddRemUsers::BuildUserSQL()
{
    const QString user = userName();
    if (CmdAddRemUN->text() == AddUserMode) {
        const QString password = TxtPassword1->text();
        const QString masked = MaskPassword(password);
        const QString clauses = nameClauses();
        ShownUserSQL = createUserStatement(user, masked, clauses, true);
        setRunUserSQL(createUserStatement(user, password, clauses, false),
                      createUserStatement(user, masked, clauses, false));
    } else {
        ShownUserSQL = dropUserStatement(user);
        setRunUserSQL(ShownUserSQL, ShownUserSQL);
    }
    MmoSql->setText(ShownUserSQL);
}

void TFrmAddRemUsers::BuildGrantScript()
{
    if (RdoRP->selectedText() != Permissive)
        return;
    GrantTables = connection().GetTableNames();
    GrantStatements.clear();
    MmoGrant->setText(QString());
    TxtUserName->setEnabled(false);
    const QString user = userName();
    QString script;
    for (const QString &table : GrantTables) {
        const QString line = tableGrantStatement(table, user, ChkWithGrant->isChecked());
        GrantStatements << line;
        script += line + LineBreak;
    }
    if (!GrantTables.isEmpty())
        MmoGrant->setText(script);
    TxtUserName->setEnabled(true);
}

void TFrmAddRemUsers::LstUsersClick()
{
    const int row = LstUsers->ItemIndex();
    if (row < 0)
        return;
    CmdAddRemUN->setText(RemoveUserMode);
    TxtPassword1->Clear();
    TxtPassword2->Clear();
    TxtPassword1->setEnabled(true);
    TxtPassword2->setEnabled(true);
    TxtUserName->setText(LstUsers->item(row)->text());
    CmdAlterUser->setEnabled(true);
}

void TFrmAddRemUsers::TxtUserNameChange()
{
    const QString name = TxtUserName->text();
    const bool named = !name.isEmpty();
    CmdAddRemUN->setEnabled(named);
    TxtPassword1->setEnabled(named);
    TxtPassword2->setEnabled(named);
    // A name picked from the list stays as listed; the typing rules are for typed names.
    if (!LstUsers->Items().contains(name) && !settledByRules(TxtUserName))
        return;

    const bool listed = LstUsers->selectText(name) >= 0;
    CmdAddRemUN->setText(listed ? RemoveUserMode : AddUserMode);
    CmdAlterUser->setEnabled(listed);
    CmdShowAlter->setEnabled(listed);
    if (!listed)
        LstUsers->clearSelection();
    BuildUserSQL();
}

void TFrmAddRemUsers::TxtPassword1Change()
{
    if (settledByRules(TxtPassword1))
        BuildUserSQL();
}

void TFrmAddRemUsers::TxtPassword2Change()
{
    settledByRules(TxtPassword2);
}

void TFrmAddRemUsers::nameEditChange(TEdit *edit)
{
    if (edit->text().startsWith(QLatin1Char(' '))) {
        edit->setText(edit->text().trimmed());
        return;
    }
    BuildUserSQL();
}

void TFrmAddRemUsers::nameEditExit(TEdit *edit)
{
    edit->setText(tidyName(edit->text()));
}

void TFrmAddRemUsers::RdoRPClick()
{
    if (RdoRP->selectedText() == Permissive)
        BuildGrantScript();
    else
        MmoGrant->setText(QString());
    BuildUserSQL();
}

void TFrmAddRemUsers::ChkWithGrantClick()
{
    BuildUserSQL();
    BuildGrantScript();
}

void TFrmAddRemUsers::CmdAddRemUNClick()
{
    TxtUserName->setText(TxtUserName->text().trimmed());
    if (!connectionHasParams()) {
        messages().showMessage(QStringLiteral("Connection Lost!") + LineBreak
                               + QStringLiteral("Please reconnect and try again."));
        return;
    }
    if (CmdAddRemUN->text() != AddUserMode) {
        removeUser();
        return;
    }
    const QString password = TxtPassword1->text();
    if (password.isEmpty() || password != TxtPassword2->text()) {
        messages().showMessage(QStringLiteral("Passwords do not match or password empty! "));
        return;
    }
    if (RdoRP->selectedText() == Permissive)
        addPermissive();
    else
        addRestrictive();
}

void TFrmAddRemUsers::addRestrictive()
{
    const QString grant = accessGrantStatement(userName(), ChkWithGrant->isChecked());
    std::optional<QString> failure;
    try {
        connection().ExecuteDirect(RunUserSQL);
        connection().ExecuteDirect(grant);
    } catch (const DbError &error) {
        failure = error.text();
    }
    // A refused add is said, so nobody takes the user for made.
    if (failure)
        messages().showError(*failure);
    LoadUserList();
    MmoSql->setText(m_maskedRunUserSQL);
}

void TFrmAddRemUsers::addPermissive()
{
    const QString grant = accessGrantStatement(userName(), ChkWithGrant->isChecked());
    std::optional<QString> failure;
    try {
        connection().ExecuteDirect(RunUserSQL);
        for (const QString &statement : GrantStatements)
            connection().ExecuteDirect(statement);
    } catch (const DbError &error) {
        failure = error.text();
    }
    if (!failure) {
        LoadUserList();
        return;
    }
    // The statements that ran stay in effect; the user gets the access grant
    // in place of the rest, and is told what the server refused.
    messages().showError(*failure);
    connection().ExecuteDirect(grant);
    LoadUserList();
    MmoSql->setText(m_maskedRunUserSQL);
}

void TFrmAddRemUsers::removeUser()
{
    const QString user = userName();
    TSQLConnection &shared = connection();
    // One transaction: the server applies a DROP USER only at commit, where it
    // also refuses one it may not do, and the revoke then goes back with it.
    TTransaction *transaction = nullptr;
    try {
        transaction = shared.BeginTransaction();
        setRunUserSQL(revokeAllStatement(user), revokeAllStatement(user));
        shared.ExecuteDirect(RunUserSQL);
        setRunUserSQL(dropUserStatement(user), dropUserStatement(user));
        shared.ExecuteDirect(RunUserSQL);
        shared.CommitFreeAndNil(transaction);
    } catch (const DbError &error) {
        shared.RollbackFreeAndNil(transaction);
        messages().showMessage(QStringLiteral("Must be connected as System Administrator") + LineBreak
                               + QStringLiteral("in order to delete users.") + LineBreak + error.text());
        return;
    }
    CmdAddRemUN->setText(AddUserMode);
    LoadUserList();
}

void TFrmAddRemUsers::CmdShowAlterClick()
{
    BuildUserSQL();
    ShownUserSQL = alterUserStatement(userName(), MaskPassword(TxtPassword1->text()), nameClauses());
    MmoSql->setText(ShownUserSQL);
}

void TFrmAddRemUsers::CmdAlterUserClick()
{
    if (!connectionHasParams())
        return;
    const QString password = TxtPassword1->text();
    if (password != TxtPassword2->text()) {
        messages().showMessage(QStringLiteral("Passwords do not match!"));
        return;
    }
    const QString user = userName();
    setRunUserSQL(alterUserStatement(user, password, nameClauses()),
                  alterUserStatement(user, MaskPassword(password), nameClauses()));
    MmoSql->setText(ShownUserSQL);
    connection().ExecuteDirect(RunUserSQL);
}

void TFrmAddRemUsers::copyMemo(TMemo *memo)
{
    memo->selectAll();
    context().clipboard->setText(memo->Text());
    QTextCursor cursor = memo->textCursor();
    cursor.clearSelection();
    memo->setTextCursor(cursor);
}

void TFrmAddRemUsers::CmdCopySqlClick()
{
    copyMemo(MmoSql);
}

void TFrmAddRemUsers::CmdCopyGrantClick()
{
    copyMemo(MmoGrant);
}
