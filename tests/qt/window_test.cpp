// The Qt windows as a person meets them, under a dark desktop theme: what they answer to
// each of the shared window scripts (tests/scripts/window_scripts.h says what each step
// does), and what they draw, measured on their pixels.
#include "pictures.h"
#include "catalogue.h"
#include "form1_description.h"
#include "qt_driver.h"
#include "window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTest>

#include <cmath>

using namespace morvane::forms;

namespace {

// The WCAG 2 contrast ratio between a picture's ground, its commonest colour, and the ink
// that stands out most from it.
double InkContrast(const QImage& image)
{
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int c) { return c <= 10 ? c / 3294.6 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.05 + 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
    };
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const auto commonest = [](auto a, auto b) { return a.second < b.second; };
    const double ground = luminance(std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), commonest)->first);
    double contrast = 1;
    for (const QRgb ink : counts.keys())
        contrast = std::max({contrast, luminance(ink) / ground, ground / luminance(ink)});
    return contrast;
}

// Where each text of a window is drawn, in the window's coordinates: a label's lines (a
// frame's caption is one), the inside of a button or an input (the sex box's is its line
// edit's), by the name of the control.
QMap<QString, QRect> TextBoxes(const QWidget* window)
{
    QMap<QString, QRect> boxes;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const bool hasText =
            (label || widget->inherits("QPushButton")) && !widget->property("text").toString().isEmpty();
        if (!hasText && !widget->inherits("QLineEdit"))
            continue;
        const QRect box = label
            ? label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->text()) & label->rect()
            : widget->rect().adjusted(3, 3, -3, -3);
        const QWidget* named = widget->objectName().isEmpty() ? widget->parentWidget() : widget;
        boxes[named->objectName()] = QRect(widget->mapTo(window, box.topLeft()), box.size());
    }
    return boxes;
}

// Whether the text needs more lines than the label has: the lines below its height are cut.
bool IsCutOff(const QLabel* label)
{
    const QRect lines =
        label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
    return lines.width() > label->width() || lines.height() > std::max(label->height(), label->fontMetrics().height());
}

void Play(const std::vector<std::string>& steps, FrontEndDriver& driver)
{
    const std::optional<std::string> wrong = ScriptPlayer(driver).playAll(steps);
    QVERIFY2(!wrong, wrong ? wrong->c_str() : "");
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // What a dark platform theme hands the application, light texts on dark grounds; run
    // under one, the test keeps the theme's own.
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        if (QApplication::palette().color(QPalette::WindowText).lightness() < 128)
            QApplication::setPalette(QPalette(QColor(238, 238, 236), QColor(42, 42, 42)));
    }

    void shouldAnswerWhatThePersonDoes() { QCOMPARE(PlayEveryScript(StartQtProgram), 0); }

    void shouldDrawEveryTextReadableAndWhole_data()
    {
        QTest::addColumn<Language>("language");
        for (const LanguageName& name : kLanguages)
            QTest::newRow(name.tag.data()) << name.language;
    }

    // With a reading, the longest message and About, in each language.
    void shouldDrawEveryTextReadableAndWhole()
    {
        QFETCH(Language, language);
        const std::unique_ptr<FrontEndDriver> driver = StartQtProgram(language);
        Play({"year 81", "key Tab", "key Down", "click Command1", "click Command3", "year", "click Command1", "year 81"},
             *driver);
        for (const char* name : {"Form1", "Dialog1", "Dialog"}) {
            QWidget* window = OpenWindow(name);
            const QImage image = window->grab().toImage();
            const qreal ratio = image.devicePixelRatio(); // pixels of the grab per layout pixel
            for (const QWidget* widget : window->findChildren<QWidget*>()) // each drawn control inside its container
                QVERIFY2(!widget->isVisible() || widget->isWindow() || widget->geometry().isEmpty()
                             || widget->parentWidget()->rect().contains(widget->geometry()),
                         qPrintable(widget->objectName()));
            const WindowDescription& description = static_cast<Window*>(window)->description();
            for (const Control& control : description.controls) { // made as described
                const QWidget* made = window->findChild<QWidget*>(FromUtf8(control.name));
                const PixelRect place = TwipsToPixels(PlaceInWindow(description, control));
                const Font& font = control.traits.font;
                const Rgb ink = control.traits.ink;
                QCOMPARE(QRect(made->mapTo(window, QPoint()), made->size()),
                         QRect(place.left, place.top, place.width, place.height));
                QCOMPARE(std::tuple(made->font().pixelSize(), made->font().bold(), made->font().italic()),
                         std::tuple(PointsToPixels(font.points), font.bold, font.italic));
                QCOMPARE(made->palette().color(QPalette::WindowText), QColor(ink.red, ink.green, ink.blue));
                QCOMPARE(made->toolTip() + '|' + made->accessibleName() + '|' + made->accessibleDescription(),
                         FromUtf8(control.traits.tip) + '|' + FromUtf8(control.traits.spokenName) + '|'
                             + FromUtf8(control.traits.spokenDescription));
            }
            const QMap<QString, QRect> boxes = TextBoxes(window);
            QStringList figures;
            for (auto [text, box] : boxes.asKeyValueRange()) {
                for (auto [other, otherBox] : boxes.asKeyValueRange())
                    QVERIFY2(text == other || !box.intersects(otherBox), qPrintable(text + " covers " + other));
                const double contrast = InkContrast(image.copy(QRect(box.topLeft() * ratio, box.size() * ratio)));
                figures << QStringLiteral("%1 %2").arg(text).arg(contrast, 0, 'f', 2);
                QVERIFY2(contrast >= (text == "Label18" ? 3 : 4.5), qPrintable(figures.last())); // 18 points is large
            }
            qInfo("%s contrast: %s", name, qPrintable(figures.join(", ")));
        }
        for (const qreal ratio : {1.0, 2.0}) // at 200 % the hand has twice the pixels, its size and its hot spot
            QCOMPARE(std::tuple(HandCursor(ratio).pixmap().size(), HandCursor(ratio).pixmap().devicePixelRatio(),
                                HandCursor(ratio).hotSpot()),
                     std::tuple(QSize(32, 32) * ratio, ratio, QPoint(0, 0)));
        QFile maps("/proc/self/maps"); // start-up read the pictures without loading the image plugins
        QVERIFY(maps.open(QIODevice::ReadOnly) && !maps.readAll().contains("/imageformats/"));
    }

    void shouldShowEveryReadingWhole_data() { shouldDrawEveryTextReadableAndWhole_data(); }

    // Every reading of a two-digit year fits its labels in each language: the tip in two
    // lines, the others in one.
    void shouldShowEveryReadingWhole()
    {
        QFETCH(Language, language);
        const std::unique_ptr<FrontEndDriver> driver = StartQtProgram(language);
        for (int year = 0; year < 100; ++year) {
            for (const std::string_view sex : kSexItems) {
                Play({QStringLiteral("year %1").arg(year, 2, 10, QChar('0')).toStdString(),
                      "sex " + std::string(Translate(sex, language)), "click Command1"},
                     *driver);
                for (const QLabel* label : OpenWindow("Form1")->findChildren<QLabel*>())
                    QVERIFY2(!IsCutOff(label),
                             qPrintable(QStringLiteral("%1 %2: %3").arg(year).arg(FromUtf8(sex), label->text())));
            }
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
