#include "tests/support/UiDriver.h"

#include "app/ui/TRadioGroup.h"
#include "app/ui/TStringGrid.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace ui {

void clickItem(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    if (!item)
        qFatal("no row %d in %s", row, qPrintable(list->objectName()));
    list->scrollToItem(item);
    const QRect rect = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void clickItem(QListWidget *list, const QString &text)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text) {
            clickItem(list, row);
            return;
        }
    }
    qFatal("no item %s in %s", qPrintable(text), qPrintable(list->objectName()));
}

void click(QAbstractButton *button)
{
    if (!button->isEnabled())
        qFatal("%s is disabled", qPrintable(button->objectName()));
    button->click();
}

void type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    if (!edit->text().isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void pick(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    if (index < 0)
        qFatal("no item %s in %s", qPrintable(text), qPrintable(combo->objectName()));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void clickRadio(TRadioGroup *group, int index)
{
    group->button(index)->click();
}

void clickCell(TStringGrid *grid, int column, int row)
{
    const QRect rect = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

}
