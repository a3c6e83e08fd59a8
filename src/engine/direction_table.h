#pragma once

#include <array>
#include <string_view>

namespace morvane {

inline constexpr std::string_view kNorth = " North";
inline constexpr std::string_view kNorthEast = " North-East";
inline constexpr std::string_view kEast = " East";
inline constexpr std::string_view kSouthEast = " South-East";
inline constexpr std::string_view kSouth = " South";
inline constexpr std::string_view kSouthWest = " South-West";
inline constexpr std::string_view kWest = " West";
inline constexpr std::string_view kNorthWest = " North-West";

inline constexpr std::array<std::string_view, 8> kDirections{kNorth, kNorthEast, kEast, kSouthEast,
                                                             kSouth, kSouthWest, kWest, kNorthWest};

// The four good headings, then the four bad ones, in the order they are shown.
enum class Heading { Health, RomanceLove, MentorsCareer, Success, TotalLoss, SixKillings, FiveGhosts, Unlucky };

struct DirectionRow {
    double kua;
    std::array<std::string_view, 8> byHeading;

    constexpr std::string_view at(Heading heading) const noexcept
    {
        return byHeading[static_cast<std::size_t>(heading)];
    }
};

// clang-format off
inline constexpr std::array<DirectionRow, 8> kDirectionTable{{
    //      Health      Romance     Mentors     Success     Total loss  6 Killings  5 Ghosts    Unlucky
    {1, {{ kEast,      kSouth,     kNorth,     kSouthEast, kSouthWest, kNorthWest, kNorthEast, kWest      }}},
    {2, {{ kWest,      kNorthWest, kSouthWest, kNorthEast, kNorth,     kSouth,     kSouthEast, kEast      }}},
    {3, {{ kNorth,     kSouthEast, kEast,      kSouth,     kWest,      kNorthEast, kNorthWest, kSouthWest }}},
    {4, {{ kSouth,     kEast,      kSouthEast, kNorth,     kNorthEast, kWest,      kSouthWest, kNorthWest }}},
    {6, {{ kNorthEast, kSouthWest, kNorthWest, kWest,      kSouth,     kNorth,     kEast,      kSouthEast }}},
    {7, {{ kSouthWest, kNorthEast, kWest,      kNorthWest, kEast,      kSouthEast, kSouth,     kNorth     }}},
    {8, {{ kNorthWest, kWest,      kNorthEast, kSouthWest, kSouthEast, kEast,      kNorth,     kSouth     }}},
    {9, {{ kSouthEast, kNorth,     kSouth,     kEast,      kNorthWest, kSouthWest, kWest,      kNorthEast }}},
}};
// clang-format on

// The row whose key equals the Kua number, compared as numbers; nullptr when none does.
constexpr const DirectionRow* FindDirectionRow(double kua) noexcept
{
    for (const DirectionRow& row : kDirectionTable) {
        if (row.kua == kua)
            return &row;
    }
    return nullptr;
}

} // namespace morvane
