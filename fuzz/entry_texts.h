#pragma once

// What a reading may hold, worked out from the tables rather than by running the engine.
#include "direction_table.h"
#include "kua_table.h"
#include "reading.h"
#include "zodiac_table.h"

#include <array>
#include <string_view>
#include <vector>

namespace morvane::fuzz {

// Every text each reading entry can take.
inline std::array<std::vector<std::string_view>, kReadingEntryCount> EntryTexts()
{
    std::array<std::vector<std::string_view>, kReadingEntryCount> texts;
    auto add = [&texts](ReadingEntry entry, std::string_view text) {
        texts[static_cast<std::size_t>(entry)].push_back(text);
    };
    for (const KuaRow& row : kKuaTable) {
        add(ReadingEntry::Group, row.group);
        add(ReadingEntry::Element, row.element);
        add(ReadingEntry::ShengChi, row.shengChi);
        add(ReadingEntry::LuckyFor, row.luckyFor);
    }
    for (const ElementRow& row : kElementTable) {
        add(ReadingEntry::BestSeason, row.bestSeason);
        add(ReadingEntry::LuckyColor, row.luckyColor);
        add(ReadingEntry::LuckyObject, row.luckyObject);
        add(ReadingEntry::Tip, row.tip);
    }
    for (const std::string_view animal : kAnimals)
        add(ReadingEntry::ChineseYear, animal);
    for (const std::string_view partners : kPartners)
        add(ReadingEntry::BestPartners, partners);
    for (const ReadingEntry heading :
         {ReadingEntry::Health, ReadingEntry::RomanceLove, ReadingEntry::MentorsCareer, ReadingEntry::Success,
          ReadingEntry::TotalLoss, ReadingEntry::SixKillings, ReadingEntry::FiveGhosts, ReadingEntry::Unlucky}) {
        for (const std::string_view direction : kDirections)
            add(heading, direction);
    }
    return texts;
}

} // namespace morvane::fuzz
