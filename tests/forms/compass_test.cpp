// The compass's picture as one table: for each Kua number, with north and with south at
// the top, where each star of the reading lies, as the angle from the centre to its name
// (clockwise from straight up on the screen), and the tint of its sector. With north at
// the top east is at the right; with south at the top, turned round rather than mirrored,
// east is at the left. And labels that are empty, or stale after a reading with no Kua
// number, drawn as the window shows them.
#include "compass.h"
#include "program.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace morvane;
using namespace morvane::forms;

namespace {

// The compass rose: each direction's bearing.
constexpr std::pair<std::string_view, double> kBearings[] = {
    {" North", 0},    {" North-East", 45},  {" East", 90},  {" South-East", 135},
    {" South", 180},  {" South-West", 225}, {" West", 270}, {" North-West", 315},
};

const Text* Word(const Drawing& drawing, std::string_view text)
{
    for (const Shape& shape : drawing.shapes) {
        if (const auto* word = std::get_if<Text>(&shape); word && word->text == text)
            return word;
    }
    return nullptr;
}

// The sector whose polygon holds the point's angle, by its fill.
Ink TintAt(const Drawing& drawing, double angle, Point centre)
{
    for (const Shape& shape : drawing.shapes) {
        const auto* sector = std::get_if<Polygon>(&shape);
        if (!sector)
            continue;
        const Point first = sector->points.front();
        const Point last = sector->points[sector->points.size() / 2 - 1];
        const auto angleOf = [&](Point p) {
            return std::fmod(std::atan2(p.x - centre.x, centre.y - p.y) * 180 / std::numbers::pi + 360, 360);
        };
        const double from = angleOf(first);
        const double span = std::fmod(angleOf(last) - from + 360, 360);
        if (std::fmod(angle - from + 360, 360) < span)
            return sector->fill;
    }
    return Ink::None;
}

// The star's name as the compass draws it, its first line where it has two.
std::string StarWord(ReadingEntry entry)
{
    const std::string caption(CaptionOf(kForm1, LabelShowing(kForm1, entry))->text);
    const std::size_t slash = caption.find('/');
    return slash != std::string::npos ? caption.substr(0, slash + 1) : caption.substr(0, caption.find(" :"));
}

ShownReading Shown(const KuaReading& reading)
{
    ShownReading shown{};
    for (const ReadingEntry entry : kReadingEntries)
        shown[static_cast<std::size_t>(entry)] = std::string(reading.at(entry).value_or(""));
    return shown;
}

TEST(Compass, ShouldPutEachStarWhereTheReadingSays)
{
    struct Row {
        const char* year;
        const char* sex;
        int kua;
    };
    constexpr Row kRows[] = {{"81", "Male", 1}, {"00", "Female", 2}, {"79", "Male", 3}, {"08", "Female", 4},
                             {"04", "Male", 6}, {"03", "Male", 7}, {"05", "Male", 2}, {"12", "Female", 8},
                             {"73", "Male", 9}};
    const Localized english(Language::English);
    for (const Row& row : kRows) {
        const ShownReading shown = Shown(std::get<KuaReading>(Calculate({row.year, row.sex}, "")));
        ASSERT_EQ(shown[0], " " + std::to_string(row.kua)) << row.year;
        for (const Orientation orientation : {Orientation::NorthUp, Orientation::SouthUp}) {
            const Drawing drawing = CompassDrawing(shown, orientation, english);
            const Point centre = Word(drawing, std::to_string(row.kua))->at;
            for (const Star& star : kStars) {
                const std::string& direction = shown[static_cast<std::size_t>(star.entry)];
                const auto bearing = std::ranges::find(kBearings, direction, &std::pair<std::string_view, double>::first);
                const std::string name = StarWord(star.entry);
                const Text* word = Word(drawing, name);
                ASSERT_TRUE(word && bearing != std::end(kBearings)) << name;
                const double expected = std::fmod(bearing->second + (orientation == Orientation::SouthUp ? 180 : 0), 360);
                const double angle = std::fmod(
                    std::atan2(word->at.x - centre.x, centre.y - word->at.y) * 180 / std::numbers::pi + 360, 360);
                SCOPED_TRACE(std::to_string(row.kua) + (orientation == Orientation::NorthUp ? " north" : " south")
                             + " up, " + name + direction);
                EXPECT_NEAR(std::fmod(angle - expected + 540, 360) - 180, 0, 10);
                EXPECT_EQ(TintAt(drawing, angle, centre), star.good ? Ink::Good : Ink::Bad);
            }
        }
    }
}

// Kua 1's Health is east: at the right with north at the top, at the left with south.
TEST(Compass, ShouldTurnRoundNotMirror)
{
    const Localized english(Language::English);
    const ShownReading shown = Shown(std::get<KuaReading>(Calculate({"81", "Male"}, "")));
    const Drawing northUp = CompassDrawing(shown, Orientation::NorthUp, english);
    const Drawing southUp = CompassDrawing(shown, Orientation::SouthUp, english);
    EXPECT_GT(Word(northUp, "Health")->at.x, Word(northUp, "1")->at.x);
    EXPECT_LT(Word(southUp, "Health")->at.x, Word(southUp, "1")->at.x);
    EXPECT_LT(Word(northUp, "North")->at.y, Word(northUp, "South")->at.y);
    EXPECT_GT(Word(southUp, "North")->at.y, Word(southUp, "South")->at.y);
}

// Before any reading no star and a line saying that Calculate fills them; after one with
// no Kua number, the stars the labels still show and no Kua number in the hub.
TEST(Compass, ShouldDrawTheLabelsAsTheyStand)
{
    const Localized english(Language::English);
    const Drawing empty = CompassDrawing({}, Orientation::NorthUp, english);
    EXPECT_TRUE(Word(empty, std::string(kCompassEmpty)));
    EXPECT_FALSE(Word(empty, "Health"));
    EXPECT_TRUE(std::ranges::none_of(empty.shapes, [](const Shape& shape) {
        return std::holds_alternative<Polygon>(shape) && std::get<Polygon>(shape).fill != Ink::Plain;
    }));
    ShownReading stale = Shown(std::get<KuaReading>(Calculate({"81", "Male"}, "")));
    stale[0] = " "; // a typed "male" gives no Kua number, and the directions stay
    const Drawing drawn = CompassDrawing(stale, Orientation::NorthUp, english);
    EXPECT_TRUE(Word(drawn, "Health") && Word(drawn, "KAN"));
    EXPECT_FALSE(Word(drawn, "1") || Word(drawn, std::string(kEastGroup)) || Word(drawn, std::string(kCompassEmpty)));
}

} // namespace
