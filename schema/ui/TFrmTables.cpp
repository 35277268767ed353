#include "schema/ui/TFrmTables.h"

#include "app/ui/TComboBox.h"
#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "app/ui/TStringGrid.h"
#include "schema/TableNameRules.h"
#include "session/DbError.h"
#include "session/TSQLQuery.h"
#include "session/TTransaction.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString AddMode = QStringLiteral("Add Field Definition");
const QString RemoveMode = QStringLiteral("Remove Definition");

// Positions in CmbFldType of the two types that take a precision.
constexpr int DecimalPosition = 4;
constexpr int VarcharPosition = 12;

enum GridColumn { NameColumn, TypeColumn, NullableColumn, KeyColumn, PrecisionColumn, ColumnCount };

}

TFrmTables::TFrmTables(AppContext &context)
    : Screen(context, QStringLiteral("TFrmTables"), QStringLiteral("Create or Delete Tables"))
{
    LblFieldDefs = makeLabel(QStringLiteral("LblFieldDefs"), QStringLiteral("FieldDefinitions"));
    LblFldDefName = makeLabel(QStringLiteral("LblFldDefName"), QStringLiteral("Field Name"));
    LblFldDefType = makeLabel(QStringLiteral("LblFldDefType"), QStringLiteral("Field Type"));
    LblFldDefNullable = makeLabel(QStringLiteral("LblFldDefNullable"), QStringLiteral("Nullable"));
    LblFldDefPK = makeLabel(QStringLiteral("LblFldDefPK"), QStringLiteral("Primary Key"));
    LblPrec = makeLabel(QStringLiteral("LblPrec"), QStringLiteral("Precision"));
    StrGrdFldDefs = make<TStringGrid>(QStringLiteral("StrGrdFldDefs"), int(ColumnCount), 1);
    StrGrdFldDefs->horizontalHeader()->hide(); // the labels above stand for the column titles
    StrGrdFldDefs->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    StrGrdFldDefs->setMinimumSize(460, 180);
    LblFldDefErr = makeLabel(QStringLiteral("LblFldDefErr"), QString());
    LblFldName = makeLabel(QStringLiteral("LblFldName"), QStringLiteral("Field Name"));
    TxtFldName = make<TEdit>(QStringLiteral("TxtFldName"));
    LblFldType = makeLabel(QStringLiteral("LblFldType"), QStringLiteral("Field Data Type"));
    CmbFldType = make<TComboBox>(QStringLiteral("CmbFldType"));
    CmbFldType->addItems({"BIGINT", "BLOB", "CHAR", "DATE", "DECIMAL", "DOUBLE PRECISION", "FLOAT", "INTEGER",
                          "NUMERIC", "SMALLINT", "TIME", "TIMESTAMP", "VARCHAR"});
    CmbFldType->setItemIndex(-1);
    ChkNullable = make<QCheckBox>(QStringLiteral("ChkNullable"), QStringLiteral("Nullable"));
    ChkPK = make<QCheckBox>(QStringLiteral("ChkPK"), QStringLiteral("Primary Key"));
    LblPrecision = makeLabel(QStringLiteral("LblPrecision"), QStringLiteral("Precision"));
    LblPrecision->hide();
    TxtPrecision = make<TEdit>(QStringLiteral("TxtPrecision"));
    TxtPrecision->hide();
    LblPKName = makeLabel(QStringLiteral("LblPKName"), QStringLiteral("Enter Primary Key Name (Optional)"));
    LblPKName->hide();
    TxtPKName = make<TEdit>(QStringLiteral("TxtPKName"));
    TxtPKName->hide();
    CmdAddRemDef = makeButton(QStringLiteral("CmdAddRemDef"), AddMode);
    CmdAddRemDef->setEnabled(false);

    LblExistingTables = makeLabel(QStringLiteral("LblExistingTables"), QStringLiteral("Existing Tables"));
    LstTableNames = make<TListBox>(QStringLiteral("LstTableNames"));
    CmdRemoveTable = makeButton(QStringLiteral("CmdRemoveTable"), QStringLiteral("Remove Table"));
    CmdRemoveTable->setEnabled(false);
    LblConnectionState = makeLabel(QStringLiteral("LblConnectionState"), QString());
    LblEnterTableName = makeLabel(
        QStringLiteral("LblEnterTableName"),
        QStringLiteral("Enter table name bellow and click the 'Create Table' button to create a table"));
    LblEnterTableName->setWordWrap(true);
    TxtTableName = make<TEdit>(QStringLiteral("TxtTableName"));
    CmdCreateTable = makeButton(QStringLiteral("CmdCreateTable"), QStringLiteral("Create Table"));
    CmdCreateTable->setEnabled(false);
    CmdViewSql = makeButton(QStringLiteral("CmdViewSql"), QStringLiteral("View Sql Statement"));
    CmdViewSql->setEnabled(false);
    MmoSqlStatement = make<TMemo>(QStringLiteral("MmoSqlStatement"));
    CmdCopySql = makeButton(QStringLiteral("CmdCopySql"), QStringLiteral("Copy SQL to Clipboard"));

    auto *design = new QVBoxLayout;
    design->addWidget(LblFieldDefs);
    auto *titles = new QHBoxLayout;
    for (QLabel *title : {LblFldDefName, LblFldDefType, LblFldDefNullable, LblFldDefPK, LblPrec})
        titles->addWidget(title, 1);
    design->addLayout(titles);
    design->addWidget(StrGrdFldDefs, 1);
    design->addWidget(LblFldDefErr);
    auto *inputs = new QGridLayout;
    inputs->addWidget(LblFldName, 0, 0);
    inputs->addWidget(TxtFldName, 0, 1);
    inputs->addWidget(LblFldType, 1, 0);
    inputs->addWidget(CmbFldType, 1, 1);
    auto *checks = new QHBoxLayout;
    checks->addWidget(ChkNullable);
    checks->addWidget(ChkPK);
    checks->addStretch();
    inputs->addLayout(checks, 2, 1);
    inputs->addWidget(LblPrecision, 3, 0);
    inputs->addWidget(TxtPrecision, 3, 1);
    inputs->addWidget(LblPKName, 4, 0);
    inputs->addWidget(TxtPKName, 4, 1);
    inputs->addWidget(CmdAddRemDef, 5, 1);
    design->addLayout(inputs);

    auto *tables = new QVBoxLayout;
    tables->addWidget(LblExistingTables);
    tables->addWidget(LstTableNames, 1);
    tables->addWidget(CmdRemoveTable);
    tables->addWidget(LblConnectionState);
    tables->addWidget(LblEnterTableName);
    tables->addWidget(TxtTableName);
    auto *commands = new QHBoxLayout;
    commands->addWidget(CmdCreateTable);
    commands->addWidget(CmdViewSql);
    tables->addLayout(commands);
    tables->addWidget(MmoSqlStatement, 1);
    tables->addWidget(CmdCopySql);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(design, 3);
    layout->addLayout(tables, 2);
    resize(900, 560);

    on(TxtTableName, &TEdit::Change, [this] { TxtTableNameChange(); });
    on(TxtFldName, &TEdit::Change, [this] { TxtFldNameChange(); });
    on(TxtPrecision, &TEdit::Change, [this] { TxtFldNameChange(); });
    on(CmbFldType, &TComboBox::Change, [this] { CmbFldTypeChange(); });
    on(ChkPK, &QCheckBox::clicked, [this] { ChkPKClick(); });
    on(CmdAddRemDef, &QPushButton::clicked, [this] { CmdAddRemDefClick(); });
    connect(StrGrdFldDefs, &TStringGrid::Click, this,
            [this](int column, int row) { guarded([=, this] { StrGrdFldDefsClick(column, row); }); });
    on(LstTableNames, &TListBox::Click, [this] { LstTableNamesClick(); });
    on(CmdViewSql, &QPushButton::clicked, [this] { CmdViewSqlClick(); });
    on(CmdCreateTable, &QPushButton::clicked, [this] { CmdCreateTablClick(); });
    on(CmdRemoveTable, &QPushButton::clicked, [this] { CmdRemoveTableClick(); });
    on(CmdCopySql, &QPushButton::clicked, [this] { CmdCopySqlClick(); });
}

