// The Qt windows as a person meets them, under a dark desktop theme: what they answer to
// each of the shared window scripts (tests/scripts/window_scripts.h says what each step
// does), and what they draw, measured on their pixels.
#include "canvas.h"
#include "direction_table.h"
#include "painter.h"
#include "printer.h"
#include "pictures.h"
#include "catalogue.h"
#include "form1_description.h"
#include "qt_driver.h"
#include "window.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

#include <cmath>
#include <numbers>

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

// Whether the text is wider than the label, or needs more lines than it has: a line below
// the first whose baseline is below the label is cut off. (A Chinese face's line is taller
// than the label's, with the same room for its letters.)
bool IsCutOff(const QLabel* label)
{
    QTextLayout layout(label->text(), label->font());
    layout.beginLayout();
    double top = 0;
    bool cut = false;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->width());
        line.setPosition({0, top});
        cut = cut || line.naturalTextWidth() > label->width() || (top > 0 && top + line.ascent() > label->height());
        top += line.height();
    }
    layout.endLayout();
    return cut;
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
            for (const QLabel* label : window->findChildren<QLabel*>())
                QVERIFY2(!IsCutOff(label), qPrintable(label->text()));
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

    void shouldSpeakQtsOwnTextsAndDrawEachScriptInItsForms_data() { shouldDrawEveryTextReadableAndWhole_data(); }

    // Qt's own menus in the language, and its letters in the first of its faces that is
    // installed (with fonts-noto-cjk, Traditional in its TC forms).
    void shouldSpeakQtsOwnTextsAndDrawEachScriptInItsForms()
    {
        QFETCH(Language, language);
        const std::unique_ptr<FrontEndDriver> driver = StartQtProgram(language);
        Play({"rightclick Text1"}, *driver);
        const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().first()->text().startsWith(QLatin1StringView("&Undo")), language == Language::English);
        Play({"choose Compass"}, *driver); // which closes Qt's menu
        const auto faces = NameOf(language).faces;
        const auto face = std::ranges::find_if(faces, [](std::string_view face) {
            return QFontDatabase::families().contains(FromUtf8(face));
        });
        if (face == faces.end())
            return;
        const QLabel* caption = OpenWindow("Form1")->findChild<QLabel*>("Label10");
        QTextLayout layout(caption->text(), caption->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QCOMPARE(layout.glyphRuns().first().rawFont().familyName(), FromUtf8(*face));
    }

    void shouldDrawTheCompassAsTheReadingSays_data() { shouldDrawEveryTextReadableAndWhole_data(); }

    // After a reading for 81, Male, with north and with south at the top, under a light
    // and a dark palette: each sector in the tint of its star, good or bad, at the rim
    // (Kua 1's good directions are north, east, south-east and south); every text inside
    // the picture, over no other, and at 4.5:1 or more against what is around it.
    void shouldDrawTheCompassAsTheReadingSays()
    {
        QFETCH(Language, language);
        const std::unique_ptr<FrontEndDriver> driver = StartQtProgram(language);
        Play({"year 81", "key Tab", "key Down", "click Command1", "key F2"}, *driver);
        const QPalette desktop = QApplication::palette();
        for (const auto& [option, turn] : {std::pair{"Option1", 0}, {"Option2", 180}}) {
            Play({std::string("click Compass.") + option}, *driver);
            auto* canvas = OpenWindow("Compass")->findChild<Canvas*>();
            const Drawing& drawing = canvas->drawing();
            for (const QPalette& palette : {QPalette(Qt::white), QPalette(QColor(238, 238, 236), QColor(42, 42, 42))}) {
                QApplication::setPalette(palette);
                const QImage image = canvas->grab().toImage();
                const double ratio = image.devicePixelRatio();
                const auto* rim = std::get_if<Circle>(&*std::ranges::find_if(drawing.shapes, [](const Shape& shape) {
                    return std::holds_alternative<Circle>(shape);
                }));
                for (int bearing = 0; bearing < 360; bearing += 45) {
                    const double angle = (bearing + turn) * std::numbers::pi / 180;
                    const QPointF at(rim->centre.x + 0.9 * rim->radius * std::sin(angle),
                                     rim->centre.y - 0.9 * rim->radius * std::cos(angle));
                    const bool good = bearing == 0 || bearing == 90 || bearing == 135 || bearing == 180;
                    const Rgb tint = good ? kScreenPalette.good : kScreenPalette.bad;
                    QCOMPARE(image.pixelColor((at * ratio).toPoint()), QColor(tint.red, tint.green, tint.blue));
                }
                QList<QRectF> boxes;
                for (const Shape& shape : drawing.shapes) {
                    if (const auto* text = std::get_if<Text>(&shape))
                        boxes << TextBox(*text, language);
                }
                for (const QRectF& box : boxes) {
                    QVERIFY(QRectF(0, 0, drawing.width, drawing.height).contains(box));
                    QVERIFY(std::ranges::count_if(boxes, [&](const QRectF& other) { return other.intersects(box); }) == 1);
                    const QRect pixels = QRectF(box.topLeft() * ratio, box.size() * ratio).toAlignedRect();
                    QVERIFY(InkContrast(image.copy(pixels)) >= 4.5);
                }
            }
        }
        QApplication::setPalette(desktop);
    }

    void shouldPrintTheReadingOnOnePage_data() { shouldDrawEveryTextReadableAndWhole_data(); }

    // Printed to a PDF as to a printer, on A4 and on Letter, after a reading for 81 with the
    // compass turned south up: one page, whose text pdftotext reads back holds every row,
    // the inputs, the compass's directions and stars, and the tip.
    void shouldPrintTheReadingOnOnePage()
    {
        QFETCH(Language, language);
        const std::unique_ptr<FrontEndDriver> driver = StartQtProgram(language);
        Play({"year 81", "key Tab", "key Down", "click Command1", "key F2", "click Compass.Option2"}, *driver);
        QTemporaryDir folder;
        for (const QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
            const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(size));
            const Program& program = ProgramOf(*driver);
            PrintSheet(printer, [&](double width, double height) { return program.sheet(width, height); }, language);
            QProcess read;
            read.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            QVERIFY(read.waitForFinished());
            // Qt 6.4 writes a glyph Noto CJK shares with a Kangxi radical as the radical (⽔ for
            // 水, ⻥ for 鱼): NFKC gives most back, and in their place the radicals stand for any
            // Chinese character.
            QString text = QString::fromUtf8(read.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
            QCOMPARE(text.count(QChar('\f')), 1); // one page
            text.remove(QRegularExpression(QStringLiteral("\\s"))); // wrapped and spaced as the page has it
            QStringList expected = QString::fromStdString(program.readingText()).split('\n');
            for (const std::string_view direction : morvane::kDirections)
                expected << FromUtf8(program.localized().text(direction));
            for (const QString& line : expected) {
                QString pattern;
                const QString compared = line.normalized(QString::NormalizationForm_KC).remove(QRegularExpression(QStringLiteral("\\s")));
                for (const QChar c : compared)
                    pattern += c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff
                        ? QStringLiteral("(?:%1|[\\x{2e80}-\\x{2fdf}])").arg(c)
                        : QRegularExpression::escape(QString(c));
                QVERIFY2(text.contains(QRegularExpression(pattern)), qPrintable(line));
            }
        }
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
