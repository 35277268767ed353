// The built-in pictures: each image button of the main menu shows one of its
// own, all of one size, whatever icon theme the machine has; the window icon
// and the screens' backdrop load.
#include "app/ui/Images.h"
#include "app/ui/Screen.h"
#include "app/ui/Screens.h"
#include "app/ui/TFrmMain.h"
#include "tests/support/Scripted.h"

#include <QDir>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {

QImage comparable(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}

class ImagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A theme that cannot be found: nothing may fall back on one.
        QIcon::setThemeName(QStringLiteral("no-such-theme"));
    }

    void everyImageButtonShowsABuiltInPictureOfItsOwn()
    {
        QList<QImage> builtIn;
        const QDir set(QStringLiteral(":/images/buttons"));
        for (const QString &file : set.entryList({QStringLiteral("*.png")}))
            builtIn << comparable(QImage(set.filePath(file)));

        TestContext context;
        Screens screens(context);
        const QSize size(Images::ButtonSize, Images::ButtonSize);
        QStringList names;
        QList<QImage> shown;
        for (QToolButton *button : screens.main().findChildren<QToolButton *>()) {
            const QString name = button->objectName();
            names << name;
            QVERIFY2(!button->icon().isNull(), qPrintable(name));
            QCOMPARE(button->iconSize(), size);
            QCOMPARE(button->icon().availableSizes(), QList<QSize>{size});
            const QImage image = comparable(button->icon().pixmap(size).toImage());
            QCOMPARE(image.size(), size);
            QVERIFY2(builtIn.contains(image), qPrintable(name + " shows no built-in picture"));
            QVERIFY2(!shown.contains(image), qPrintable(name + " shows the picture of another button"));
            shown << image;
        }
        names.sort();
        QStringList expected = {"CmdOpenConn", "CmdAddRemoveIndexes", "CmdCreateRemoveFK", "CmdAddRemoveUsers",
                                "CmdAddRemoveRoles", "CmdAddRemoveFromRoles", "CmdGrantRevoke", "CmdCreateTable",
                                "CmdCreateDB", "CmdSetISQL", "CmdSetSessionPW", "CmdShowTables", "CmdExeSQL",
                                "CmdExit"};
        expected.sort();
        QCOMPARE(names, expected);
    }

    void windowIconComesInTheSizesADesktopAsksFor()
    {
        const QIcon icon = Images::program();
        for (int side : {16, 32, 48, 256}) {
            const QSize size(side, side);
            QVERIFY2(icon.availableSizes().contains(size), qPrintable(QString::number(side)));
            QCOMPARE(icon.pixmap(size).size(), size);
        }
    }

    void everyScreenHasTheBackdrop()
    {
        QVERIFY(!Images::background().isNull());
        TestContext context;
        Screens screens(context);
        for (const auto &screen : screens.all()) {
            auto *backdrop = screen->findChild<QLabel *>(QStringLiteral("JvImg"));
            QVERIFY2(backdrop, qPrintable(screen->objectName()));
            QCOMPARE(backdrop->pixmap().cacheKey(), Images::background().cacheKey());
        }
    }
};

QTEST_MAIN(ImagesTest)
#include "tst_images.moc"
