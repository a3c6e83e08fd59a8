// Every caption, and every text a reading can put into a label, fits that label in the
// font Qt actually resolves: one line where the label is one line high, its own lines
// where it is taller.
#include "window_driver.h"

#include "dialog.h"
#include "dialog1.h"
#include "form1_layout.h"

#include <QFontInfo>

namespace {

int LinesNeeded(const QLabel* label, const QString& text)
{
    const QFontMetrics metrics(label->font());
    const QRect bounds = metrics.boundingRect(QRect(0, 0, label->width(), 10'000), Qt::TextWordWrap, text);
    if (bounds.width() > label->width())
        return 1'000; // a single word wider than the label
    return qRound(double(bounds.height()) / metrics.lineSpacing());
}

int LinesAvailable(const QLabel* label)
{
    return qMax(1, label->height() / QFontMetrics(label->font()).lineSpacing());
}

} // namespace

class FontFitTest : public QObject {
    Q_OBJECT

private slots:
    void shouldResolveTheClassicFontOrItsMetricTwin()
    {
        WindowDriver window;
        const QString family = QFontInfo(window.year()->font()).family();
        QVERIFY2(family == "MS Sans Serif" || family == "Liberation Sans", qPrintable(family));
        QCOMPARE(QFontInfo(window.year()->font()).pixelSize(), 13);
    }

    void shouldFitEveryTextOfTheMainWindow()
    {
        WindowDriver window;
        const QMap<int, QStringList> readingTexts = ReadingTextsByLabel();
        for (int number = 1; number <= 40; ++number) {
            const auto* label = Child<QLabel>(window.form.get(), QString("Label%1").arg(number));
            QVERIFY(label);
            QStringList texts = readingTexts.value(number);
            if (number == kKuaNumberLabel) {
                for (int kua = 1; kua <= 9; ++kua)
                    texts << " " + QString::number(kua);
            }
            if (!label->text().isEmpty())
                texts << label->text();
            for (const QString& text : texts) {
                QVERIFY2(LinesNeeded(label, text) <= LinesAvailable(label),
                         qPrintable(QString("Label%1: \"%2\" needs %3 lines, has %4")
                                        .arg(number)
                                        .arg(text)
                                        .arg(LinesNeeded(label, text))
                                        .arg(LinesAvailable(label))));
            }
        }
        QCOMPARE(LinesAvailable(Child<QLabel>(window.form.get(), "Label39")), 2);
    }

    void shouldFitEveryButtonCaption()
    {
        WindowDriver window;
        for (int number : {1, 3, 4, 5}) {
            const QPushButton* button = window.button(number);
            const int textWidth = button->fontMetrics().horizontalAdvance(button->text().remove('&'));
            QVERIFY2(textWidth + 8 <= button->width(), qPrintable(button->text()));
        }
    }

    void shouldFitTheMessagesAndTheAboutTexts()
    {
        Dialog1 message;
        const auto* messageLabel = Child<QLabel>(&message, "Label1");
        QCOMPARE(LinesAvailable(messageLabel), 3);
        for (const std::string_view text :
             {morvane::kEmptyYearMessage, morvane::kBadYearMessage, morvane::kNoSexMessage})
            QVERIFY2(LinesNeeded(messageLabel, FromEngine(text)) <= 3, text.data());

        Dialog about;
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            const auto* label = Child<QLabel>(&about, name);
            QVERIFY2(LinesNeeded(label, label->text()) <= LinesAvailable(label), name);
        }
        QCOMPARE(LinesAvailable(Child<QLabel>(&about, "Label3")), 4);
    }
};

QTEST_MAIN(FontFitTest)
#include "font_fit_test.moc"
