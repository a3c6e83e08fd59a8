#pragma once

#include <optional>
#include <string_view>

namespace morvane {

// The Kua number of a year value (the last two digits of the birth year) by the digit-sum
// method: "Male" gives 10 minus the digit sum, "Female" the digit sum plus 5, 5 becoming 2
// or 8, and the year 0 gets 1 or 2. Any other sex text gives no value. Values that are not
// whole numbers from 0 to 99 go through the same double arithmetic and may give numbers
// that match no table row.
std::optional<double> ComputeKua(double year, std::string_view sex) noexcept;

} // namespace morvane
