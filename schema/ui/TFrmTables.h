#pragma once

#include "app/ui/Screen.h"
#include "schema/CreateTableStatement.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TComboBox;
class TEdit;
class TListBox;
class TMemo;
class TStringGrid;

// "Create or Delete Tables": a new table is designed field by field in a
// grid whose last row is always empty and stands for the next definition;
// an existing table is picked from the list and dropped. The statement is
// composed from the grid on demand, never kept in step with it.
class TFrmTables : public Screen {
    Q_OBJECT
public:
    explicit TFrmTables(AppContext &context);

protected:
    void FormShow() override;

private:
    void TxtTableNameChange();
    void TxtFldNameChange();
    void CmbFldTypeChange();
    void ChkPKClick();
    void CmdAddRemDefClick();
    void StrGrdFldDefsClick(int column, int row);
    void LstTableNamesClick();
    void CmdViewSqlClick();
    void CmdCreateTablClick();
    void CmdRemoveTableClick();
    void CmdCopySqlClick();

    int definitionCount() const;
    QList<FieldDefinition> definitions() const;
    QString composeFromGrid();
    // Runs a statement in a transaction of its own on the session connection.
    void executeCommitted(const QString &sql);
    void setCaptionMode(const QString &caption);
    // DROP TABLE for the listed table chosen.
    QString dropStatement() const;

    QLabel *LblFieldDefs;
    QLabel *LblFldDefName;
    QLabel *LblFldDefType;
    QLabel *LblFldDefNullable;
    QLabel *LblFldDefPK;
    QLabel *LblPrec;
    TStringGrid *StrGrdFldDefs;
    QLabel *LblFldDefErr;
    QLabel *LblFldName;
    TEdit *TxtFldName;
    QLabel *LblFldType;
    TComboBox *CmbFldType;
    QCheckBox *ChkNullable;
    QCheckBox *ChkPK;
    QLabel *LblPrecision;
    TEdit *TxtPrecision;
    QLabel *LblPKName;
    TEdit *TxtPKName;
    QPushButton *CmdAddRemDef;
    QLabel *LblExistingTables;
    TListBox *LstTableNames;
    QPushButton *CmdRemoveTable;
    QLabel *LblConnectionState;
    QLabel *LblEnterTableName;
    TEdit *TxtTableName;
    QPushButton *CmdCreateTable;
    QPushButton *CmdViewSql;
    TMemo *MmoSqlStatement;
    QPushButton *CmdCopySql;

    // The list item last picked while the name edit still holds it as listed.
    QString m_pickedTable;
};
