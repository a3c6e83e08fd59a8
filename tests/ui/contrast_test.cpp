// Under a dark desktop theme the windows keep their ink on the white ground they paint:
// every text stands out from its own ground, measured on the pixels the windows draw.
#include "dialog.h"
#include "dialog1.h"
#include "form1.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <cmath>

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b)
{
    const auto [darker, lighter] = std::minmax({Luminance(a), Luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The contrast of the ink that stands out most from the ground, the area's commonest colour.
double InkContrast(const QImage& image, QRect area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const QRgb ground = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                            return a.second < b.second;
                        })->first;
    double strongest = 1;
    for (auto [colour, count] : counts.asKeyValueRange())
        strongest = std::max(strongest, Contrast(colour, ground));
    return strongest;
}

// Where each text of a window is drawn, in the window's coordinates.
QMap<QString, QRect> TextAreas(const QWidget* window)
{
    QMap<QString, QRect> areas;
    const auto add = [&](const QWidget* widget, QRect rect) {
        areas[widget->objectName()] = QRect(widget->mapTo(window, rect.topLeft()), rect.size());
    };
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            add(label, label->rect());
    }
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        add(frame, frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame));
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        if (!button->text().isEmpty())
            add(button, button->rect().adjusted(3, 3, -3, -3)); // inside the button's edge
    }
    if (const auto* year = window->findChild<QLineEdit*>(QStringLiteral("Text1")))
        add(year, year->rect().adjusted(2, 2, -2, -2));
    if (const auto* sex = window->findChild<QComboBox*>(QStringLiteral("Combo1"))) {
        const QLineEdit* edit = sex->lineEdit();
        areas[QStringLiteral("Combo1")] = QRect(edit->mapTo(window, QPoint(0, 0)), edit->size());
    }
    return areas;
}

// What a dark platform theme hands the application: light texts on dark grounds.
QPalette DarkPalette()
{
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Window, QColor(42, 42, 42));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    return dark;
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    // Run under a dark platform theme, the test keeps the theme's own palette.
    void initTestCase()
    {
        if (QApplication::palette().color(QPalette::WindowText).lightness() < 128)
            QApplication::setPalette(DarkPalette());
    }

    void shouldKeepEveryTextReadableUnderADarkTheme_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main window with a reading") << QStringLiteral("Form1");
        QTest::newRow("message") << QStringLiteral("Dialog1");
        QTest::newRow("About") << QStringLiteral("Dialog");
    }

    void shouldKeepEveryTextReadableUnderADarkTheme()
    {
        QFETCH(QString, window);
        Form1 form1;
        Dialog1 message;
        Dialog about;
        QTest::keyClicks(form1.findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("81"));
        form1.findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText(QStringLiteral("Male"));
        form1.calculate();
        message.setMessage(QStringLiteral("Please select your sex either male or female."));

        QWidget* const shown = window == "Form1" ? static_cast<QWidget*>(&form1)
            : window == "Dialog1"                ? static_cast<QWidget*>(&message)
                                                 : &about;
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const QImage image = shown->grab().toImage();
        const QMap<QString, QRect> areas = TextAreas(shown);
        QVERIFY(areas.size() >= (window == "Form1" ? 49 : 2));
        QStringList figures;
        for (auto [name, area] : areas.asKeyValueRange()) {
            const qreal ratio = image.devicePixelRatio(); // pixels of the grab per layout pixel
            const double contrast = InkContrast(image, QRect(area.topLeft() * ratio, area.size() * ratio));
            const double needed = window == "Form1" && name == "Label18" ? 3.0 : 4.5; // 18 points is large text
            QVERIFY2(contrast >= needed, qPrintable(QStringLiteral("%1 %2: %3 : 1").arg(window, name).arg(contrast)));
            figures << QStringLiteral("%1 %2").arg(name).arg(contrast, 0, 'f', 2);
        }
        qInfo("%s contrast against the ground: %s", qPrintable(window), qPrintable(figures.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
