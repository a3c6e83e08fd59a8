#pragma once

#include <array>
#include <string_view>

namespace morvane {

// Written by the Kua table into the element label and read back from it as the key below.
inline constexpr std::string_view kWater = " Water";
inline constexpr std::string_view kEarth = " Earth";
inline constexpr std::string_view kWood = " Wood";
inline constexpr std::string_view kMetal = " Metal";
inline constexpr std::string_view kFire = " Fire";
inline constexpr std::array<std::string_view, 5> kElements{kWater, kEarth, kWood, kMetal, kFire};

struct ElementRow {
    std::string_view element;
    std::string_view bestSeason;
    std::string_view luckyColor;
    std::string_view luckyObject;
    std::string_view tip;
};

// The texts are shown as they stand, " Pu bright" and the trailing blank of Metal's object included.
// clang-format off
inline constexpr std::array<ElementRow, 5> kElementTable{{
    {kWater, " Winter", " Black, dark blue",    " Lakes, aquarium, ponds",
     " Put paintings of water, aquarium or things representing water in the south east direction of your home or office."},
    {kEarth, " ------", " Yellow, brown",       " Mountains, earthenware",
     " Put small earthenwares, globe or homely things in the south west direction of your home or office."},
    {kWood,  " Spring", " Green",               " Greens, plants, trees",
     " Put a small green plant, wooden mandarin ducks or bamboo windchimes in the north direction of your home or office."},
    {kMetal, " Autumn", " White, silver, gold", " Metal chimes, metallic ",
     " Put 6 - rod metal windchimes, coins in the west direction of your home or office."},
    {kFire,  " Summer", " Red",                 " Fire, lights",
     " Pu bright things, lights and red things in the east direction of your home or office."},
}};
// clang-format on

} // namespace morvane
