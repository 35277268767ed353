#pragma once

// Drives real widgets as a user would: clicks and keystrokes, found by name.
#include <QString>
#include <QtTest>

class QWidget;
class QListWidget;
class QComboBox;
class QLineEdit;
class QAbstractButton;
class TRadioGroup;
class TStringGrid;

namespace ui {

// The child of that object name and type; fails the test when there is none.
template <typename T> T *find(QWidget *parent, const QString &name)
{
    T *child = parent->findChild<T *>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

void clickItem(QListWidget *list, int row);
void clickItem(QListWidget *list, const QString &text);
void click(QAbstractButton *button);
// Replaces the text by typing: select all, then one keystroke per character.
void type(QLineEdit *edit, const QString &text);
void pick(QComboBox *combo, const QString &text);
void clickRadio(TRadioGroup *group, int index);
void clickCell(TStringGrid *grid, int column, int row);

}
