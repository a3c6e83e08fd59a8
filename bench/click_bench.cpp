// Time of one Calculate click handled in the main window, offscreen: the press and release
// reach the button, the engine reads the inputs and the value labels take the new texts;
// then, separately, the same click until the window has repainted the labels. The inputs
// alternate between two readings so that every click changes the labels. Then the compass
// opened by F2 until its first frame is drawn, and closed by Esc, again and again; and the
// reading's sheet printed to a PDF file. Prints figures; fails only if a click leaves the
// labels as they were or the compass never opens.
#include "figures.h"
#include "front_end.h"

#include "canvas.h"
#include "printer.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>

namespace {

constexpr int kClicks = 10'000;
constexpr int kWarmUpClicks = 200;
constexpr int kCompassOpenings = 1'000;
constexpr int kPrints = 50;

double MicrosecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

void Print(const char* what, const std::vector<double>& samples)
{
    std::printf("%-40s median %7.1f us   99th percentile %7.1f us\n", what, Median(samples), Percentile(samples, 0.99));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FrontEnd frontEnd;
    frontEnd.start();
    const QWidgetList windows = QApplication::topLevelWidgets();
    const QWidget& window = **std::ranges::find(windows, QStringLiteral("Form1"), &QObject::objectName);
    auto* year = window.findChild<QLineEdit*>("Text1");
    auto* sex = window.findChild<QComboBox*>("Combo1");
    auto* calculate = window.findChild<QPushButton*>("Command1");
    auto* kuaNumber = window.findChild<QLabel*>("Label18");
    QCoreApplication::processEvents();

    std::vector<double> handled;
    std::vector<double> repainted;
    for (int click = 0; click < kWarmUpClicks + kClicks; ++click) {
        year->setText(click % 2 ? QStringLiteral("79") : QStringLiteral("81"));
        sex->setEditText(click % 2 ? QStringLiteral("Female") : QStringLiteral("Male"));
        QCoreApplication::processEvents(); // the inputs' own repaint is not part of the click
        const QString before = kuaNumber->text();

        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(calculate, Qt::LeftButton);
        const double clicked = MicrosecondsSince(start);
        QCoreApplication::processEvents();
        const double painted = MicrosecondsSince(start);

        if (kuaNumber->text() == before) {
            std::fprintf(stderr, "click %d left the Kua number at \"%s\"\n", click, qPrintable(before));
            return 1;
        }
        if (click >= kWarmUpClicks) {
            handled.push_back(clicked);
            repainted.push_back(painted);
        }
    }

    std::printf("One Calculate click in the main window, offscreen, %d clicks after %d to warm up:\n", kClicks,
                kWarmUpClicks);
    Print("engine and labels", handled);
    Print("engine, labels and repaint", repainted);

    std::vector<double> opened;
    for (int open = 0; open < kWarmUpClicks + kCompassOpenings; ++open) {
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(calculate, Qt::Key_F2);
        const QWidget* compass = QApplication::activeWindow();
        QCoreApplication::processEvents(); // its first frame
        const double shown = MicrosecondsSince(start);
        if (!compass || !compass->findChild<Canvas*>()) {
            std::fprintf(stderr, "F2 opened no compass\n");
            return 1;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        if (open >= kWarmUpClicks)
            opened.push_back(shown);
    }
    std::printf("The compass opened by F2, offscreen, %d times after %d to warm up:\n", kCompassOpenings, kWarmUpClicks);
    Print("to its first frame", opened);

    QTemporaryDir folder;
    std::vector<double> printed;
    for (int print = 0; print < kPrints + 1; ++print) {
        const auto start = std::chrono::steady_clock::now();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("sheet.pdf")));
        PrintSheet(printer, [&](double width, double height) { return frontEnd.program().sheet(width, height); },
                   frontEnd.program().localized().language());
        if (print > 0) // the first loads the fonts
            printed.push_back(MicrosecondsSince(start));
    }
    std::printf("The reading's sheet printed to a PDF file, %d times after one:\n", kPrints);
    Print("the whole file", printed);
    return 0;
}
