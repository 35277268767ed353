#include "app/ui/TComboBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

TComboBox::TComboBox(QWidget *parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, &TComboBox::Change);
}

void TComboBox::setTypable(bool typable)
{
    setEditable(typable);
    if (typable) {
        setInsertPolicy(QComboBox::NoInsert);
        connect(lineEdit(), &QLineEdit::textEdited, this, &TComboBox::Change);
    }
}

void TComboBox::setItemIndex(int index)
{
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
    if (index < 0 && isEditable())
        lineEdit()->clear();
}