int TFrmTables::definitionCount() const
{
    return StrGrdFldDefs->RowCount() - 1;
}

QList<FieldDefinition> TFrmTables::definitions() const
{
    QList<FieldDefinition> fields;
    for (int row = 0; row < definitionCount(); ++row) {
        FieldDefinition field;
        field.name = StrGrdFldDefs->Cells(NameColumn, row);
        field.type = StrGrdFldDefs->Cells(TypeColumn, row);
        field.nullable = isNullableText(StrGrdFldDefs->Cells(NullableColumn, row));
        field.primaryKey = isPrimaryKeyText(StrGrdFldDefs->Cells(KeyColumn, row));
        field.precision = StrGrdFldDefs->Cells(PrecisionColumn, row);
        fields << field;
    }
    return fields;
}

QString TFrmTables::composeFromGrid()
{
    if (!TxtPKName->text().isEmpty()) {
        TxtPKName->setText(TxtPKName->text().trimmed());
        TxtPKName->setText(tidyName(TxtPKName->text()));
    }
    return composeCreateTable(TxtTableName->text(), definitions(), TxtPKName->text());
}

void TFrmTables::executeCommitted(const QString &sql)
{
    TSQLConnection &connection = session().connection();
    TSQLQuery query(&connection);
    query.SQL = sql;
    TTransaction *transaction = connection.BeginTransaction();
    try {
        query.ExecSQL();
    } catch (...) {
        // The shared connection must not keep a transaction that later statements would join.
        connection.RollbackFreeAndNil(transaction);
        throw;
    }
    connection.CommitFreeAndNil(transaction); // a failed commit is rolled back before it throws
}

