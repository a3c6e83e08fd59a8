// The reading engine, from the window's two texts to the reading: every year a person can
// type against the digit-sum rule, and the telling and odd inputs as rows of one table.
#include "reading.h"
#include "zodiac_table.h"

#include <QTest>

using namespace morvane;

namespace {

QString Q(std::optional<std::string_view> text)
{
    return text ? QString::fromUtf8(text->data(), std::ssize(*text)) : QStringLiteral("-");
}

// The Kua number of a whole year 0 to 99 from its repeated digit sum, worked out apart
// from the engine's arithmetic.
int KuaByDigitSum(int year, bool male)
{
    constexpr int kByDigitSum[2][9] = {{6, 7, 8, 9, 1, 2, 3, 4, 8}, {9, 8, 7, 6, 2, 4, 3, 2, 1}}; // female, male
    return year == 0 ? (male ? 1 : 2) : kByDigitSum[male][(year - 1) % 9];
}

// One press of Calculate in one line: the failure's message (A, B or C), the box it puts
// the focus in and whether it empties the year box; or the Kua number text, the group,
// the lucky object and the Chinese year, "-" where an entry is absent.
QString Outcome(const QStringList& input) // year, sex, element label's caption, decimal separator
{
    const std::string year = input[0].toStdString(), sex = input[1].toStdString();
    const auto result = Calculate({year, sex}, input[2].toStdString(), input[3].toStdString());
    if (const auto* failure = std::get_if<InputFailure>(&result)) {
        const QString message = failure->message == kEmptyYearMessage ? "A"
            : failure->message == kBadYearMessage                     ? "B"
            : failure->message == kNoSexMessage                       ? "C"
                                                                      : Q(failure->message);
        return message + (failure->focus == InputBox::Year ? " year" : " sex")
            + (failure->clearsYear ? " emptied" : "");
    }
    const auto& reading = std::get<KuaReading>(result);
    return QString::fromStdString(reading.kuaNumber) + "|" + Q(reading.at(ReadingEntry::Group)) + "|"
        + Q(reading.at(ReadingEntry::LuckyObject)) + "|" + Q(reading.at(ReadingEntry::ChineseYear));
}

} // namespace

class ReadingTest : public QObject {
    Q_OBJECT

private slots:
    void shouldReadEveryYearAPersonCanType()
    {
        for (int year = 0; year <= 99; ++year) {
            for (const QString& text : {QString::asprintf("%02d", year), QString::number(year)}) {
                for (const bool male : {true, false}) {
                    const std::string yearText = text.toStdString();
                    const KuaReading reading =
                        std::get<KuaReading>(Calculate({yearText, male ? "Male" : "Female"}, ""));
                    QCOMPARE(reading.kuaNumber, " " + std::to_string(KuaByDigitSum(year, male)));
                    for (const std::optional<std::string_view>& entry : reading.entries) // one blank, then the text
                        QVERIFY2(entry && entry->size() > 1 && entry->at(0) == ' ' && entry->at(1) != ' ',
                                 qPrintable(text));
                    QCOMPARE(reading.at(ReadingEntry::ChineseYear), kAnimals[year % 12]);
                    QCOMPARE(reading.at(ReadingEntry::BestPartners), kPartners[year % 4]);
                    QCOMPARE(reading.at(ReadingEntry::Success), reading.at(ReadingEntry::ShengChi));
                }
            }
        }
    }

    void shouldGiveTheOutcomeOfEachInput_data()
    {
        QTest::addColumn<QStringList>("input"); // year, sex, element label's caption, separator, outcome
        const auto row = [](const char* name, const QStringList& input) { QTest::newRow(name) << input; };
        row("81 male", {"81", "Male", "", ".", " 1| KAN| Lakes, aquarium, ponds| Rooster/Cock"});
        row("8 female", {"8", "Female", "", ".", " 4| SUN| Greens, plants, trees| Monkey"});
        row("blanks around 8", {" 8 ", "Female", "", ".", " 4| SUN| Greens, plants, trees| Monkey"});
        row("own element over a stale one",
            {"81", "Male", " Fire", ".", " 1| KAN| Lakes, aquarium, ponds| Rooster/Cock"});
        row("-5 male is 6, no animal", {"-5", "Male", "", ".", " 6| CHIEN| Metal chimes, metallic |-"});
        row("-5 female is 0, no row", {"-5", "Female", " Wood", ".", " 0|-| Greens, plants, trees|-"});
        row("-9 male is 10", {"-9", "Male", " Fire", ".", " 10|-| Fire, lights|-"});
        row("-9 female is -4", {"-9", "Female", " Water", ".", " -4|-| Lakes, aquarium, ponds|-"});
        row(".5 male: 9.5 rounds to even", {".5", "Male", " Earth", ".", " 0.95|-| Mountains, earthenware|-"});
        row(".1 male: 9.9 rounds up", {".1", "Male", "", ".", " 0.99|-|-|-"});
        row("locale comma", {",5", "Male", "", ",", " 0,95|-|-|-"});
        row("two-byte locale separator", {"\u066b5", "Male", "", "\u066b", " 0\u066b95|-|-|-"});
        row("closer to 0 than any double",
            {"0." + QString(400, '0') + "1", "Male", "", ".", " 1| KAN| Lakes, aquarium, ponds| Rat"});
        row("typed sex follows the element shown",
            {"81", "male", " Metal", ".", " |-| Metal chimes, metallic | Rooster/Cock"});
        row("element caption is exact", {"81", "", "Fire", ".", " |-|-| Rooster/Cock"});
        row("empty year", {"", "Male", "", ".", "A year"});
        row("empty year before no sex", {"", "Select", "", ".", "A year"});
        row("letters before no sex", {"ab", "Select", "", ".", "B year emptied"});
        for (const char* year : {" ", "-", ".", "8a", "1e1", "1.2.", "1,5", "100", "99.5"})
            row(qPrintable(QStringLiteral("not a number below 100: \"%1\"").arg(year)),
                {year, "Male", "", ".", "B year emptied"});
        row("beyond the largest double", {"1" + QString(400, '0'), "Male", "", ".", "B year emptied"});
        row("no sex chosen", {"81", "Select", "", ".", "C sex"});
    }

    void shouldGiveTheOutcomeOfEachInput()
    {
        QFETCH(QStringList, input);
        QCOMPARE(Outcome(input), input[4]);
    }
};

QTEST_APPLESS_MAIN(ReadingTest)
#include "reading_test.moc"
