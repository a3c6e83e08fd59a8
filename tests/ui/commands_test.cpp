// The commands of the main window and its dialogs, driven by clicks and keys.
#include "window_driver.h"

#include <QLocale>

#include <qpa/qwindowsysteminterface.h>

namespace {

const QString kMessageA = "Please enter last two digits of your birth year. For example, enter 81 if birth year is "
                          "1981, enter 00 if 2000.";
const QString kMessageB = "Please enter digits only, ranging from 00 to 99. No alphbatic characters.";
const QString kMessageC = "Please select your sex either male or female.";
const QString kWaterTip = " Put paintings of water, aquarium or things representing water in the south east "
                          "direction of your home or office.";

// Every value label's text, Label18 to Label39.
QStringList ValueLabels(const WindowDriver& window)
{
    QStringList texts;
    for (int number = 18; number <= 39; ++number) {
        if (number != 33 && number != 35 && number != 37)
            texts << window.label(number);
    }
    return texts;
}

QString MessageShown()
{
    QWidget* dialog = OpenWindow("Dialog1");
    return dialog ? Child<QLabel>(dialog, "Label1")->text() : QString("<no message>");
}

// What the window system does when the user switches to another application and back.
void LeaveAndReturnFromAnotherApplication(QWidget* window)
{
    QWindowSystemInterface::handleWindowActivated(nullptr);
    QWindowSystemInterface::flushWindowSystemEvents();
    QTRY_VERIFY(!window->isActiveWindow());
    QWindowSystemInterface::handleWindowActivated(window->windowHandle());
    QWindowSystemInterface::flushWindowSystemEvents();
    QTRY_VERIFY(window->isActiveWindow());
}

// Brings up the message dialog by a wrong input, or the About dialog by its button.
void OpenDialog(const WindowDriver& window, const QString& dialogName)
{
    if (dialogName == "Dialog1")
        window.calculate("", "Male");
    else
        QTest::mouseClick(window.button(3), Qt::LeftButton);
    QTRY_VERIFY(OpenWindow(dialogName));
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void cleanup()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void shouldShowWholeReadings_data()
    {
        // clang-format off
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QStringList>("labels"); // Label18 to Label32, skipping captions

        QTest::newRow("81 male") << "81" << "Male"
            << QStringList{" 1", " KAN", " Water", " South-East", " Winter", " Rooster/Cock", " Black, dark blue",
                           " East", " South", " North", " South-East", " South-West", " North-West", " North-East",
                           " West", " Lakes, aquarium, ponds", " Water", " Ox, snake or rooster"};
        QTest::newRow("79 male") << "79" << "Male"
            << QStringList{" 3", " CHEN", " Wood", " South", " Spring", " Goat", " Green", " North", " South-East",
                           " East", " South", " West", " North-East", " North-West", " South-West",
                           " Greens, plants, trees", " Family", " Rabbit, goat or pig"};
        // clang-format on
    }

    void shouldShowWholeReadings()
    {
        QFETCH(QString, year);
        QFETCH(QString, sex);
        QFETCH(QStringList, labels);
        WindowDriver window;
        window.calculate(year, sex);
        QStringList shown;
        for (const int number : {18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 34, 36, 38})
            shown << window.label(number);
        QCOMPARE(shown, labels);
        QCOMPARE(OpenWindowCount("Dialog1"), 0);
    }

    void shouldRejectInputAndKeepTheReading_data()
    {
        // clang-format off
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("yearAfter");

        QTest::newRow("empty year") << "" << "Male" << kMessageA << "Text1" << "";
        QTest::newRow("empty year and no sex") << "" << "Select" << kMessageA << "Text1" << "";
        QTest::newRow("letters") << "ab" << "Male" << kMessageB << "Text1" << "";
        QTest::newRow("lone minus") << "-" << "Male" << kMessageB << "Text1" << "";
        QTest::newRow("digit and letter") << "8a" << "Female" << kMessageB << "Text1" << "";
        QTest::newRow("no sex chosen") << "79" << "Select" << kMessageC << "Combo1" << "79";
        // clang-format on
    }

    void shouldRejectInputAndKeepTheReading()
    {
        QFETCH(QString, year);
        QFETCH(QString, sex);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, yearAfter);
        WindowDriver window;
        window.calculate("81", "Male");
        const QStringList before = ValueLabels(window);

        window.calculate(year, sex);
        QTRY_COMPARE(MessageShown(), message);
        QCOMPARE(window.year()->text(), yearAfter);
        QCOMPARE(window.form->focusWidget()->objectName(), focus);
        QCOMPARE(ValueLabels(window), before);

        PressOkay("Dialog1");
        QTRY_VERIFY(window.form->isActiveWindow());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void shouldReuseTheOpenMessageDialog()
    {
        WindowDriver window;
        window.calculate("", "Male");
        QTRY_VERIFY(OpenWindow("Dialog1"));
        const QPointer<QWidget> first = OpenWindow("Dialog1");

        window.form->activateWindow(); // the main window stays usable
        QTRY_VERIFY(window.form->isActiveWindow());
        window.calculate("81", "Select");
        QTRY_COMPARE(MessageShown(), kMessageC);
        QCOMPARE(OpenWindow("Dialog1"), first.data());
        QCOMPARE(OpenWindowCount("Dialog1"), 1);
        QTRY_VERIFY(first->isActiveWindow());

        PressOkay("Dialog1");
        window.calculate("ab", "Male");
        QTRY_COMPARE(MessageShown(), kMessageB);
        QCOMPARE(OpenWindowCount("Dialog1"), 1);
    }

    void shouldFillLabelsWhileTheMessageStaysOpen()
    {
        WindowDriver window;
        window.calculate("", "Male");
        QTRY_VERIFY(OpenWindow("Dialog1"));
        window.calculate("81", "Female");
        QCOMPARE(window.label(18), QStringLiteral(" 8"));
        QVERIFY(OpenWindow("Dialog1"));
    }

    void shouldCloseDialogsByOkayKeysButNotByEsc_data()
    {
        // clang-format off
        QTest::addColumn<QString>("dialogName");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("message, Enter") << "Dialog1" << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("message, Space") << "Dialog1" << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("message, Alt+K") << "Dialog1" << int(Qt::Key_K) << int(Qt::AltModifier);
        QTest::newRow("about, Enter") << "Dialog" << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("about, Space") << "Dialog" << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("about, Alt+K") << "Dialog" << int(Qt::Key_K) << int(Qt::AltModifier);
        // clang-format on
    }

    void shouldCloseDialogsByOkayKeysButNotByEsc()
    {
        QFETCH(QString, dialogName);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        WindowDriver window;
        OpenDialog(window, dialogName);
        QWidget* dialog = OpenWindow(dialogName);
        QTRY_VERIFY(dialog->isActiveWindow());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(OpenWindow(dialogName), dialog);

        const QPointer<QWidget> watched(dialog);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(watched.isNull());
    }

    void shouldOpenFixedOwnerlessDialogs_data()
    {
        // clang-format off
        QTest::addColumn<QString>("dialogName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("size");
        QTest::newRow("message") << "Dialog1" << " Oops . . ." << QSize(223, 103);
        QTest::newRow("about") << "Dialog" << " About" << QSize(402, 174);
        // clang-format on
    }

    void shouldOpenFixedOwnerlessDialogs()
    {
        QFETCH(QString, dialogName);
        QFETCH(QString, title);
        QFETCH(QSize, size);
        WindowDriver window;
        OpenDialog(window, dialogName);
        QWidget* dialog = OpenWindow(dialogName);
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(dialog->size(), size);
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!dialog->isModal());
        QVERIFY(!dialog->parentWidget());
        QVERIFY(!dialog->windowHandle()->transientParent());
        QCOMPARE(dialog->windowType(), Qt::Tool); // no task-bar button
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialog->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(window.form->isEnabled()); // modeless: the main window stays usable
    }

    void shouldKeepOneAboutDialog()
    {
        WindowDriver window;
        QTest::mouseClick(window.button(3), Qt::LeftButton);
        QTRY_VERIFY(OpenWindow("Dialog"));
        window.form->activateWindow();
        QTRY_VERIFY(window.form->isActiveWindow());
        QTest::mouseClick(window.button(3), Qt::LeftButton);
        QCOMPARE(OpenWindowCount("Dialog"), 1);
        QTRY_VERIFY(OpenWindow("Dialog")->isActiveWindow());
    }

    void shouldReturnFromAboutToTheYearBoxWithTheDefaultTip()
    {
        WindowDriver window;
        window.calculate("81", "Male");
        window.button(1)->setFocus();
        QCOMPARE(window.label(39), kWaterTip);
        const QStringList before = ValueLabels(window);

        QTest::mouseClick(window.button(3), Qt::LeftButton);
        QTRY_VERIFY(OpenWindow("Dialog"));
        PressOkay("Dialog");
        QTRY_VERIFY(window.form->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), window.year());
        QCOMPARE(window.label(39), kDefaultTipText);
        QStringList expected = before;
        expected.last() = kDefaultTipText;
        QCOMPARE(ValueLabels(window), expected);
    }

