// The yardstick for kestrin's start-up: a bare Qt Widgets window of the main window's size
// holding 40 plain labels. Built a second time with LOAD_FONTS_BEFORE_SHOW, it loads the
// font database before it shows, as kestrin's line edit makes kestrin do, to tell that
// cost from the rest.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(" Baseline 1.5"));
    window.setFixedSize(478, 444);
    for (int number = 0; number < 40; ++number) {
        auto* label = new QLabel(QStringLiteral("Label %1").arg(number + 1), &window);
        label->setGeometry(8 + number / 20 * 236, 8 + number % 20 * 21, 228, 19);
    }
#ifdef LOAD_FONTS_BEFORE_SHOW
    QFontMetrics(window.font()).height();
#endif
    window.show();
    return QApplication::exec();
}
