#pragma once

// A reading, from the window's inputs to the texts of its value labels:
//   1. BirthInput (year text, sex text) is checked: empty year, year not a number or
//      above 99, sex still "Select" (input_check.h). A failure ends the reading.
//   2. ComputeKua turns the year value and the sex into the Kua number (kua_number.h).
//   3. The Kua number picks a row of the Kua table (group, element, Sheng Ch'i, lucky
//      for/in) and of the Direction table; the element picks a row of the Element table
//      (season, colour, object, tip); the year picks a row of the Zodiac table.
//   4. Calculate gathers those texts into a KuaReading. An entry whose table has no row
//      for its key is absent, and the window leaves that label as it was.

#include "input_check.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace morvane {

// The parts of a reading, one for each value label, in the order a reading writes them.
enum class ReadingEntry : std::size_t {
    KuaNumber,
    Group,
    Element,
    ShengChi,
    BestSeason,
    ChineseYear,
    BestPartners,
    LuckyColor,
    LuckyObject,
    LuckyFor,
    Health,
    RomanceLove,
    MentorsCareer,
    Success,
    TotalLoss,
    SixKillings,
    FiveGhosts,
    Unlucky,
    Tip,
};
inline constexpr std::size_t kReadingEntryCount = static_cast<std::size_t>(ReadingEntry::Tip) + 1;

// Every entry, in that order.
inline constexpr auto kReadingEntries = [] {
    std::array<ReadingEntry, kReadingEntryCount> entries{};
    for (std::size_t entry = 0; entry < entries.size(); ++entry)
        entries[entry] = static_cast<ReadingEntry>(entry);
    return entries;
}();

class KuaReading {
public:
    // The text of the entry, or nothing where its table has no row for its key. The Kua
    // number is always there: one blank and the number's shortest text (" 8", " 0.95"),
    // or " " when there is none.
    std::optional<std::string_view> at(ReadingEntry entry) const noexcept
    {
        if (entry == ReadingEntry::KuaNumber)
            return m_kuaNumber;
        return m_entries[static_cast<std::size_t>(entry)];
    }

    void setKuaNumber(std::string text) { m_kuaNumber = std::move(text); }
    void set(ReadingEntry entry, std::string_view text) noexcept { m_entries[static_cast<std::size_t>(entry)] = text; }

private:
    std::string m_kuaNumber = " ";
    std::array<std::optional<std::string_view>, kReadingEntryCount> m_entries{}; // but the Kua number's
};

// One press of Calculate. elementCaption is what the element label shows before the
// reading: when the Kua number has no row, the element-keyed entries follow it.
// decimalSeparator is the user's locale separator, read and written besides '.'.
std::variant<InputFailure, KuaReading> Calculate(const BirthInput& input, std::string_view elementCaption,
                                                 std::string_view decimalSeparator = ".") noexcept;

} // namespace morvane
