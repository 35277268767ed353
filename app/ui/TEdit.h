#pragma once

#include <QLineEdit>

// An edit whose Change runs at once, nested inside whatever changes the text,
// whenever the text really changes: typed, or assigned by the program.
// Assigning the text it already holds runs nothing; Clear() runs Change even
// when the edit was empty; ClearQuietly() empties it without running Change.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget *parent = nullptr);
    void Clear();
    void ClearQuietly();

signals:
    void Change();
};
