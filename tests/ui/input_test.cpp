// Keyboard and mouse input of the main window: tab order, access keys, the two inputs.
#include "window_driver.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QUrl>

class InputTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void shouldStartWithFocusInYearBoxAndSelectInSexBox()
    {
        WindowDriver window;
        QTRY_COMPARE(QApplication::focusWidget(), window.year());
        QCOMPARE(window.sex()->currentText(), QStringLiteral("Select"));
        QCOMPARE(window.sex()->count(), 2);
        QCOMPARE(window.sex()->itemText(0), QStringLiteral("Male"));
        QCOMPARE(window.sex()->itemText(1), QStringLiteral("Female"));
        QCOMPARE(window.form->windowTitle(), QStringLiteral(" Morvane 1.5"));
        QCOMPARE(window.form->size(), QSize(478, 444));
        QCOMPARE(window.form->minimumSize(), window.form->maximumSize());
        QVERIFY(!(window.form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.form->windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    void shouldTabRoundTheInputsAndButtons()
    {
        WindowDriver window;
        const QList<QWidget*> order{window.year(),    window.sex(),     window.button(3),
                                    window.button(5), window.button(1), window.button(4)};
        QTRY_COMPARE(QApplication::focusWidget(), window.year());
        for (int step = 1; step <= order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* expected = order[step % order.size()];
            QVERIFY2(
                expected->hasFocus() || expected->isAncestorOf(QApplication::focusWidget()),
                qPrintable(QString("Tab step %1 reached %2").arg(step).arg(QApplication::focusWidget()->objectName())));
        }
        for (int step = order.size() - 1; step >= 0; --step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QWidget* expected = order[step];
            QVERIFY2(expected->hasFocus() || expected->isAncestorOf(QApplication::focusWidget()),
                     qPrintable(QString("Shift+Tab reached %1").arg(QApplication::focusWidget()->objectName())));
        }
    }

    void shouldCalculateResetAndAboutByAccessKeys()
    {
        WindowDriver window;
        window.enter("81", "Male");
        // An access key gives its button the focus and presses it a moment later.
        QTest::keyClick(window.year(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(window.label(18), QStringLiteral(" 1"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(window.label(18), QString());
        QCOMPARE(window.sex()->currentText(), QStringLiteral("Select"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(OpenWindow("Dialog"));
    }

    void shouldOpenHelpAndWebLink()
    {
        UrlRecorder recorder;
        WindowDriver window;
        QTest::keyClick(window.year(), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(recorder.opened.size(), 1);
        QTest::mouseClick(Child<QLabel>(window.form.get(), "Label40"), Qt::LeftButton);
        QCOMPARE(recorder.opened.size(), 2);
        QVERIFY(recorder.opened[0].isLocalFile());
        QVERIFY(recorder.opened[0].path().endsWith("/index.htm"));
        QCOMPARE(recorder.opened[1], QUrl("https://www.orrindale.example"));
        QCOMPARE(window.label(40), QStringLiteral("https://www.orrindale.example"));
    }

    void shouldPointAtTheWebLinkWithTheHandFromItsCorner()
    {
        WindowDriver window;
        const QLabel* link = Child<QLabel>(window.form.get(), "Label40");
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
        QCOMPARE(link->cursor().hotSpot(), QPoint(0, 0));
        QVERIFY(link->font().italic());
        QVERIFY(!link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void shouldHoldAtMostTwoCharacters()
    {
        WindowDriver window;
        QTest::keyClicks(window.year(), "197");
        QCOMPARE(window.year()->text(), QStringLiteral("19"));

        window.year()->clear();
        QApplication::clipboard()->setText("1979");
        QTest::keyClick(window.year(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window.year()->text(), QStringLiteral("19"));

        window.year()->clear();
        QTest::keyClicks(window.year(), "ab");
        QCOMPARE(window.year()->text(), QStringLiteral("ab"));
        QCOMPARE(window.year()->toolTip(),
                 QStringLiteral("For example, enter 79 if birth year is 1979, enter 01 if it is 2001."));
    }

    void shouldKeepTypedSexTextAsTyped_data()
    {
        // clang-format off
        QTest::addColumn<QString>("typed");
        QTest::newRow("lower case of an item") << "male";
        QTest::newRow("prefix of an item") << "Fem";
        QTest::newRow("capitals") << "FEMALE";
        QTest::newRow("item with a blank") << "Male ";
        // clang-format on
    }

    void shouldKeepTypedSexTextAsTyped()
    {
        QFETCH(QString, typed);
        WindowDriver window;
        window.enter("81", typed);
        QCOMPARE(window.sex()->currentText(), typed);
        QTest::keyClick(window.sex()->lineEdit(), Qt::Key_Return);
        QCOMPARE(window.sex()->currentText(), typed);
        QCOMPARE(window.sex()->count(), 2);
    }

    void shouldPickSexFromTheList()
    {
        WindowDriver window;
        window.sex()->setFocus();
        QTest::keyClick(window.sex(), Qt::Key_Down);
        QCOMPARE(window.sex()->currentText(), QStringLiteral("Male"));
        QTest::keyClick(window.sex(), Qt::Key_Down);
        QCOMPARE(window.sex()->currentText(), QStringLiteral("Female"));
    }

    void shouldPressNothingOnEnterOrEscInTheInputs()
    {
        WindowDriver window;
        window.enter("81", "Male");
        for (QWidget* input : {static_cast<QWidget*>(window.year()), static_cast<QWidget*>(window.sex()->lineEdit())}) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(input, key);
        }
        QCOMPARE(window.label(18), QString());
        QCOMPARE(OpenWindowCount("Dialog") + OpenWindowCount("Dialog1"), 0);
        QCOMPARE(window.year()->text(), QStringLiteral("81"));
    }

    void shouldPressTheFocusedButtonOnEnter()
    {
        WindowDriver window;
        window.enter("81", "Female");
        window.button(1)->setFocus();
        QTest::keyClick(window.button(1), Qt::Key_Return);
        QCOMPARE(window.label(18), QStringLiteral(" 8"));
    }

    void shouldDoNothingOnBannerClick()
    {
        WindowDriver window;
        window.calculate("81", "Male");
        QPushButton* banner = window.button(2);
        QCOMPARE(banner->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(banner, Qt::LeftButton);
        QCOMPARE(window.label(18), QStringLiteral(" 1"));
        QCOMPARE(window.year()->text(), QStringLiteral("81"));
        QCOMPARE(OpenWindowCount("Dialog") + OpenWindowCount("Dialog1"), 0);
        QCOMPARE(banner->iconSize(), QSize(290, 31));
        QVERIFY(!banner->icon().isNull());
    }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
