#include "app_identity.h"

#include <QApplication>
#include <QIcon>
#include <QTest>

// What SetApplicationIdentity tells Qt, which in turn names the program to the desktop.
class AppIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetApplicationIdentity(); }

    void shouldNameProgramMakerAndVersion()
    {
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Orrindale"));
        QCOMPARE(QCoreApplication::organizationDomain(), QStringLiteral("orrindale.example"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("kestrin"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    }

    void shouldNameTheDesktopEntry()
    {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("example.orrindale.Morvane"));
    }

    void shouldLeaveWindowTitlesAlone()
    {
        // Unset, the display name falls back to the application name; set, Qt would
        // append it to every window title.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    }

    void shouldGiveWindowsTheIconInBothDrawnSizes()
    {
        const QIcon icon = QApplication::windowIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
        for (const int size : {16, 32})
            QVERIFY2(!icon.pixmap(size, size).isNull(), qPrintable(QString::number(size)));
    }
};

QTEST_MAIN(AppIdentityTest)
#include "app_identity_test.moc"
