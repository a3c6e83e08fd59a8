// Work the start-up spares: the program's pictures are read without loading Qt's
// image-format plugins, and its font names only an installed family, so that Qt never
// searches all fonts for a stand-in.
#include "window_driver.h"

#include "app_identity.h"
#include "classic_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>

namespace {

// The image-format plugin libraries mapped into this process (Linux only).
QStringList LoadedImageFormatPlugins()
{
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly))
        return {"<no /proc/self/maps>"};
    QStringList plugins;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        if (line.contains("/imageformats/"))
            plugins << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
    }
    plugins.removeDuplicates();
    return plugins;
}

} // namespace

class StartupWorkTest : public QObject {
    Q_OBJECT

private slots:
    void shouldReadThePicturesWithoutImageFormatPlugins()
    {
        SetApplicationIdentity();
        WindowDriver window;
        QCOMPARE(LoadedImageFormatPlugins(), QStringList());
        QCOMPARE(QApplication::windowIcon().availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(64, 64)}));
        QCOMPARE(window.button(2)->icon().availableSizes(), QList<QSize>{QSize(290, 31)});
    }

    void shouldNameOnlyAnInstalledFamily_data()
    {
        // clang-format off
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("13 pixels") << 13;
        QTest::newRow("24 pixels") << 24;
        // clang-format on
    }

    void shouldNameOnlyAnInstalledFamily()
    {
        QFETCH(int, pixelSize);
        const QFont font = ClassicFont(pixelSize);
        QCOMPARE(font.families().size(), 1);
        QVERIFY2(QFontDatabase::families().contains(font.family()), qPrintable(font.family()));
        QCOMPARE(QFontInfo(font).family(), font.family());
        QCOMPARE(font.pixelSize(), pixelSize);
    }
};

QTEST_MAIN(StartupWorkTest)
#include "startup_work_test.moc"
