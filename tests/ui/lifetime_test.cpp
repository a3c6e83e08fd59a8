// The program ends when its last window closes: a dialog left open keeps it running after
// the main window has been closed. Runs the real event loop, as the program does.
#include "window_driver.h"

#include <QTimer>

class LifetimeTest : public QObject {
    Q_OBJECT

private slots:
    void shouldRunUntilTheLastDialogCloses_data()
    {
        // clang-format off
        QTest::addColumn<bool>("withAbout");
        QTest::newRow("message dialog left open") << false;
        QTest::newRow("both dialogs left open") << true;
        // clang-format on
    }

    void shouldRunUntilTheLastDialogCloses()
    {
        QFETCH(bool, withAbout);
        WindowDriver window;
        window.calculate("", "Male");
        QTRY_VERIFY(OpenWindow("Dialog1"));
        if (withAbout) {
            window.form->activateWindow();
            QTest::keyClick(window.year(), Qt::Key_B, Qt::AltModifier);
            QTRY_VERIFY(OpenWindow("Dialog"));
        }

        QStringList stillOpen;
        QTimer::singleShot(0, window.form.get(), &QWidget::close);
        QTimer::singleShot(200, [&] {
            stillOpen << (OpenWindow("Dialog1") ? "Dialog1" : "") << (OpenWindow("Dialog") ? "Dialog" : "");
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->isVisible())
                    top->close();
            }
        });
        bool timedOut = false;
        QTimer::singleShot(10'000, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
        QCOMPARE(stillOpen, (QStringList{"Dialog1", withAbout ? "Dialog" : ""}));
    }
};

QTEST_MAIN(LifetimeTest)
#include "lifetime_test.moc"
