#include "app/ui/TEdit.h"

#include <QFocusEvent>
#include <QSignalBlocker>

TEdit::TEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TEdit::Change);
}

void TEdit::Clear()
{
    if (text().isEmpty())
        emit Change();
    else
        setText(QString());
}

void TEdit::ClearQuietly()
{
    const QSignalBlocker quiet(this);
    setText(QString());
}

void TEdit::setMasked()
{
    setEchoMode(QLineEdit::Password);
    setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
}

void TEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit Exit();
}
