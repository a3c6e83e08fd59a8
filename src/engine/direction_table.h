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

// A row's four good directions, then its four bad ones, in the order they are shown.
struct DirectionRow {
    double kua;
    std::string_view health;
    std::string_view romanceLove;
    std::string_view mentorsCareer;
    std::string_view success;
    std::string_view totalLoss;
    std::string_view sixKillings;
    std::string_view fiveGhosts;
    std::string_view unlucky;
};

// clang-format off
inline constexpr std::array<DirectionRow, 8> kDirectionTable{{
    //   Health      Romance     Mentors     Success     Total loss  6 Killings  5 Ghosts    Unlucky
    {1,  kEast,      kSouth,     kNorth,     kSouthEast, kSouthWest, kNorthWest, kNorthEast, kWest      },
    {2,  kWest,      kNorthWest, kSouthWest, kNorthEast, kNorth,     kSouth,     kSouthEast, kEast      },
    {3,  kNorth,     kSouthEast, kEast,      kSouth,     kWest,      kNorthEast, kNorthWest, kSouthWest },
    {4,  kSouth,     kEast,      kSouthEast, kNorth,     kNorthEast, kWest,      kSouthWest, kNorthWest },
    {6,  kNorthEast, kSouthWest, kNorthWest, kWest,      kSouth,     kNorth,     kEast,      kSouthEast },
    {7,  kSouthWest, kNorthEast, kWest,      kNorthWest, kEast,      kSouthEast, kSouth,     kNorth     },
    {8,  kNorthWest, kWest,      kNorthEast, kSouthWest, kSouthEast, kEast,      kNorth,     kSouth     },
    {9,  kSouthEast, kNorth,     kSouth,     kEast,      kNorthWest, kSouthWest, kWest,      kNorthEast },
}};
// clang-format on

} // namespace morvane
