#include "app/ui/TComboBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

TComboBox::TComboBox(QWidget *parent) : QComboBox(parent)
{
    // The list reports every pick, also of the item already shown; the index
    // only moves when another is picked.
    connect(this, &QComboBox::currentIndexChanged, this, [this] { m_moved = true; });
    connect(this, &QComboBox::activated, this, [this] {
        // A typable drop-down also "activates" the item matching the typed
        // text when editing ends (Enter, focus leaving); that changes nothing
        // the user has not already seen, so only a real change counts.
        if (isEditable() ? currentText() == m_reported : !m_moved)
            return;
        m_moved = false;
        m_reported = currentText();
        emit Change();
    });
}

void TComboBox::setTypable(bool typable)
{
    setEditable(typable);
    if (typable) {
        setInsertPolicy(QComboBox::NoInsert);
        // Without a completer the match on Enter or focus-out is exact, letter
        // case included: typed "true" stays "true".
        setCompleter(nullptr);
        connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString &text) {
            m_reported = text;
            emit Change();
        });
    }
}

void TComboBox::setItemIndex(int index)
{
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
    if (index < 0 && isEditable())
        lineEdit()->clear();
    m_reported = currentText();
    m_moved = false;
}