void TFrmTables::setCaptionMode(const QString &caption)
{
    CmdAddRemDef->setText(caption);
}

void TFrmTables::FormShow()
{
    LblConnectionState->clear();
    TxtTableName->setEnabled(true);
    CmbFldType->setItemIndex(-1);
    TxtFldName->Clear();
    TxtTableName->Clear();
    CmbFldType->setEnabled(true);
    TxtFldName->setEnabled(true);
    LblFldDefErr->clear();
    ChkNullable->setChecked(false);
    ChkPK->setChecked(false);
    TxtPrecision->Clear();
    TxtPrecision->hide();
    LblPrecision->hide();

    StrGrdFldDefs->clearContents();
    StrGrdFldDefs->setRowCount(1);
    setCaptionMode(AddMode);
    TxtPKName->hide();
    LblPKName->hide();
    CmdRemoveTable->setEnabled(false);
    TxtPKName->Clear();

    QStringList names;
    try {
        if (!session().SessionConnection)
            throw DbError(QStringLiteral("No connection has been made"));
        names = session().SessionConnection->GetTableNames();
    } catch (const DbError &) {
        messages().showMessage(QStringLiteral("Must open a connection first!"));
        LblConnectionState->setText(QStringLiteral("Either you have not chosen to Create/Open") + LineBreak +
                                    QStringLiteral("a connection or there is a network error!"));
        // Tables of a connection that cannot be used are not offered for dropping.
        LstTableNames->clear();
        TxtTableName->setEnabled(false);
        TxtFldName->setEnabled(false);
        CmbFldType->setEnabled(false);
        return;
    }
    TxtFldName->setFocus();
    if (!names.isEmpty()) {
        LstTableNames->setItems(names);
    } else {
        LstTableNames->clear();
        LblConnectionState->setText(QStringLiteral("No Tables associated with current connection!"));
    }
}

