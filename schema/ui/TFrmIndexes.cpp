#include "schema/ui/TFrmIndexes.h"

#include "app/ui/TComboBox.h"
#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "schema/ColumnAlteration.h"
#include "schema/IndexNameRules.h"
#include "schema/KeyStatements.h"
#include "schema/ui/StatementNote.h"
#include "session/SqlText.h"
#include "session/TSQLConnection.h"
#include "session/ui/CRTbl.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString SetPrimaryKey = QStringLiteral("Set Primary Key");
const QString SetUniqueIndex = QStringLiteral("Set Unique Index");
const QString SetNullable = QStringLiteral("Set Nullable");
const QString SetPrecision = QStringLiteral("Set Precision");
const QString NoTables = QStringLiteral("Current connection has no tables to alter");
const QString IndexNameCaption = QStringLiteral("Enter Index name (Optional)");

QString lines(const QStringList &entries)
{
    return entries.join(LineBreak);
}

const QString PrimaryKeyInstructions = lines({
    QStringLiteral("You have chosen to Set Primary Key"),
    QStringLiteral("Select items in the field list that correspond"),
    QStringLiteral("to feilds that you want to set as the Primary Key"),
    QStringLiteral("and then click \"Commit Changes\""),
    QStringLiteral("Note: Deselecting all fields will remove Primary Key"),
    QStringLiteral("Current Primary key fields are listed below"),
    QStringLiteral("table names"),
});

const QString UniqueInstructions = lines({
    QStringLiteral("You have chosen to Set Unique Index"),
    QStringLiteral("Select items in the field list that correspond"),
    QStringLiteral("to feilds that you want to set as the Unique Index"),
    QStringLiteral("and then click \"Commit Changes\""),
    QStringLiteral("Note: Deselecting all fields will remove Unique Index"),
    QStringLiteral("Current Unique field Indexes are listed below"),
    QStringLiteral("table names"),
});

const QString NullableInstructions = lines({
    QStringLiteral("You have chosen to Set required properties"),
    QStringLiteral("Select item/s in the 'Field Names' list box below that correspond"),
    QStringLiteral("to feild/s that you want to set as required"),
    QStringLiteral("and then click \"Commit Changes\""),
});

const QString PrecisionInstructions = lines({
    QStringLiteral("You have chosen to Set Precision"),
    QStringLiteral("Select item in the field list that correspond"),
    QStringLiteral("to feild that you want to Set Precision for,"),
    QStringLiteral("and then click \"Commit Changes\""),
    QStringLiteral("Note: Deselecting all fields will not change table"),
    QStringLiteral("Selectig field will display its' current precision"),
});

const FieldDef *findField(const TSQLTable &table, const QString &name)
{
    const auto &defs = table.FieldDefs();
    const qsizetype i = indexOfName(qsizetype(defs.size()), [&defs](qsizetype row) { return defs[size_t(row)].name; }, name);
    return i >= 0 ? &defs[size_t(i)] : nullptr;
}

}