    void shouldCloseAboutWithoutBringingBackAClosedMainWindow()
    {
        WindowDriver window;
        QTest::mouseClick(window.button(3), Qt::LeftButton);
        QTRY_VERIFY(OpenWindow("Dialog"));
        window.form->close();
        QVERIFY(!window.form->isVisible());
        PressOkay("Dialog");
        QTest::qWait(50);
        QVERIFY(!window.form->isVisible());
    }

    void shouldShowDefaultTipOnActivationFromOwnDialogsOnly()
    {
        WindowDriver window;
        QTRY_COMPARE(window.label(39), kDefaultTipText); // first activation

        window.calculate("81", "Male");
        QCOMPARE(window.label(39), kWaterTip);
        LeaveAndReturnFromAnotherApplication(window.form.get());
        QCOMPARE(window.label(39), kWaterTip);

        window.calculate("ab", "Male"); // message dialog takes the activation
        QTRY_VERIFY(OpenWindow("Dialog1") && OpenWindow("Dialog1")->isActiveWindow());
        QCOMPARE(window.label(39), kWaterTip);
        PressOkay("Dialog1");
        QTRY_COMPARE(window.label(39), kDefaultTipText);
        QCOMPARE(window.label(18), QStringLiteral(" 1"));
    }

    void shouldResetEighteenLabelsAndInputs()
    {
        WindowDriver window;
        window.calculate("81", "Male");
        QTest::mouseClick(window.button(5), Qt::LeftButton);
        QStringList expected(19, QString());
        expected.last() = kDefaultTipText;
        QCOMPARE(ValueLabels(window), expected);
        QCOMPARE(window.year()->text(), QString());
        QCOMPARE(window.sex()->currentText(), QStringLiteral("Select"));
        QCOMPARE(QApplication::focusWidget(), window.year());
        QCOMPARE(window.label(3), QStringLiteral("Kua number :")); // captions stay
    }