void TFrmTables::TxtTableNameChange()
{
    const QString typed = TxtTableName->text();
    // A name picked from the list stands as the database holds it: the typing
    // rules would turn "My Table" into the name of another table.
    if (typed != m_pickedTable) {
        m_pickedTable.clear();
        const QString rewritten = nextNameRewrite(typed);
        if (typed.startsWith(QLatin1Char(' ')) || typed.startsWith(QLatin1Char('_'))) {
            TxtTableName->setText(rewritten); // runs this handler again on the new text
            return;
        }
        if (rewritten != typed) {
            TxtTableName->setText(rewritten);
            TxtTableName->end(false);
        }
    }

    MmoSqlStatement->setText(QString());
    const QString name = TxtTableName->text();
    if (name.trimmed().isEmpty()) {
        CmdCreateTable->setEnabled(false);
        return;
    }
    CmdCreateTable->setEnabled(true);
    if (LstTableNames->selectText(name) >= 0) {
        CmdCreateTable->setEnabled(false);
        CmdRemoveTable->setEnabled(true);
        LblConnectionState->setText(QStringLiteral("Table Name Already exists!"));
        return;
    }
    if (definitionCount() > 0) {
        LblConnectionState->clear();
        CmdCreateTable->setEnabled(true);
    } else {
        CmdCreateTable->setEnabled(false);
    }
    // No table is chosen any more; the list stays multi-select until one is picked.
    LstTableNames->setMultiSelect(false);
    LstTableNames->clearSelection();
    LstTableNames->setMultiSelect(true);
    CmdRemoveTable->setEnabled(false);
}

void TFrmTables::TxtFldNameChange()
{
    const QString name = TxtFldName->text();
    if (name.trimmed().isEmpty()) {
        CmdAddRemDef->setEnabled(false);
        return;
    }
    if (StrGrdFldDefs->findInColumn(NameColumn, name) >= 0) {
        CmdAddRemDef->setEnabled(false);
        LblFldDefErr->setText(QStringLiteral("Field Name Already exists!"));
    } else {
        CmdAddRemDef->setEnabled(true);
        LblFldDefErr->clear();
    }
}

void TFrmTables::CmbFldTypeChange()
{
    const int position = CmbFldType->ItemIndex();
    if (position == DecimalPosition || position == VarcharPosition) {
        TxtPrecision->show();
        LblPrecision->show();
        TxtPrecision->setFocus();
        TxtPrecision->setText(position == DecimalPosition ? QStringLiteral("10,4") : QStringLiteral("35"));
    } else {
        TxtPrecision->hide();
        LblPrecision->hide();
    }
}

void TFrmTables::ChkPKClick()
{
    if (StrGrdFldDefs->findInColumn(KeyColumn, primaryKeyText(true)) >= 0 && ChkPK->isChecked())
        TxtPKName->show();
}

void TFrmTables::StrGrdFldDefsClick(int, int row)
{
    if (definitionCount() < 1)
        return;
    setCaptionMode(row < definitionCount() ? RemoveMode : AddMode);
}

void TFrmTables::CmdAddRemDefClick()
{
    TxtFldName->setText(TxtFldName->text().trimmed());
    TxtFldName->setText(tidyName(TxtFldName->text()));

    const QString mode = CmdAddRemDef->text();
    if (mode == AddMode) {
        QStringList defined;
        for (int row = 0; row < definitionCount(); ++row)
            defined << StrGrdFldDefs->Cells(NameColumn, row);
        const FieldInput input{TxtFldName->text(), CmbFldType->Text().trimmed(), ChkNullable->isChecked(),
                               ChkPK->isChecked(), TxtPrecision->text()};
        const QStringList problem = fieldInputProblem(input, defined);
        if (!problem.isEmpty()) {
            messages().showMessage(problem.join(LineBreak));
            return;
        }
        const FieldDefinition field = defineField(input);
        const int row = StrGrdFldDefs->RowCount() - 1;
        StrGrdFldDefs->setCells(NameColumn, row, field.name);
        StrGrdFldDefs->setCells(TypeColumn, row, field.type);
        StrGrdFldDefs->setCells(NullableColumn, row, nullabilityText(field.nullable));
        StrGrdFldDefs->setCells(KeyColumn, row, primaryKeyText(field.primaryKey));
        StrGrdFldDefs->setCells(PrecisionColumn, row, field.precision);
        StrGrdFldDefs->setRowCount(row + 2);
        if (StrGrdFldDefs->findInColumn(KeyColumn, primaryKeyText(true)) >= 0 && ChkPK->isChecked()) {
            TxtPKName->show();
            LblPKName->show();
        }
    } else if (mode == RemoveMode) {
        // Always the last definition, whichever row was clicked.
        if (definitionCount() > 0) {
            const int last = definitionCount() - 1;
            for (int column = 0; column < ColumnCount; ++column)
                StrGrdFldDefs->setCells(column, last, QString());
            StrGrdFldDefs->setRowCount(StrGrdFldDefs->RowCount() - 1);
        }
        if (definitionCount() == 0) {
            setCaptionMode(AddMode);
            TxtPKName->hide();
            LblPKName->hide();
            TxtPKName->Clear();
            ChkPK->setChecked(false);
            ChkNullable->setChecked(false);
        }
    } else {
        return;
    }

    const bool defined = definitionCount() > 0;
    CmdCreateTable->setEnabled(defined);
    CmdViewSql->setEnabled(defined);
}

