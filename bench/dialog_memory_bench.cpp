// Memory over time, offscreen: 10 000 rounds of the message dialog (a failing Calculate,
// then O&kay), the About dialog (About, then O&kay) and a reading. Prints the resident
// memory after the first hundred rounds and at the end; exits non-zero when the end is
// more than 1 MiB above the former, which is a leak and not a matter of speed.
#include "front_end.h"
#include "resident_memory.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

constexpr int kRounds = 10'000;
constexpr int kSettlingRounds = 100;
constexpr long kAllowedGrowthKiB = 1024;

// Lets the windows handle what the click posted, and frees the dialogs that closed.
void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Clicks O&kay on the open dialog of that name; false when there is none.
bool PressOkay(const char* dialogName)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1StringView(dialogName) && window->isVisible()) {
            QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
            Settle();
            return true;
        }
    }
    return false;
}

class Round {
public:
    explicit Round(const QWidget& window)
        : m_year(window.findChild<QLineEdit*>("Text1"))
        , m_sex(window.findChild<QComboBox*>("Combo1"))
        , m_calculate(window.findChild<QPushButton*>("Command1"))
        , m_about(window.findChild<QPushButton*>("Command3"))
    {
    }

    // One message dialog, one About dialog and one reading; false when a dialog did not open.
    bool run(int number) const
    {
        calculate(QString(), QStringLiteral("Male"));
        if (!PressOkay("Dialog1"))
            return false;
        QTest::mouseClick(m_about, Qt::LeftButton);
        Settle();
        if (!PressOkay("Dialog"))
            return false;
        calculate(number % 2 ? QStringLiteral("79") : QStringLiteral("81"), QStringLiteral("Female"));
        return true;
    }

private:
    void calculate(const QString& year, const QString& sex) const
    {
        m_year->setText(year);
        m_sex->setEditText(sex);
        QTest::mouseClick(m_calculate, Qt::LeftButton);
        Settle();
    }

    QLineEdit* m_year;
    QComboBox* m_sex;
    QPushButton* m_calculate;
    QPushButton* m_about;
};

// The offscreen platform cannot raise windows and says so each time a dialog shows.
void MuteRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(MuteRaiseWarnings);
    FrontEnd frontEnd;
    frontEnd.start();
    Settle();
    const QWidgetList windows = QApplication::topLevelWidgets();
    const QWidget& window = **std::ranges::find(windows, QStringLiteral("Form1"), &QObject::objectName);
    const Round round(window);

    long settledKiB = 0;
    for (int number = 1; number <= kRounds; ++number) {
        if (!round.run(number)) {
            std::fprintf(stderr, "round %d: a dialog did not open\n", number);
            return 2;
        }
        if (number == kSettlingRounds)
            settledKiB = ResidentKiB().value_or(0);
    }
    const long endKiB = ResidentKiB().value_or(0);

    std::printf("%d rounds of the message dialog, the About dialog and a reading, offscreen:\n", kRounds);
    std::printf("resident memory after %d rounds  %8ld KiB\n", kSettlingRounds, settledKiB);
    std::printf("resident memory after %d rounds %8ld KiB\n", kRounds, endKiB);
    std::printf("growth                              %+8ld KiB (allowed %ld KiB)\n", endKiB - settledKiB,
                kAllowedGrowthKiB);
    return endKiB - settledKiB > kAllowedGrowthKiB ? 1 : 0;
}