    // Without a Kua number of its own, a reading follows the element the window still shows.
    void shouldFollowTheStaleElement()
    {
        WindowDriver window;
        window.calculate("79", "Male"); // Wood
        window.calculate("81", "male");
        QCOMPARE(window.label(18), QStringLiteral(" "));
        QCOMPARE(window.label(19), QStringLiteral(" CHEN"));
        QCOMPARE(window.label(20), QStringLiteral(" Wood"));
        QCOMPARE(window.label(22), QStringLiteral(" Spring"));
        QCOMPARE(window.label(23), QStringLiteral(" Rooster/Cock"));
        QCOMPARE(window.label(38), QStringLiteral(" Ox, snake or rooster"));

        QTest::mouseClick(window.button(5), Qt::LeftButton);
        window.calculate("81", "male");
        QCOMPARE(window.label(20), QString());
        QCOMPARE(window.label(22), QString());
        QCOMPARE(window.label(39), kDefaultTipText);
        QCOMPARE(window.label(23), QStringLiteral(" Rooster/Cock"));
    }

    void shouldShowOddYearValuesAsTheyCompute()
    {
        WindowDriver window;
        window.calculate("81", "Male");
        window.calculate(".5", "Male");
        QCOMPARE(window.label(18), QStringLiteral(" 0.95"));
        QCOMPARE(window.label(23), QStringLiteral(" Rooster/Cock")); // no zodiac row: kept
        window.calculate("-5", "Male");
        QCOMPARE(window.label(18), QStringLiteral(" 6"));
        QCOMPARE(window.label(19), QStringLiteral(" CHIEN"));
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