TFrmIndexes::TFrmIndexes(AppContext &context)
    : Screen(context, QStringLiteral("TFrmIndexes"), QStringLiteral("Create/Remove Indexes"))
{
    auto *LblConnData = makeLabel(QStringLiteral("LblConnData"), QStringLiteral("Connection Data"));
    LstConnData = make<TListBox>(QStringLiteral("LstConnData"));
    LstConnData->setFocusPolicy(Qt::NoFocus);
    LblConnState = makeLabel(QStringLiteral("LblConnState"), QString());
    auto *LblTableNames = makeLabel(QStringLiteral("LblTableNames"), QStringLiteral("Table Names"));
    LstTableNames = make<TListBox>(QStringLiteral("LstTableNames"));
    auto *LblFldNames = makeLabel(QStringLiteral("LblFldNames"), QStringLiteral("Field Names"));
    LstFldNames = make<TListBox>(QStringLiteral("LstFldNames"));
    LstFldNames->setMultiSelect(true);
    LstFldNames->setEnabled(false);
    auto *LblChooseAction = makeLabel(QStringLiteral("LblChooseAction"), QStringLiteral("Choose Action"));
    CmbActions = make<TComboBox>(QStringLiteral("CmbActions"));
    CmbActions->addItems({SetPrimaryKey, SetUniqueIndex, SetNullable, SetPrecision});
    CmbActions->setItemIndex(-1);
    CmbActions->setEnabled(false);
    LblChosenAction = makeLabel(QStringLiteral("LblChosenAction"), QString());
    LblChosenAction->setWordWrap(true);
    LblCurrentIndex = makeLabel(QStringLiteral("LblCurrentIndex"), QString());
    LblIndexName = makeLabel(QStringLiteral("LblIndexName"), IndexNameCaption);
    LblIndexName->hide();
    TxtIndexName = make<TEdit>(QStringLiteral("TxtIndexName"));
    TxtIndexName->hide();
    auto *LblSqlStatement = makeLabel(QStringLiteral("LblSqlStatement"), QStringLiteral("Sql Statement"));
    MmoSql = make<TMemo>(QStringLiteral("MmoSql"));
    m_note = new StatementNote(*this);
    CmdCopySql = makeButton(QStringLiteral("CmdCopySql"), QStringLiteral("Copy SQL to Clipboard"));
    CmdCommit = makeButton(QStringLiteral("CmdCommit"), QStringLiteral("Commit Changes"));
    CmdCommit->setEnabled(false);
    auto *LblTableInfo = makeLabel(QStringLiteral("LblTableInfo"), QStringLiteral("Selected Table Definition"));
    LstTblInfo = make<TListBox>(QStringLiteral("LstTblInfo"));

    // Three columns: connection and tables, fields and action, statement and table definition.
    auto *grid = new QGridLayout(this);
    grid->addWidget(LblConnData, 0, 0);
    grid->addWidget(LstConnData, 1, 0);
    grid->addWidget(LblConnState, 2, 0);
    grid->addWidget(LblTableNames, 3, 0);
    grid->addWidget(LstTableNames, 4, 0, 5, 1);
    grid->addWidget(LblFldNames, 0, 1);
    grid->addWidget(LstFldNames, 1, 1, 2, 1);
    grid->addWidget(LblChooseAction, 3, 1);
    grid->addWidget(CmbActions, 4, 1);
    grid->addWidget(LblChosenAction, 5, 1);
    grid->addWidget(LblCurrentIndex, 6, 1);
    grid->addWidget(LblIndexName, 7, 1);
    grid->addWidget(TxtIndexName, 8, 1);
    grid->addWidget(LblSqlStatement, 0, 2);
    auto *statement = new QVBoxLayout;
    statement->addWidget(MmoSql, 1);
    statement->addWidget(m_note->row());
    grid->addLayout(statement, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CmdCopySql);
    buttons->addWidget(CmdCommit);
    grid->addLayout(buttons, 2, 2);
    grid->addWidget(LblTableInfo, 3, 2);
    grid->addWidget(LstTblInfo, 4, 2, 5, 1);
    resize(900, 560);

    on(LstTableNames, &TListBox::Click, [this] { LstTableNamesClick(); });
    on(CmbActions, &TComboBox::Change, [this] { CmbActionsChange(); });
    on(LstFldNames, &TListBox::Click, [this] { LstFldNamesClick(); });
    on(TxtIndexName, &TEdit::Change, [this] { TxtIndexNameChange(); });
    on(LstTblInfo, &TListBox::Click, [this] { LstTblInfoClick(); });
    on(CmdCommit, &QPushButton::clicked, [this] { CmdCommitClick(); });
    on(CmdCopySql, &QPushButton::clicked, [this] { CmdCopySqlClick(); });
}

QString TFrmIndexes::action() const
{
    return CmbActions->ItemIndex() < 0 ? QString() : CmbActions->Text();
}

bool TFrmIndexes::keyAction() const
{
    const QString chosen = action();
    return chosen != SetNullable && chosen != SetPrecision;
}

TSQLTable &TFrmIndexes::table()
{
    // The session may have made a new connection object since the table was picked.
    SQLTbl.SQLConnection = &session().connection();
    return SQLTbl;
}

void TFrmIndexes::FormShow()
{
    if (!session().connectionOpen()) {
        messages().showMessage(QStringLiteral("Must open a connection first!"));
        return;
    }
    try {
        LstTableNames->clear();
        LblChosenAction->clear();
        LstFldNames->clear();
        LstFldNames->setEnabled(false);
        LstTableNames->clearSelection();
        CmbActions->setItemIndex(-1);
        CmbActions->setEnabled(false);
        LblCurrentIndex->clear();

        TSQLConnection &connection = *session().SessionConnection;
        QStringList params;
        for (int i = 0; i < connection.Params.count(); ++i) {
            const QString name = connection.Params.name(i);
            if (name.compare(QLatin1String("Password"), Qt::CaseInsensitive) == 0)
                params << QStringLiteral("Password=") + MaskPassword(connection.Params.value(name));
            else
                params << connection.Params.lines().at(i);
        }
        LstConnData->setItems(params);
        LblConnState->setText(QStringLiteral("Connected"));

        const QStringList tables = connection.GetTableNames();
        LstTableNames->setItems(tables.isEmpty() ? QStringList{NoTables} : tables);
    } catch (const std::exception &) {
        messages().showMessage(QStringLiteral("Must open a connection first!"));
    }
}

