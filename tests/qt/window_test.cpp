// The windows as a person meets them, under a dark desktop theme: what they answer to each
// script of steps (window_script.h says what each step does); what they draw, measured on
// their pixels; and a seeded random run of 20 000 steps, checking after each one what must
// always hold (MORVANE_STRESS_SEED replays a run; the seed is printed).
#include "picture.h"
#include "reading.h"
#include "window_script.h"

#include <QFile>
#include <QGroupBox>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStyleOptionGroupBox>

#include <cmath>

namespace {

// One script a paragraph: its name, a colon, then its steps; a line that goes on indents.
// First the texts that the scripts name in braces, each after "= " with its leading blank:
// the three messages, the default tip, the empty reading, the reading of 81 Male without
// its tip, and that tip.
const char* const kScripts = R"(
{A} = "Please enter last two digits of your birth year. For example, enter 81 if birth year is 1981, enter 00 if 2000."

{B} = "Please enter digits only, ranging from 00 to 99. No alphbatic characters."

{C} = "Please select your sex either male or female."

{tip} =  Never put water, plants or things representing them in your bed-room.

{none} = ||||||||||||||||||{tip}

{81} =  1| KAN| Water| South-East| Winter| Rooster/Cock| Black, dark blue| East| South| North| South-East| South-West|
  North-West| North-East| West| Lakes, aquarium, ponds| Water| Ox, snake or rooster|

{water} =  Put paintings of water, aquarium or things representing water in the south east direction of your home or
  office.

{said81} = Kua number : 1. Group : KAN. Element : Water. Sheng Ch'i : South-East. Best season : Winter. Chinese year :
  Rooster/Cock. Lucky color : Black, dark blue. Lucky object : Lakes, aquarium, ponds. Lucky for/in : Water.
  Best partners : Ox, snake or rooster. Good Directions. Health : East. Romance/Love : South. Mentors/Career : North.
  Success : South-East. Bad Directions. Total Loss : South-West. 6 Killings : North-West. 5 Ghosts North-East.
  Unlucky : West. Tips.{water}

start: expect centred; expect focus Text1; expect Combo1 Select; expect reading {none}

a reading, and one over it: year 81; sex Male; click Command1; expect reading {81}{water}; expect spoken {said81};
  year 79; key Alt+C;
  expect Label23 " Goat"; expect Label18 " 3"

a typed sex follows the element shown: year 79; sex Male; click Command1; sex male; year 81; click Command1;
  expect Label18 " "; expect Label22 " Spring"; expect Label23 " Rooster/Cock"; click Command5; year 81; sex male;
  click Command1; expect Label22 ""; expect Label39 "{tip}"

empty year, told by the message alone: year 81; sex Male; click Command1; year; click Command1;
  expect open Dialog1 {A}; expect spoken {said81}; expect Text1 "";
  expect reading {81}{water}; okay Dialog1; expect focus Text1; expect reading {81}{tip}

letters before no sex: year 81; sex Male; click Command1; year ab; sex Select; click Command1; expect open Dialog1 {B};
  expect Text1 ""; expect reading {81}{water}; okay Dialog1; expect focus Text1; expect reading {81}{tip}

no sex: year 81; sex Male; click Command1; year 79; sex Select; click Command1; expect open Dialog1 {C};
  expect Text1 79; expect reading {81}{water}; okay Dialog1; expect focus Combo1; expect reading {81}{tip}

the window works while the message is open, and reuses it: move; click Command1; activate Form1; year 81; sex Female;
  click Command1; expect Label18 " 8"; expect open Dialog1 {A}; sex Select; click Command1; expect open Dialog1 {C};
  expect active Dialog1; expect centred Dialog1

the message closes by Return, Space or Alt+K, not by Esc: click Command1; key Esc; expect open Dialog1; key Return;
  expect closed Dialog1; click Command1; key Space; expect closed Dialog1; click Command1; key Alt+K;
  expect closed Dialog1

About closes by Return, Space or Alt+K, not by Esc: click Command3; key Esc; expect open Dialog; key Return;
  expect closed Dialog; click Command3; key Space; expect closed Dialog; click Command3; key Alt+K; expect closed Dialog

one About dialog, centred on the main window; its okay returns to the year box and tip, not to a closed Form1: year 81;
  sex Male; click Command1; move; click Command3; activate Form1; key Alt+B; expect open Dialog; expect centred Dialog;
  expect active Dialog; okay Dialog; expect focus Text1; expect reading {81}{tip}; click Command3; close Dialog;
  expect active Form1; click Command3; close Form1; okay Dialog; expect closed Dialog; expect closed Form1

the default tip comes back from the program's own dialogs only: year 81; sex Male; click Command1; leave;
  expect Label39 "{water}"; year ab; click Command1; expect active Dialog1; expect Label39 "{water}"; okay Dialog1;
  expect Label39 "{tip}"

reset empties the values and the inputs, silently: year 81; sex Male; click Command1; key Alt+R;
  expect spoken {said81}; expect reading {none};
  expect Text1 ""; expect Combo1 Select; expect focus Text1; expect Label35 "Lucky for/in :"

Enter and Esc in the inputs and a click on the banner press nothing: year 81; sex Male; key Return; key Esc;
  click Text1; key Enter; key Esc; click Command2; expect Label18 ""; expect closed Dialog1; expect closed Dialog

Tab goes round, Shift+Tab back: year 81; sex Female; key Tab; expect focus Command3; key Tab; expect focus Command5;
  key Tab; expect focus Command1; key Return; expect Label18 " 8"; key Tab; expect focus Command4; key Tab;
  expect focus Text1; key Shift+Tab; key Shift+Tab; key Shift+Tab; key Shift+Tab; key Shift+Tab; expect focus Combo1

the year box holds two characters of any kind: year 197; expect Text1 19; year; paste 1979; expect Text1 19; year ab;
  expect Text1 ab

the sex box keeps what is typed, or picks from its list: sex male; key Return; expect Combo1 male; key Down;
  expect Combo1 Male; key Down; expect Combo1 Female

help and the web link: key Alt+H; expect opened /share/morvane/index.htm; click Label40;
  expect opened https://www.orrindale.example
)";

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

