#include "schema/ui/TFrmFK.h"

#include "app/ui/TEdit.h"
#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "app/ui/TRadioGroup.h"
#include "schema/ForeignKeyCatalog.h"
#include "schema/ForeignKeyName.h"
#include "schema/ForeignKeyStatements.h"
#include "schema/ui/StatementNote.h"
#include "session/TSQLQuery.h"
#include "session/ui/CRTbl.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const QString NoTables = QStringLiteral("Current connection has no tables to alter");

QString selectedItem(const TListBox *list)
{
    const int row = list->ItemIndex();
    return row < 0 ? QString() : list->item(row)->text();
}

void emptyAndDisable(TListBox *list)
{
    list->clear();
    list->setEnabled(false);
}

}

TFrmFK::TFrmFK(AppContext &context)
    : Screen(context, QStringLiteral("TFrmFK"), QStringLiteral("Create or Remove Foriegn Keys"))
{
    const QStringList rules = {QStringLiteral("CASCADE"), QStringLiteral("SET DEFAULT"), QStringLiteral("SET NULL")};
    LstTblSrc = make<TListBox>(QStringLiteral("LstTblSrc"));
    LstFldSrc = make<TListBox>(QStringLiteral("LstFldSrc"));
    LstTblDest = make<TListBox>(QStringLiteral("LstTblDest"));
    LstFldDest = make<TListBox>(QStringLiteral("LstFldDest"));
    LstExistingKeys = make<TListBox>(QStringLiteral("LstExistingKeys"));
    RGOnDelete = make<TRadioGroup>(QStringLiteral("RGOnDelete"), QStringLiteral("Delete Action"), rules);
    RGOnUpdate = make<TRadioGroup>(QStringLiteral("RGOnUpdate"), QStringLiteral("Update Action"), rules);
    TxtFKName = make<TEdit>(QStringLiteral("TxtFKName"));
    MmoSqlStatement = make<TMemo>(QStringLiteral("MmoSqlStatement"));
    CmdCopyText = makeButton(QStringLiteral("CmdCopyText"), QStringLiteral("Copy SQL to Clipboard"));
    CmdCommit = makeButton(QStringLiteral("CmdCommit"), ForeignKeyNeutralMode);
    m_note = new StatementNote(*this);

    LstFldSrc->setEnabled(false);
    LstTblDest->setEnabled(false);
    LstFldDest->setEnabled(false);
    RGOnDelete->setEnabled(false);
    RGOnUpdate->setEnabled(false);
    TxtFKName->setEnabled(false);
    CmdCommit->setEnabled(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(makeLabel(QStringLiteral("LblSrcTables"), QStringLiteral("Select Source Table For Foreign Key")), 0, 0);
    layout->addWidget(makeLabel(QStringLiteral("LblSrcFields"), QStringLiteral("Select Source Field For Foreign Key")), 0, 1);
    layout->addWidget(makeLabel(QStringLiteral("LblDestTables"), QStringLiteral("Select Destination Table For Foreign Key")), 0, 2);
    layout->addWidget(makeLabel(QStringLiteral("LblDestFields"), QStringLiteral("Select Destination Field For Foreign Key")), 0, 3);
    layout->addWidget(LstTblSrc, 1, 0);
    layout->addWidget(LstFldSrc, 1, 1);
    layout->addWidget(LstTblDest, 1, 2);
    layout->addWidget(LstFldDest, 1, 3);
    layout->addWidget(makeLabel(QStringLiteral("LblExistingKeys"), QStringLiteral("Existing Keys For Selected Source Table")), 2, 0, 1, 2);
    layout->addWidget(makeLabel(QStringLiteral("LblExistingKeysInstructions"), QStringLiteral("Select Keys Here For Deletion")), 3, 0, 1, 2);
    layout->addWidget(LstExistingKeys, 4, 0, 3, 2);
    layout->addWidget(RGOnDelete, 2, 2, 3, 1);
    layout->addWidget(RGOnUpdate, 2, 3, 3, 1);
    layout->addWidget(makeLabel(QStringLiteral("LblFKName"), QStringLiteral("Enter Foreign Key Name Here")), 5, 2, 1, 2);
    layout->addWidget(TxtFKName, 6, 2, 1, 2);
    layout->addWidget(makeLabel(QStringLiteral("LblSqlStatement"), QStringLiteral("Proposed SQL Statement")), 7, 0, 1, 4);
    layout->addWidget(MmoSqlStatement, 8, 0, 1, 4);
    layout->addWidget(m_note->row(), 9, 0, 1, 4);
    layout->addWidget(CmdCopyText, 10, 0);
    layout->addWidget(CmdCommit, 10, 3);

    on(LstTblSrc, &TListBox::Click, [this] { LstTblSrcClick(); });
    on(LstFldSrc, &TListBox::Click, [this] { LstFldSrcClick(); });
    on(LstTblDest, &TListBox::Click, [this] { LstTblDestClick(); });
    on(LstFldDest, &TListBox::Click, [this] { LstFldDestClick(); });
    on(LstExistingKeys, &TListBox::Click, [this] { LstExistingKeysClick(); });
    on(RGOnDelete, &TRadioGroup::Click, [this] { RGOnDeleteClick(); });
    on(RGOnUpdate, &TRadioGroup::Click, [this] { RGOnUpdateClick(); });
    on(TxtFKName, &TEdit::Change, [this] { TxtFKNameChange(); });
    on(CmdCopyText, &QPushButton::clicked, [this] { CmdCopyTextClick(); });
    on(CmdCommit, &QPushButton::clicked, [this] { CmdCommitClick(); });
}

QString TFrmFK::BuildForeignKeySQL(const QString &sourceTable, const QString &sourceField,
                                   const QString &destinationTable, const QString &destination) const
{
    const ForeignKeyChoices choices{CmdCommit->text(), TxtFKName->text(), RGOnDelete->selectedText(),
                                    RGOnUpdate->selectedText()};
    return ::BuildForeignKeySQL(choices, sourceTable, sourceField, destinationTable, destination);
}

bool TFrmFK::chainSelected() const
{
    return LstTblSrc->ItemIndex() >= 0 && LstFldSrc->ItemIndex() >= 0 && LstTblDest->ItemIndex() >= 0
        && LstFldDest->ItemIndex() >= 0;
}

void TFrmFK::composeFromSelection()
{
    MmoSqlStatement->setText(BuildForeignKeySQL(selectedItem(LstTblSrc), selectedItem(LstFldSrc),
                                                selectedItem(LstTblDest), selectedItem(LstFldDest)));
}

QString TFrmFK::statementText() const
{
    return MmoSqlStatement->Text();
}

void TFrmFK::showLines(const QString &first, const QString &second)
{
    messages().showMessage(first + LineBreak + second);
}

void TFrmFK::FormShow()
{
    if (!session().SessionConnection) {
        showLines(QStringLiteral("Must select connection data first before you can"),
                  QStringLiteral("add or remove any index information"));
        return;
    }
    LstTblSrc->clear();
    LstFldSrc->clear();
    TxtFKName->setEnabled(false);
    TxtFKName->Clear();
    MmoSqlStatement->setText(QString());
    RGOnDelete->setItemIndex(0);
    RGOnUpdate->setItemIndex(0);
    RGOnDelete->setEnabled(false);
    RGOnUpdate->setEnabled(false);
    CmdCommit->setText(ForeignKeyNeutralMode);
    CmdCommit->setEnabled(false);
    LstFldSrc->setEnabled(false);
    emptyAndDisable(LstTblDest);
    emptyAndDisable(LstFldDest);
    LstExistingKeys->clear();
    LstTblSrc->setItemIndex(-1);
    m_note->clear();

    FkTableNames = session().connection().GetTableNames();
    LstTblSrc->setItems(FkTableNames.isEmpty() ? QStringList{NoTables} : FkTableNames);
}

void TFrmFK::LstTblSrcClick()
{
    if (LstTblSrc->count() > 0 && LstTblSrc->item(0)->text() == NoTables)
        return;
    if (LstTblSrc->count() < 2) {
        showLines(QStringLiteral("Must have two or more tables"), QStringLiteral("in order to create a foreign key"));
        return;
    }
    const QString table = selectedItem(LstTblSrc);
    if (table.isEmpty())
        return;
    // Emptied first, so a table whose fields cannot be read leaves no fields
    // of the table picked before.
    LstFldSrc->clear();
    LstFldSrc->setItems(CRTbl(context()).FieldsForTable(table));
    if (LstFldSrc->count() == 0) {
        showLines(QStringLiteral("Network Error!"), QStringLiteral("Re-open connection and try again"));
        return;
    }

    CmdCommit->setText(ForeignKeyNeutralMode);
    LstFldSrc->setEnabled(true);
    emptyAndDisable(LstTblDest);
    emptyAndDisable(LstFldDest);
    RGOnDelete->setEnabled(false);
    RGOnUpdate->setEnabled(false);
    LstExistingKeys->clear();
    TxtFKName->setEnabled(false);
    TxtFKName->Clear();
    MmoSqlStatement->setText(QString());
    m_note->clear();

    const ForeignKeyListing listing = readForeignKeys(session().connection(), table);
    FkConstraintNames = listing.constraintNames;
    m_keysTable = table;
    for (int i = 0; i < FkConstraintNames.size(); ++i)
        LstExistingKeys->addItem(foreignKeyRow(FkConstraintNames[i], listing.referencedTables.value(i)));
}

void TFrmFK::LstFldSrcClick()
{
    CmdCommit->setText(ForeignKeyNeutralMode);
    CmdCommit->setEnabled(false);
    LstTblDest->setEnabled(true);
    LstTblDest->setItems(FkTableNames);
    emptyAndDisable(LstFldDest);
    MmoSqlStatement->setText(QString());
    m_note->clear();
    RGOnDelete->setEnabled(false);
    RGOnUpdate->setEnabled(false);
    TxtFKName->setEnabled(false);
    TxtFKName->Clear();
}

void TFrmFK::LstTblDestClick()
{
    m_note->clear();
    const QString destination = selectedItem(LstTblDest);
    if (selectedItem(LstTblSrc) == destination) {
        showLines(QStringLiteral("Source and destination tables can not be the same!"),
                  QStringLiteral("Choose a different source or destination table"));
        emptyAndDisable(LstFldDest);
    } else {
        LstFldDest->clear();
        LstFldDest->setEnabled(true);
        TxtFKName->Clear();
        TxtFKName->setEnabled(false);
        LstFldDest->setItems(CRTbl(context()).FieldsForTable(destination));
        MmoSqlStatement->setText(QString());
        CmdCommit->setText(ForeignKeyCreateMode);
        CmdCommit->setEnabled(false);
    }
    RGOnDelete->setEnabled(false);
    RGOnUpdate->setEnabled(false);
}

void TFrmFK::LstFldDestClick()
{
    RGOnDelete->setEnabled(true);
    RGOnUpdate->setEnabled(true);
    TxtFKName->Clear();
    CmdCommit->setText(ForeignKeyCreateMode);
    CmdCommit->setEnabled(false);

    const QString sourceTable = selectedItem(LstTblSrc);
    const QString sourceField = selectedItem(LstFldSrc);
    const QString destinationTable = selectedItem(LstTblDest);
    const QString destinationField = selectedItem(LstFldDest);
    TSQLConnection &connection = session().connection();
    const FieldKind sourceKind = probeFieldKind(connection, sourceTable, sourceField);
    const FieldKind destinationKind = probeFieldKind(connection, destinationTable, destinationField);

    MmoSqlStatement->setText(BuildForeignKeySQL(sourceTable, sourceField, destinationTable, destinationField));
    DataCheck check;
    check.kind = DataCheck::Kind::Orphans;
    check.table = sourceTable;
    check.fields = {sourceField};
    check.parentTable = destinationTable;
    check.parentFields = {destinationField};
    m_note->check(check);
    if (sourceKind == destinationKind) {
        TxtFKName->setEnabled(true);
    } else {
        showLines(QStringLiteral("Source and destination fields"), QStringLiteral("must have same data type!"));
        TxtFKName->setEnabled(false);
    }
    MmoSqlStatement->setEnabled(false);
}

void TFrmFK::ruleClicked()
{
    CmdCommit->setText(ForeignKeyCreateMode);
    TxtFKName->setEnabled(true);
    if (chainSelected())
        composeFromSelection();
}

void TFrmFK::RGOnDeleteClick()
{
    ruleClicked();
}

void TFrmFK::RGOnUpdateClick()
{
    ruleClicked();
}

void TFrmFK::TxtFKNameChange()
{
    const ForeignKeyNameStep step = rewriteForeignKeyName(TxtFKName->text());
    if (!step.final) {
        // The rewrite runs this handler again, which carries on from there.
        if (step.text.isEmpty())
            TxtFKName->Clear();
        else
            TxtFKName->setText(step.text);
        return;
    }
    TxtFKName->setText(step.text);
    TxtFKName->setCursorPosition(int(TxtFKName->text().size()));
    if (chainSelected()) {
        composeFromSelection();
        CmdCommit->setEnabled(true);
    }
    if (TxtFKName->text().isEmpty())
        CmdCommit->setEnabled(false);
}

void TFrmFK::LstExistingKeysClick()
{
    RGOnDelete->setEnabled(false);
    RGOnUpdate->setEnabled(false);
    emptyAndDisable(LstTblDest);
    emptyAndDisable(LstFldDest);
    TxtFKName->setEnabled(false);
    TxtFKName->Clear();
    CmdCommit->setText(ForeignKeyRemoveMode);
    m_note->clear();

    const int row = LstExistingKeys->ItemIndex();
    if (row < 0 || row >= FkConstraintNames.size())
        return;
    MmoSqlStatement->setText(BuildForeignKeySQL(m_keysTable, QString(), QString(), FkConstraintNames.at(row)));
    MmoSqlStatement->setEnabled(false);
    CmdCommit->setEnabled(true);
}

void TFrmFK::CmdCopyTextClick()
{
    MmoSqlStatement->selectAll();
    context().clipboard->setText(statementText());
    QTextCursor cursor = MmoSqlStatement->textCursor();
    cursor.clearSelection();
    MmoSqlStatement->setTextCursor(cursor);
}

void TFrmFK::CmdCommitClick()
{
    TSQLQuery query(&session().connection());
    query.SQL = statementText();
    query.ExecSQL();
    CmdCommit->setEnabled(false);
}
