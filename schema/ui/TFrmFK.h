#pragma once

#include "app/ui/Screen.h"

#include <QStringList>

class QPushButton;
class StatementNote;
class TEdit;
class TListBox;
class TMemo;
class TRadioGroup;

// "Create or Remove Foriegn Keys": adds a one-field foreign key from a source
// table to a destination table with its delete and update rules, or drops one
// of the source table's foreign keys. The commit button's caption is the mode.
class TFrmFK : public Screen {
    Q_OBJECT
public:
    explicit TFrmFK(AppContext &context);

protected:
    void FormShow() override;

private:
    void LstTblSrcClick();
    void LstFldSrcClick();
    void LstTblDestClick();
    void LstFldDestClick();
    void LstExistingKeysClick();
    void RGOnDeleteClick();
    void RGOnUpdateClick();
    void TxtFKNameChange();
    void CmdCopyTextClick();
    void CmdCommitClick();

    // The statement for the four names under the current caption, name and rules.
    QString BuildForeignKeySQL(const QString &sourceTable, const QString &sourceField,
                               const QString &destinationTable, const QString &destination) const;
    // A rule click: create mode, the name may be typed, the statement carries the rule.
    void ruleClicked();
    bool chainSelected() const;
    void composeFromSelection();
    // The memo's text with the line breaks it was given (the widget keeps LF only).
    QString statementText() const;
    void showLines(const QString &first, const QString &second);

    TListBox *LstTblSrc;
    TListBox *LstFldSrc;
    TListBox *LstTblDest;
    TListBox *LstFldDest;
    TListBox *LstExistingKeys;
    TRadioGroup *RGOnDelete;
    TRadioGroup *RGOnUpdate;
    TEdit *TxtFKName;
    TMemo *MmoSqlStatement;
    QPushButton *CmdCopyText;
    QPushButton *CmdCommit;
    // The line under the statement (LblSqlNote): rows that refer to no parent.
    StatementNote *m_note;

    QStringList FkTableNames;
    QStringList FkConstraintNames;
    // The table FkConstraintNames were read for: a drop names this table even
    // when a later source-table click failed before listing keys again.
    QString m_keysTable;
};