void TFrmIndexes::LstTableNamesClick()
{
    if (LstTableNames->count() > 0 && LstTableNames->item(0)->text() == NoTables)
        return;
    const int row = LstTableNames->ItemIndex();
    if (row < 0)
        return;
    SQLTbl.Close();
    CmbActions->setItemIndex(-1);
    LblChosenAction->clear();
    const QString tableName = LstTableNames->item(row)->text();
    CmdCommit->setEnabled(false);
    LstTblInfo->setEnabled(false);
    m_columnStatement.clear();

    LstFldNames->setItems(CRTbl(context()).FieldsForTable(tableName));
    LblCurrentIndex->clear();
    LstFldNames->setEnabled(true);
    CmbActions->setEnabled(true);
    MmoSql->clear();
    m_note->clear();
    TxtIndexName->ClearQuietly();
    TxtIndexName->hide();
    LblIndexName->hide();
    LstTblInfo->clear();

    TSQLTable &tbl = table();
    tbl.setTableName(tableName);
    tbl.Refresh(); // keys and columns may have changed since it was last read
    tbl.Open();

    KeyFieldList = tbl.GetKeyFieldNames();
    if (KeyFieldList.isEmpty())
        LstTblInfo->addItem(QStringLiteral("This table has no unique indexes or primary key"));
    else
        listIndexDefinitions();
}

void TFrmIndexes::listIndexDefinitions()
{
    const std::vector<IndexDef> &indexes = SQLTbl.IndexDefs();
    for (int i = 0; i < KeyFieldList.size() && i < int(indexes.size()); ++i)
        LstTblInfo->addItem(QStringLiteral("Unique Idx ") + indexes[i].name + QStringLiteral(" is: ") + KeyFieldList.at(i));
}

void TFrmIndexes::CmbActionsChange()
{
    MmoSql->clear();
    m_note->clear();
    KeyFieldList.clear();
    const QString chosen = action();
    if (chosen.isEmpty()) {
        LstFldNames->setEnabled(false);
        CmdCommit->setEnabled(false);
        return;
    }

    if (chosen == SetPrimaryKey) {
        LblChosenAction->setText(PrimaryKeyInstructions);
        KeyFieldList = SQLTbl.GetKeyFieldNames();
        LstFldNames->setMultiSelect(true);
        TxtIndexName->show();
        CmdCommit->setEnabled(true);
        LstTblInfo->clearSelection();
        LstTblInfo->clear();
        LstTblInfo->setMultiSelect(false);
        // The first definition is the key only when it is one: a table may
        // have unique constraints and no primary key.
        const std::vector<IndexDef> &indexes = SQLTbl.IndexDefs();
        if (indexes.empty() || !indexes.front().primary) {
            LblCurrentIndex->setText(QStringLiteral("This table has no Primary key"));
            CmdCommit->setEnabled(false);
            LstFldNames->setEnabled(true);
            LblIndexName->setText(IndexNameCaption);
            LblIndexName->show();
        } else {
            LblCurrentIndex->setText(QStringLiteral("Current Primary key is(") + keyFieldsForDisplay(KeyFieldList.value(0))
                                     + QLatin1Char(')'));
            MmoSql->setText(composeDropIndexDef(SQLTbl.TableName(), indexes.front()));
        }
        TxtIndexName->ClearQuietly();
        return;
    }

    if (chosen == SetUniqueIndex) {
        LstFldNames->setEnabled(true);
        TxtIndexName->show();
        LblIndexName->show();
        LblIndexName->setText(IndexNameCaption);
        MmoSql->clear();
        LstTblInfo->setMultiSelect(false);
        CmdCommit->setEnabled(true);
        LstTblInfo->clearSelection();
        LstTblInfo->clear();
        KeyFieldList = SQLTbl.GetKeyFieldNames();
        if (KeyFieldList.isEmpty()) {
            LstTblInfo->setEnabled(false);
        } else {
            LstTblInfo->setEnabled(true);
            listIndexDefinitions();
        }
        LblChosenAction->setText(UniqueInstructions);
        LstFldNames->setMultiSelect(true);
        KeyFieldList = SQLTbl.GetKeyFieldNames();
        if (KeyFieldList.isEmpty())
            LblCurrentIndex->setText(QStringLiteral("This table has no unique indexes but may have a Primary Key"));
        else
            LblCurrentIndex->setText(QStringLiteral("Current Unique keys are (") + keyFieldsForDisplay(KeyFieldList.at(0))
                                     + QLatin1Char(')'));
        TxtIndexName->ClearQuietly();
        return;
    }

    // The column actions: a field click composes the statement and offers the
    // commit, or says why there is none.
    CmdCommit->setEnabled(false);
    m_columnStatement.clear();
    if (chosen == SetNullable) {
        ShowRequiredProperties();
        return;
    }
    LstTblInfo->clear();
    TxtIndexName->hide();
    LblIndexName->hide();
    LblChosenAction->setText(PrecisionInstructions);
    LstFldNames->setMultiSelect(false);
    LstFldNames->clearSelection();
    LblCurrentIndex->setText(QStringLiteral("Current precision of selected field is: "));
    TxtIndexName->ClearQuietly();
    const std::vector<FieldDef> &fields = SQLTbl.FieldDefs();
    for (int i = 0; i < int(fields.size()) && i < LstFldNames->count(); ++i)
        LstTblInfo->addItem(LstFldNames->item(i)->text() + QStringLiteral(" Precision=") + QString::number(fields[i].size));
    LstTblInfo->setEnabled(true);
    LstTblInfo->setMultiSelect(false);
}

