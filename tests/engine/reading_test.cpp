// The reading engine, from the window's two texts to the reading: every year a person can
// type against the digit-sum rule, and the telling and odd inputs as rows of one table.
#include "reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace morvane;

namespace {

std::string Text(std::optional<std::string_view> text)
{
    return text ? std::string(*text) : "-";
}

// The Kua number of a whole year 0 to 99 from its repeated digit sum, worked out apart
// from the engine's arithmetic.
int KuaByDigitSum(int year, bool male)
{
    constexpr int kByDigitSum[2][9] = {{6, 7, 8, 9, 1, 2, 3, 4, 8}, {9, 8, 7, 6, 2, 4, 3, 2, 1}}; // female, male
    return year == 0 ? (male ? 1 : 2) : kByDigitSum[male][(year - 1) % 9];
}

bool IsOneBlankThenText(std::optional<std::string_view> entry)
{
    return entry && entry->size() > 1 && entry->at(0) == ' ' && entry->at(1) != ' ';
}

struct Row {
    std::string name;
    std::string year, sex, elementCaption, separator;
    std::string outcome;
};

// One press of Calculate in one line: the failure's message (A, B or C), the box it puts
// the focus in and whether it empties the year box; or the Kua number text, the group,
// the lucky object, the Chinese year and the best partners, "-" where an entry is absent.
std::string Outcome(const Row& row)
{
    const auto result = Calculate({row.year, row.sex}, row.elementCaption, row.separator);
    if (const auto* failure = std::get_if<InputFailure>(&result)) {
        const std::string message = failure->message == kEmptyYearMessage ? "A"
            : failure->message == kBadYearMessage                         ? "B"
            : failure->message == kNoSexMessage                           ? "C"
                                                                          : std::string(failure->message);
        return message + (failure->focus == InputBox::Year ? " year" : " sex")
            + (failure->clearsYear ? " emptied" : "");
    }
    const auto& reading = std::get<KuaReading>(result);
    return Text(reading.at(ReadingEntry::KuaNumber)) + "|" + Text(reading.at(ReadingEntry::Group)) + "|"
        + Text(reading.at(ReadingEntry::LuckyObject)) + "|" + Text(reading.at(ReadingEntry::ChineseYear)) + "|"
        + Text(reading.at(ReadingEntry::BestPartners));
}

std::vector<Row> OutcomeRows()
{
    std::vector<Row> rows{
        {"81 male", "81", "Male", "", ".", " 1| KAN| Lakes, aquarium, ponds| Rooster/Cock| Ox, snake or rooster"},
        {"99 male: the round of twelve animals and of four trines", "99", "Male", "", ".",
         " 1| KAN| Lakes, aquarium, ponds| Rabbit| Rabbit, goat or pig"},
        {"8 female", "8", "Female", "", ".", " 4| SUN| Greens, plants, trees| Monkey| Rat, dragon or monkey"},
        {"blanks around 8", " 8 ", "Female", "", ".", " 4| SUN| Greens, plants, trees| Monkey| Rat, dragon or monkey"},
        {"own element over a stale one", "81", "Male", " Fire", ".", " 1| KAN| Lakes, aquarium, ponds| Rooster/Cock| Ox, snake or rooster"},
        {"-5 male is 6, no animal", "-5", "Male", "", ".", " 6| CHIEN| Metal chimes, metallic |-|-"},
        {"-5 female is 0, no row", "-5", "Female", " Wood", ".", " 0|-| Greens, plants, trees|-|-"},
        {"-9 male is 10", "-9", "Male", " Fire", ".", " 10|-| Fire, lights|-|-"},
        {"-9 female is -4", "-9", "Female", " Water", ".", " -4|-| Lakes, aquarium, ponds|-|-"},
        {".5 male: 9.5 rounds to even", ".5", "Male", " Earth", ".", " 0.95|-| Mountains, earthenware|-|-"},
        {".1 male: 9.9 rounds up", ".1", "Male", "", ".", " 0.99|-|-|-|-"},
        {"locale comma", ",5", "Male", "", ",", " 0,95|-|-|-|-"},
        {"two-byte locale separator", "\u066b5", "Male", "", "\u066b", " 0\u066b95|-|-|-|-"},
        {"closer to 0 than any double", "0." + std::string(400, '0') + "1", "Male", "", ".",
         " 1| KAN| Lakes, aquarium, ponds| Rat| Rat, dragon or monkey"},
        {"typed sex follows the element shown", "81", "male", " Metal", ".",
         " |-| Metal chimes, metallic | Rooster/Cock| Ox, snake or rooster"},
        {"element caption is exact", "81", "", "Fire", ".", " |-|-| Rooster/Cock| Ox, snake or rooster"},
        {"empty year", "", "Male", "", ".", "A year"},
        {"empty year before no sex", "", "Select", "", ".", "A year"},
        {"letters before no sex", "ab", "Select", "", ".", "B year emptied"},
        {"beyond the largest double", "1" + std::string(400, '0'), "Male", "", ".", "B year emptied"},
        {"no sex chosen", "81", "Select", "", ".", "C sex"},
    };
    for (const char* year : {" ", "-", ".", "8a", "1e1", "1.2.", "1,5", "100", "99.5"})
        rows.push_back(
            {"not a number below 100: \"" + std::string(year) + "\"", year, "Male", "", ".", "B year emptied"});
    return rows;
}

TEST(ReadingTest, ShouldReadEveryYearAPersonCanType)
{
    for (int year = 0; year <= 99; ++year) {
        const std::string padded = (year < 10 ? "0" : "") + std::to_string(year);
        for (const std::string& text : {padded, std::to_string(year)}) {
            for (const bool male : {true, false}) {
                SCOPED_TRACE(text + (male ? " Male" : " Female"));
                const KuaReading reading = std::get<KuaReading>(Calculate({text, male ? "Male" : "Female"}, ""));
                EXPECT_EQ(reading.at(ReadingEntry::KuaNumber), " " + std::to_string(KuaByDigitSum(year, male)));
                for (const ReadingEntry entry : kReadingEntries)
                    EXPECT_TRUE(IsOneBlankThenText(reading.at(entry))) << Text(reading.at(entry));
                EXPECT_EQ(reading.at(ReadingEntry::Success), reading.at(ReadingEntry::ShengChi));
            }
        }
    }
}

TEST(ReadingTest, ShouldGiveTheOutcomeOfEachInput)
{
    for (const Row& row : OutcomeRows()) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Outcome(row), row.outcome);
    }
}

} // namespace
