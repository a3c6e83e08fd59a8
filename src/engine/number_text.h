#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// A number as the user writes it: blanks (space, tab) around it, an optional sign, then
// digits with at most one decimal separator, '.' or the given locale separator. Nothing
// else reads as a number: no exponent, no "inf" or "nan", no letters, no inner blanks.
// A value too large for a double is not a number either.
std::optional<double> ReadNumber(std::string_view text, std::string_view decimalSeparator) noexcept;

// The shortest decimal text that reads back as the same double, with the locale separator
// in place of '.'; negative zero is written as "0".
std::string NumberText(double value, std::string_view decimalSeparator);

} // namespace morvane
