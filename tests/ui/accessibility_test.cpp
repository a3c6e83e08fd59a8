// What a screen reader gets from the main window: names and descriptions of the inputs
// and buttons, and value labels read as their own texts, labelled by their captions.
#include "window_driver.h"

#include "dialog1.h"

#include <QAccessible>

namespace {

QString Text(QWidget* widget, QAccessible::Text kind)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QString("<not accessible>");
}

// The names of the objects that label this one.
QStringList LabelledBy(QWidget* widget)
{
    QStringList names;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    for (const auto& [other, relation] : accessible->relations(QAccessible::Label))
        names << other->object()->objectName();
    return names;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void shouldNameAndDescribeInputsAndButtons_data()
    {
        // clang-format off
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("year box") << "Text1" << "Last two digits of your birth year"
                                  << "For example, enter 79 if birth year is 1979, enter 01 if it is 2001.";
        QTest::newRow("Calculate") << "Command1" << "Calculate" << "";
        QTest::newRow("About") << "Command3" << "About" << "About this software and Orrindale";
        QTest::newRow("Help") << "Command4" << "Help" << "";
        QTest::newRow("Reset") << "Command5" << "Reset" << "Resets all fields";
        // clang-format on
    }

    void shouldNameAndDescribeInputsAndButtons()
    {
        QFETCH(QString, widget);
        QFETCH(QString, name);
        QFETCH(QString, description);
        WindowDriver window;
        QWidget* control = Child(window.form.get(), widget);
        QCOMPARE(Text(control, QAccessible::Name), name);
        QCOMPARE(Text(control, QAccessible::Description), description);
    }

    // On Linux the combo box reports its text as its name and is named through its label.
    void shouldLabelTheInputsByTheirCaptions()
    {
        WindowDriver window;
        QCOMPARE(window.sex()->accessibleName(), QStringLiteral("Your sex"));
        QCOMPARE(LabelledBy(window.year()), QStringList{"Label1"});
        QCOMPARE(LabelledBy(window.sex()), QStringList{"Label2"});
    }

    void shouldReadValueLabelsAsTheirTextsLabelledByTheirCaptions_data()
    {
        // clang-format off
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("labelledBy"); // the caption, then the frame around it
        QTest::addColumn<QString>("text");
        QTest::newRow("Kua number") << "Label18" << QStringList{"Label3"} << " 1";
        QTest::newRow("element") << "Label20" << QStringList{"Label5"} << " Water";
        QTest::newRow("lucky color") << "Label24" << QStringList{"Label9"} << " Black, dark blue";
        QTest::newRow("best partners") << "Label38" << QStringList{"Label37"} << " Ox, snake or rooster";
        QTest::newRow("health, in a frame") << "Label25" << QStringList{"Label10", "Frame2"} << " East";
        QTest::newRow("5 Ghosts, in a frame") << "Label31" << QStringList{"Label16", "Frame1"} << " North-East";
        // clang-format on
    }

    void shouldReadValueLabelsAsTheirTextsLabelledByTheirCaptions()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, labelledBy);
        QFETCH(QString, text);
        WindowDriver window;
        window.calculate("81", "Male");
        QLabel* label = Child<QLabel>(window.form.get(), value);
        QCOMPARE(Text(label, QAccessible::Name), text);
        QStringList actual = LabelledBy(label);
        actual.sort();
        labelledBy.sort();
        QCOMPARE(actual, labelledBy);
    }

    void shouldNameTheDialogButton()
    {
        Dialog1 message;
        QCOMPARE(Text(Child(&message, "Command1"), QAccessible::Name), QStringLiteral("Okay"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
