// The simplest yardstick for kestrin's start-up: a bare Qt Widgets window of the main
// window's size holding 40 plain labels. Labels lay out their text only when first
// painted, so this window loads the font database after it is mapped.
#include <QApplication>
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
    window.show();
    return QApplication::exec();
}
