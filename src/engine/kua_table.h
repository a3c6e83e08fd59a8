#pragma once

#include "direction_table.h"
#include "element_table.h"

#include <array>
#include <string_view>

namespace morvane {

struct KuaRow {
    double kua;
    std::string_view group;
    std::string_view element;
    std::string_view shengChi;
    std::string_view luckyFor;
};

// clang-format off
inline constexpr std::array<KuaRow, 8> kKuaTable{{
    {1, " KAN",   kWater, kSouthEast, " Water"    },
    {2, " KUN",   kEarth, kNorthEast, " Marriage" },
    {3, " CHEN",  kWood,  kSouth,     " Family"   },
    {4, " SUN",   kWood,  kNorth,     " Wealth"   },
    {6, " CHIEN", kMetal, kWest,      " Mentors"  },
    {7, " TUI",   kMetal, kNorthWest, " Children" },
    {8, " KEN",   kEarth, kSouthWest, " Knowledge"},
    {9, " LI",    kFire,  kEast,      " Fame"     },
}};
// clang-format on

} // namespace morvane
