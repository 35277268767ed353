#include "app/ui/Images.h"

#include <QFile>

namespace Images {

QIcon button(const QString &name)
{
    const QString file = QStringLiteral(":/images/buttons/%1.png").arg(name);
    return QFile::exists(file) ? QIcon(file) : QIcon();
}

QIcon program()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/images/kelvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

const QPixmap &background()
{
    static const QPixmap picture(QStringLiteral(":/images/background.png"));
    return picture;
}

}
