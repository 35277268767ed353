#include "app/ui/TCentredMemo.h"

#include <QTextBlock>
#include <QTextCursor>

TCentredMemo::TCentredMemo(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setAcceptRichText(false);
}

void TCentredMemo::setLines(const QStringList &lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(format);
}

QStringList TCentredMemo::lines() const
{
    return toPlainText().split(QLatin1Char('\n'));
}