void TFrmIndexes::ShowRequiredProperties()
{
    LstTblInfo->clear();
    LstTblInfo->setEnabled(true);
    LstTblInfo->setMultiSelect(true);
    LblChosenAction->setText(NullableInstructions);
    LstFldNames->setMultiSelect(false);
    TxtIndexName->ClearQuietly();
    TxtIndexName->hide();
    LblIndexName->hide();
    for (const FieldDef &def : SQLTbl.FieldDefs())
        LstTblInfo->addItem(def.name + QStringLiteral(" Required=") + (def.required ? QStringLiteral("True") : QStringLiteral("False")));
}

void TFrmIndexes::LstFldNamesClick()
{
    const QString chosen = action();
    if (chosen == SetNullable || chosen == SetPrecision) {
        // The column actions work on the one field clicked.
        const int row = LstFldNames->ItemIndex();
        const FieldDef *field = row < 0 ? nullptr : findField(SQLTbl, LstFldNames->item(row)->text());
        if (field)
            composeColumnChange(chosen, *field);
        return;
    }

    CmdCommit->setEnabled(true);
    if (LstFldNames->SelCount() <= 0)
        return;
    m_keyFields = CRTbl::GetSelectedLst(LstFldNames);
    SelectedFieldList = composeSelectedFieldList(m_keyFields);
    if (chosen == SetPrimaryKey) {
        MmoSql->setText(composePrimaryKey(SQLTbl.TableName(), TxtIndexName->text(), SelectedFieldList));
        checkKey();
    } else if (chosen == SetUniqueIndex) {
        TxtIndexName->show();
        LblIndexName->show();
        MmoSql->setText(composeUniqueConstraint(SQLTbl.TableName(), TxtIndexName->text(), SelectedFieldList));
        checkKey();
    }
}

void TFrmIndexes::checkKey()
{
    if (action() == SetPrimaryKey) {
        QStringList nullable;
        for (const QString &name : m_keyFields) {
            const FieldDef *field = findField(SQLTbl, name);
            if (field && !field->required)
                nullable << name;
        }
        if (!nullable.isEmpty()) {
            m_note->say(nullableKeyNote(nullable));
            return;
        }
    }
    DataCheck check;
    check.kind = DataCheck::Kind::Unique;
    check.table = SQLTbl.TableName();
    check.fields = m_keyFields;
    m_note->check(check);
}

void TFrmIndexes::composeColumnChange(const QString &chosen, const FieldDef &field)
{
    if (chosen == SetNullable) {
        m_columnStatement = composeNullabilitySwitch(SQLTbl.TableName(), field);
        CmdCommit->setEnabled(!m_columnStatement.isEmpty());
        MmoSql->setText(m_columnStatement);
        if (m_columnStatement.isEmpty() || field.required) {
            m_note->say(nullabilityRefusal(field));
        } else {
            DataCheck check;
            check.kind = DataCheck::Kind::NotNull;
            check.table = SQLTbl.TableName();
            check.fields = {field.name};
            m_note->check(check);
        }
        return;
    }
    TxtIndexName->show();
    CmdCommit->setEnabled(true);
    PrecisionField = field.name;
    const QString size = sizeTextOf(field);
    // Assigning after a clear always changes the text, so the statement
    // is composed for the current size.
    TxtIndexName->Clear();
    TxtIndexName->setText(size);
}

