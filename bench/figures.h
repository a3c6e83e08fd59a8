#pragma once

// Order statistics of a set of measurements, as the benchmarks print them.
#include <algorithm>
#include <cmath>
#include <vector>

// The value below which the given fraction of the samples lies (nearest rank); 0.5 is the median.
inline double Percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    const std::size_t index = rank == 0 ? 0 : rank - 1;
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(index), samples.end());
    return samples[index];
}

inline double Median(const std::vector<double>& samples)
{
    return Percentile(samples, 0.5);
}
