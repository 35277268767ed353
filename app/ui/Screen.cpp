#include "app/ui/Screen.h"

#include "app/ui/Images.h"
#include "session/DbError.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

Screen::Screen(AppContext &context, const QString &name, const QString &caption, QWidget *parent)
    : QDialog(parent), m_context(context)
{
    setObjectName(name);
    setWindowTitle(caption);
    JvImg = new QLabel(this);
    JvImg->setObjectName(QStringLiteral("JvImg"));
    JvImg->setPixmap(Images::background());
    JvImg->setScaledContents(true);
    JvImg->lower();
}

void Screen::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const DbError &error) {
        messages().showError(error.text());
    } catch (const std::exception &error) {
        messages().showError(QString::fromUtf8(error.what()));
    }
}

QPushButton *Screen::makeButton(const QString &name, const QString &caption)
{
    auto *button = make<QPushButton>(name, caption);
    button->setAutoDefault(false);
    return button;
}

QLabel *Screen::makeLabel(const QString &name, const QString &caption)
{
    return make<QLabel>(name, caption);
}

void Screen::FormResize()
{
    JvImg->setGeometry(0, 0, width(), height());
}

void Screen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void Screen::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        guarded([this] { FormClose(); });
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    guarded([this] { FormResize(); });
}
