#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A captioned group of exclusive items. Click runs for a user's click on an
// item; Change runs whenever the selected item changes, by user or program.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);
    int ItemIndex() const;
    void setItemIndex(int index);
    // The text of the selected item; empty when none is.
    QString selectedText() const;
    QStringList Items() const { return m_items; }
    // The radio button of an item, for tests and layout.
    class QRadioButton *button(int index) const;

signals:
    void Click();
    void Change();

private:
    QStringList m_items;
    QButtonGroup *m_group;
};