// The scripts with their placeholders filled in, each a name and its steps.
QList<std::pair<QString, QStringList>> Scripts()
{
    QList<std::pair<QString, QStringList>> scripts;
    QStringList texts; // name, text, name, text...
    for (QString paragraph : QString(kScripts).trimmed().split("\n\n")) {
        for (qsizetype i = 0; i < texts.size(); i += 2)
            paragraph.replace(texts[i], texts[i + 1]);
        paragraph.replace("\n  ", " ");
        if (paragraph.startsWith('{'))
            texts << paragraph.section(" = ", 0, 0) << paragraph.mid(paragraph.indexOf(" = ") + 3);
        else
            scripts.append({paragraph.section(": ", 0, 0), paragraph.section(": ", 1).split("; ")});
    }
    return scripts;
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
        QTest::addColumn<QStringList>("steps");
        for (const auto& [name, steps] : Scripts())
            QTest::newRow(qPrintable(name)) << steps;
    }

    void shouldAnswerWhatThePersonDoes()
    {
        QFETCH(QStringList, steps);
        WindowScript().run(steps);
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

    // A screen reader names each input and value by the caption on its left in its row.
    void shouldNameEachControlByTheCaptionBesideIt()
    {
        const WindowScript script;
        int named = 0;
        for (const QLabel* caption : script.form.findChildren<QLabel*>()) {
            const QWidget* control = caption->buddy();
            named += control != nullptr;
            QVERIFY2(!control
                         || (control->parentWidget() == caption->parentWidget() && control->x() > caption->x()
                             && std::abs(control->y() - caption->y()) <= 8),
                     qPrintable(caption->objectName()));
        }
        QCOMPARE(named, 20); // the two inputs and the eighteen values
    }

    void shouldHoldThroughRandomSteps()
    {
        const quint32 seed = qEnvironmentVariable("MORVANE_STRESS_SEED", "20260101").toUInt();
        qInfo("seed %u (MORVANE_STRESS_SEED replays a run)", seed);
        QRandomGenerator random(seed);
        QStringList vocabulary;
        for (const auto& [name, steps] : Scripts())
            vocabulary << QStringList(steps).filter(QRegularExpression("^(?!expect|close Form1)"));
        WindowScript script;
        QStringList recent;
        for (int i = 1; i <= 20'000 && !QTest::currentTestFailed(); ++i) {
            recent = recent.mid(recent.size() == 20 ? 1 : 0) << RandomStep(random, vocabulary);
            script.step(recent.last());
            const QString wrong = Violation(script);
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QString("step %1: %2; last steps:\n  %3").arg(i).arg(wrong, recent.join("\n  "))));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
