#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace morvane {

// clang-format off
inline constexpr std::array<std::string_view, 12> kAnimals{
    " Rat",   " Ox",   " Tiger",  " Rabbit",       " Dragon", " Snake",
    " Horse", " Goat", " Monkey", " Rooster/Cock", " Dog",    " Pig",
};

// Chosen by the reduced year modulo 4: each animal's best partners are its own trine.
inline constexpr std::array<std::string_view, 4> kPartners{
    " Rat, dragon or monkey", " Ox, snake or rooster", " Tiger, horse or dog", " Rabbit, goat or pig",
};
// clang-format on

struct ZodiacRow {
    std::string_view animal;
    std::string_view partners;
};

// The row of a year value: twelves are taken off while the value is 12 or more, and what
// is left must equal one of 0 to 11. Negative and fractional values have no row (nullopt).
// fmod gives exactly what repeated subtraction gives (both are exact on doubles) but also
// ends for values too large to change by subtracting 12.
std::optional<ZodiacRow> FindZodiacRow(double year) noexcept;

} // namespace morvane
