// The windows as a person meets them, under a dark desktop theme: what they answer to each
// script of steps (tests/scripts/window_scripts.h holds them and says what each step does);
// what they draw, measured on
// their pixels; and a seeded random run of 20 000 steps, checking after each one what must
// always hold (MORVANE_STRESS_SEED replays a run; the seed is printed).
#include "picture.h"
#include "reading.h"
#include "window_script.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStyleOptionGroupBox>

#include <cmath>

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

// Where each text of a window is drawn, in the window's coordinates: a label's lines, a
// frame's caption, the inside of a button or an input (the sex box's is its line edit's).
QMap<QString, QRect> TextBoxes(const QWidget* window)
{
    QMap<QString, QRect> boxes;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* frame = qobject_cast<const QGroupBox*>(widget);
        QRect box = widget->rect().adjusted(3, 3, -3, -3);
        if (label)
            box = label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->text()) & label->rect();
        QStyleOptionGroupBox option;
        option.initFrom(widget);
        option.text = frame ? frame->title() : QString();
        if (frame)
            box = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        const QString name =
            widget->objectName().isEmpty() ? widget->parentWidget()->objectName() : widget->objectName();
        if ((label || qobject_cast<const QPushButton*>(widget)) ? !widget->property("text").toString().isEmpty()
                                                                : frame || qobject_cast<const QLineEdit*>(widget))
            boxes[name] = QRect(widget->mapTo(window, box.topLeft()), box.size());
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

// A step of a person acting at random: one that a script takes, but for its checks and its
// closing of the main window; what it types or pastes is often replaced by characters of
// any kind.
QString RandomStep(QRandomGenerator& random, const QStringList& vocabulary)
{
    static const QStringList characters = QStringLiteral("0|1|5|8|9|a|Z|+|-|.|,| |\u00e9|\u4e2d|\U0001F600").split('|');
    QString step = vocabulary[random.bounded(int(vocabulary.size()))];
    if (random.bounded(2) == 0 && QRegularExpression("^(year|sex|paste)").match(step).hasMatch()) {
        step = step.section(' ', 0, 0) + ' ';
        for (int n = 1 + random.bounded(step.startsWith("paste") ? 400 : 3); n > 0; --n)
            step += characters[random.bounded(int(characters.size()))];
    }
    return step;
}

// What is wrong now: more than one dialog of a kind, or one closed but not gone; or a text
// cut off (but for a Kua number of more than one digit, which only odd years give).
QString Violation(const WindowScript& script)
{
    QStringList wrong;
    for (const char* name : {"Dialog", "Dialog1"}) // one at most, and none once closed
        if (std::ranges::count(qApp->topLevelWidgets(), name, &QObject::objectName) > (OpenWindow(name) ? 1 : 0))
            wrong << name;
    for (const QWidget* window : QApplication::topLevelWidgets())
        for (const QLabel* label : window->isVisible() ? window->findChildren<QLabel*>() : QList<QLabel*>())
            if (IsCutOff(label) && (label->objectName() != "Label18" || label->text().size() <= 2))
                wrong << label->objectName() + " cut off: " + label->text();
    return wrong.join("; ");
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

    void shouldAnswerWhatThePersonDoes_data()
    {
        QTest::addColumn<int>("script");
        for (int index = 0; const Script& script : WindowScripts())
            QTest::newRow(script.name.c_str()) << index++;
    }

    void shouldAnswerWhatThePersonDoes()
    {
        QFETCH(int, script);
        WindowScript().run(WindowScripts()[static_cast<std::size_t>(script)].steps);
    }

    void shouldDrawEveryTextReadableAndWhole()
    {
        WindowScript script;
        script.run({"year 81", "sex Male", "click Command1", "click Command3", "sex Select", "click Command1"});
        for (const char* name : {"Form1", "Dialog1", "Dialog"}) {
            QWidget* window = OpenWindow(name);
            const QImage image = window->grab().toImage();
            const qreal ratio = image.devicePixelRatio(); // pixels of the grab per layout pixel
            for (const QWidget* widget : window->findChildren<QWidget*>()) // each drawn control inside its container
                QVERIFY2(!widget->isVisible() || widget->isWindow() || widget->geometry().isEmpty()
                             || widget->parentWidget()->rect().contains(widget->geometry()),
                         qPrintable(widget->objectName()));
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
        for (const qreal ratio : {1.0, 2.0}) // at 200 % the hand has twice the pixels and keeps its size
            QCOMPARE(std::pair(HandCursor(ratio).pixmap().size(), HandCursor(ratio).pixmap().devicePixelRatio()),
                     std::pair(QSize(32, 32) * ratio, ratio));
        QFile maps("/proc/self/maps"); // start-up read the pictures without loading the image plugins
        QVERIFY(maps.open(QIODevice::ReadOnly) && !maps.readAll().contains("/imageformats/"));
    }

    void shouldHoldThroughRandomSteps()
    {
        const quint32 seed = qEnvironmentVariable("MORVANE_STRESS_SEED", "20260101").toUInt();
        qInfo("seed %u (MORVANE_STRESS_SEED replays a run)", seed);
        QRandomGenerator random(seed);
        QStringList vocabulary;
        for (const Script& script : WindowScripts()) {
            for (const std::string& step : script.steps)
                vocabulary << QString::fromStdString(step);
        }
        vocabulary = vocabulary.filter(QRegularExpression("^(?!expect|close Form1)"));
        WindowScript script;
        QStringList recent;
        for (int i = 1; i <= 20'000 && !QTest::currentTestFailed(); ++i) {
            recent = recent.mid(recent.size() == 20 ? 1 : 0) << RandomStep(random, vocabulary);
            script.player.play(recent.last().toStdString());
            const QString wrong = Violation(script);
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QString("step %1: %2; last steps:\n  %3").arg(i).arg(wrong, recent.join("\n  "))));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
