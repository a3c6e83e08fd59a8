#include "zodiac_table.h"

#include <cmath>

namespace morvane {

std::optional<ZodiacRow> FindZodiacRow(double year) noexcept
{
    const double reduced = year >= 12.0 ? std::fmod(year, 12.0) : year;
    for (std::size_t r = 0; r < kAnimals.size(); ++r) {
        if (reduced == static_cast<double>(r))
            return ZodiacRow{kAnimals[r], kPartners[r % kPartners.size()]};
    }
    return std::nullopt;
}

} // namespace morvane
