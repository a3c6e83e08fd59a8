#include "kua_number.h"

#include <cmath>

namespace morvane {
namespace {

// Nearest whole number, halves to the even neighbour (9.5 gives 10, 8.5 gives 8),
// independent of the floating-point environment's rounding mode.
double Whole(double v) noexcept
{
    if (!std::isfinite(v))
        return v;
    const double below = std::floor(v);
    const double fraction = v - below; // exact for every finite double
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

// The last digit, with the sign of Whole(v); fmod is exact at every magnitude.
double LastDigit(double v) noexcept
{
    return std::fmod(Whole(v), 10.0);
}

// For whole values from 10 to 99 this is the sum of the two digits. Where the last digit
// is 0, taking it off first changes nothing: (v - 0) / 10 is v / 10.
double DigitSumStep(double v) noexcept
{
    const double r = LastDigit(v);
    return (v - r) / 10.0 + r;
}

} // namespace

std::optional<double> ComputeKua(double year, std::string_view sex) noexcept
{
    const bool male = sex == "Male";
    const bool female = sex == "Female";
    if (year == 0.0) {
        if (male)
            return 1.0;
        if (female)
            return 2.0;
        return std::nullopt;
    }

    // Ends for every value: a value above 9 loses at least a tenth of its distance to 9
    // per pass, and double rounding makes it reach 9 or less.
    double x = year;
    while (x > 9.0) {
        x = DigitSumStep(year);
        year = x;
    }

    if (!male && !female)
        return std::nullopt;
    double k = male ? 10.0 - x : x + 5.0;
    if (k > 9.0)
        k = DigitSumStep(k); // once only: 14 becomes 5, which is replaced below
    if (k == 5.0)
        k = male ? 2.0 : 8.0;
    return k;
}

} // namespace morvane
