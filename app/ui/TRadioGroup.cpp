#include "app/ui/TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent), m_items(items), m_group(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], this);
        m_group->addButton(radio, i);
        layout->addWidget(radio);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &TRadioGroup::Click);
    // idToggled fires for the item left and the item chosen: act on the chosen one.
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            emit Change();
    });
}

int TRadioGroup::ItemIndex() const
{
    return m_group->checkedId();
}

void TRadioGroup::setItemIndex(int index)
{
    if (index < 0) {
        if (QAbstractButton *checked = m_group->checkedButton()) {
            m_group->setExclusive(false);
            checked->setChecked(false);
            m_group->setExclusive(true);
        }
        return;
    }
    if (QAbstractButton *radio = m_group->button(index))
        radio->setChecked(true);
}

QString TRadioGroup::selectedText() const
{
    const int index = ItemIndex();
    return index < 0 ? QString() : m_items.at(index);
}

QRadioButton *TRadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}