void TFrmIndexes::composeKeyForm(const QString &name)
{
    const QString tableName = SQLTbl.TableName();
    const bool primary = action() == SetPrimaryKey;
    const int existing = name.isEmpty() ? -1 : SQLTbl.IndexOf(name);
    if (existing >= 0) {
        MmoSql->setText(composeDropIndexDef(tableName, SQLTbl.IndexDefs().at(size_t(existing))));
        m_note->clear();
        return;
    }
    MmoSql->setText(primary ? composePrimaryKey(tableName, name, SelectedFieldList)
                            : composeUniqueConstraint(tableName, name, SelectedFieldList));
    if (!m_keyFields.isEmpty())
        checkKey(); // the fields have not changed: the check shown stands
}

void TFrmIndexes::TxtIndexNameChange()
{
    LstFldNames->setItems(SQLTbl.GetFieldNames());
    const QString text = TxtIndexName->text();
    const IndexNameStep step = indexNameStep(text);
    // Each assignment runs this handler again for the new text.
    if (!step.settled) {
        TxtIndexName->setText(step.text);
        return;
    }
    const QString name = step.text;
    TxtIndexName->setText(name);
    TxtIndexName->setCursorPosition(int(name.size()));

    const QString chosen = action();
    if (chosen == SetPrimaryKey || chosen == SetUniqueIndex) {
        composeKeyForm(name);
    } else if (chosen == SetPrecision) {
        const FieldDef *field = findField(SQLTbl, PrecisionField);
        m_columnStatement = field ? composeSizeChange(SQLTbl.TableName(), *field, name) : QString();
        if (!field)
            m_note->clear();
        else if (m_columnStatement.isEmpty())
            m_note->say(sizeChangeRefusal(*field, name));
        else
            m_note->say(sizeShrinkNote(*field, name));
        MmoSql->clear();
        MmoSql->setText(m_columnStatement);
        CmdCommit->setEnabled(!m_columnStatement.isEmpty());
    }
}

void TFrmIndexes::LstTblInfoClick()
{
    const int row = LstTblInfo->currentRow();
    if (row < 0)
        return;
    const QString chosen = action();
    if (chosen == SetPrimaryKey || chosen == SetUniqueIndex) {
        const std::vector<IndexDef> &indexes = SQLTbl.IndexDefs();
        if (row >= int(indexes.size()))
            return;
        MmoSql->setText(composeDropIndexDef(SQLTbl.TableName(), indexes[size_t(row)]));
        m_note->clear();
        CmdCommit->setEnabled(true);
    } else if (chosen == SetNullable) {
        const std::vector<FieldDef> &fields = SQLTbl.FieldDefs();
        if (row < int(fields.size()))
            TxtIndexName->setText(QString::number(fields[size_t(row)].size));
        TxtIndexName->Clear();
        TxtIndexName->hide();
    }
}

void TFrmIndexes::runCommitted(const QString &sql)
{
    TSQLConnection &connection = session().connection();
    TTransaction *&transaction = session().SessionTransaction;
    transaction = connection.BeginTransaction();
    try {
        connection.ExecuteDirect(sql);
    } catch (...) {
        connection.RollbackFreeAndNil(transaction);
        throw;
    }
    connection.CommitFreeAndNil(transaction); // a failed commit is rolled back
}

void TFrmIndexes::CmdCommitClick()
{
    const QString chosen = action();
    if (chosen == SetNullable || chosen == SetPrecision) {
        // The statement composed for the column, never hand edits of the memo.
        if (m_columnStatement.isEmpty())
            return;
        runCommitted(m_columnStatement);
        m_note->clear(); // what it said was about the data before the change
        TSQLTable &tbl = table();
        tbl.Close();
        tbl.Refresh();
        tbl.Open();
        ShowRequiredProperties();
        return;
    }

    runCommitted(keyCommitText(MmoSql->Text()));
    m_note->clear();
    CmdCommit->setEnabled(false);
    CmbActions->setEnabled(false);
    LstFldNames->setEnabled(false);
    FormShow();
    LstFldNames->setEnabled(false);
    SQLTbl.Close();
    TSQLConnection &connection = session().connection();
    connection.Close();
    connection.Open();
    raise();
    activateWindow();
}

void TFrmIndexes::CmdCopySqlClick()
{
    MmoSql->selectAll();
    context().clipboard->setText(MmoSql->textCursor().selectedText().replace(QChar::ParagraphSeparator, LineBreak));
}
