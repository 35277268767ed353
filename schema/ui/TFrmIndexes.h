#pragma once

#include "app/ui/Screen.h"
#include "session/TSQLTable.h"

#include <QStringList>

class QLabel;
class QPushButton;
class StatementNote;
class TComboBox;
class TEdit;
class TListBox;
class TMemo;

// "Create/Remove Indexes": sets and removes a table's primary key and unique
// constraints, and switches a column's NOT NULL or changes its size in place.
// Shown beside the main menu. Each action composes one statement into the
// memo as the user picks fields or types a name; "Commit Changes" runs it.
class TFrmIndexes : public Screen {
    Q_OBJECT
public:
    explicit TFrmIndexes(AppContext &context);

protected:
    void FormShow() override;

private:
    void LstTableNamesClick();
    void CmbActionsChange();
    void LstFldNamesClick();
    void composeColumnChange(const QString &chosen, const FieldDef &field);
    void TxtIndexNameChange();
    void LstTblInfoClick();
    void CmdCommitClick();
    void CmdCopySqlClick();
    void ShowRequiredProperties();

    QString action() const;
    bool keyAction() const;
    // The catalogue of the current table, bound to the session's connection.
    TSQLTable &table();
    void composeKeyForm(const QString &name);
    // What the server will say about the data for the key fields picked.
    void checkKey();
    void listIndexDefinitions();
    // Runs one statement in a transaction of its own on the shared connection;
    // a failure rolls it back, so none is left open.
    void runCommitted(const QString &sql);

    TListBox *LstConnData;
    QLabel *LblConnState;
    TListBox *LstTableNames;
    TListBox *LstFldNames;
    TComboBox *CmbActions;
    QLabel *LblChosenAction;
    QLabel *LblCurrentIndex;
    QLabel *LblIndexName;
    TEdit *TxtIndexName;
    TMemo *MmoSql;
    // The line under the statement (LblSqlNote): why nothing was composed, or
    // what the data will make the server say.
    StatementNote *m_note;
    QPushButton *CmdCopySql;
    QPushButton *CmdCommit;
    TListBox *LstTblInfo;
    TSQLTable SQLTbl;

    // One entry per index definition of the current table, fields joined by ";".
    QStringList KeyFieldList;
    // The fields picked last for a key, "A,B"; kept across tables and actions.
    QString SelectedFieldList;
    // The same fields as listed, for the data check.
    QStringList m_keyFields;
    // The column picked last for a size change.
    QString PrecisionField;
    // The column statement a commit runs in the column actions; the memo only shows it.
    QString m_columnStatement;
};