void TFrmTables::LstTableNamesClick()
{
    QListWidgetItem *picked = LstTableNames->currentItem();
    if (!picked)
        return;
    m_pickedTable = picked->text();
    TxtTableName->setText(picked->text());
    CmdRemoveTable->setEnabled(true);
    CmdCreateTable->setEnabled(false);
    CmdViewSql->setEnabled(true);
    MmoSqlStatement->setText(QString());
    LstTableNames->setMultiSelect(false);
}

void TFrmTables::CmdViewSqlClick()
{
    if (TxtTableName->text() != m_pickedTable) {
        TxtTableName->setText(upperCaseAscii(TxtTableName->text().trimmed()));
        TxtTableName->setText(tidyName(TxtTableName->text()));
    }
    if (CmdRemoveTable->isEnabled()) {
        MmoSqlStatement->setText(dropStatement());
        return;
    }
    MmoSqlStatement->setText(composeFromGrid());
}

QString TFrmTables::dropStatement() const
{
    // The table the list shows as chosen, whether picked or found by the typed
    // name; without one, the typed name as the server reads it unquoted.
    const QList<QListWidgetItem *> chosen = LstTableNames->selectedItems();
    const QString typed = TxtTableName->text();
    const QString listed = chosen.size() == 1 ? chosen.first()->text() : upperCaseAscii(typed);
    return composeDropTable(listed, typed == listed ? QString() : typed);
}

void TFrmTables::CmdCreateTablClick()
{
    TxtTableName->setText(TxtTableName->text().trimmed());
    TxtTableName->setText(tidyName(TxtTableName->text()));

    if (definitionCount() < 1) {
        const QString text = QStringLiteral("Must enter field definitions before creating a table");
        LblConnectionState->setText(text);
        messages().showMessage(text);
        return;
    }
    const QString wanted = upperCaseAscii(TxtTableName->text());
    for (const QString &existing : session().connection().GetTableNames()) {
        if (upperCaseAscii(existing) == wanted) {
            const QString text = QStringLiteral("Table name already exists");
            LblConnectionState->setText(text);
            messages().showMessage(text);
            return;
        }
    }
    const QString sql = composeFromGrid();
    if (TxtTableName->text().isEmpty()) {
        messages().showMessage(QStringLiteral("Must enter a Table Name"));
        return;
    }
    executeCommitted(sql);

    TxtPKName->hide();
    LblPKName->hide();
    CmdCreateTable->setEnabled(false);
    FormShow();
}

void TFrmTables::CmdRemoveTableClick()
{
    if (TxtTableName->text() != m_pickedTable)
        TxtTableName->setText(TxtTableName->text().trimmed());
    executeCommitted(dropStatement());
    CmdRemoveTable->setEnabled(false);
    CmdCreateTable->setEnabled(true);
    FormShow();
}

void TFrmTables::CmdCopySqlClick()
{
    MmoSqlStatement->selectAll();
    const QString text = MmoSqlStatement->Text();
    if (!text.isEmpty())
        context().clipboard->setText(text);
}
