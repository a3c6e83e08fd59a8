#pragma once

// The compass of a reading: the person's four good and four bad directions as a picture
// and as lines of text, drawn from what the main window's value labels show, in the
// person's language.
#include "drawing.h"
#include "localized.h"
#include "reading.h"

#include <array>
#include <string>
#include <vector>

namespace morvane::forms {

// What each value label of the main window shows, as the English text the program wrote
// into it ("" where it shows nothing), by the part of the reading it shows: the record
// the compass is drawn from, so that a stale or emptied label is drawn as it stands.
using ShownReading = std::array<std::string, kReadingEntryCount>;

enum class Orientation { NorthUp, SouthUp };

// A star of the compass, as a reading places it: one of the eight direction labels'
// parts, good or bad, and what it stands for.
struct Star {
    ReadingEntry entry;
    bool good;
    std::string_view meaning;
};

inline constexpr std::array<Star, 8> kStars{{
    {ReadingEntry::Health, true, "health and healing"},
    {ReadingEntry::RomanceLove, true, "love and family"},
    {ReadingEntry::MentorsCareer, true, "mentors and growth"},
    {ReadingEntry::Success, true, "success and wealth"},
    {ReadingEntry::TotalLoss, false, "loss, the worst"},
    {ReadingEntry::SixKillings, false, "setbacks and scandal"},
    {ReadingEntry::FiveGhosts, false, "quarrels and theft"},
    {ReadingEntry::Unlucky, false, "small mishaps"},
}};

// The compass's own texts, in English.
inline constexpr std::string_view kGoodMark = "\u2605"; // a star, where a good direction's sector is
inline constexpr std::string_view kBadMark = "\u2715"; // a cross
inline constexpr std::string_view kGood = "good";
inline constexpr std::string_view kBad = "bad";
inline constexpr std::string_view kEastGroup = "East group"; // Kua numbers 1, 3, 4 and 9
inline constexpr std::string_view kWestGroup = "West group"; // 2, 6, 7 and 8
inline constexpr std::string_view kNorthAtTheTop = "North at the top";
inline constexpr std::string_view kSouthAtTheTop = "South at the top";
inline constexpr std::string_view kCompassEmpty = "Calculate puts your good and bad directions here.";
inline constexpr std::string_view kCompassLine = "{direction}: {star}, {meaning}, {verdict}";

// The picture: eight sectors of 45 degrees around a hub, each naming its direction (the
// four cardinal points larger); where the reading puts a star, its name as the window
// words it and its mark, on the good or the bad tint; in the hub the Kua number, the
// trigram and the group; under the wheel which way is up, and before any reading a line
// saying that Calculate fills it. Turned round, not mirrored, with south at the top.
Drawing CompassDrawing(const ShownReading& shown, Orientation orientation, const Localized& localized);

// The eight directions clockwise from north, one line each: direction, star, what it
// stands for, good or bad; or, before any reading, the line saying that Calculate fills
// them.
std::vector<std::string> CompassLines(const ShownReading& shown, const Localized& localized);

} // namespace morvane::forms
