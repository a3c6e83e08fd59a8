// Time of one whole press of Calculate in the engine, for a full reading and for each
// input failure. Prints figures only; nothing here passes or fails on time.
#include "reading.h"

#include <benchmark/benchmark.h>

namespace {

void Calculate(benchmark::State& state, const char* year, const char* sex)
{
    const morvane::BirthInput input{year, sex};
    for (auto _ : state)
        benchmark::DoNotOptimize(morvane::Calculate(input, " Fire"));
}

} // namespace

BENCHMARK_CAPTURE(Calculate, full_reading_81_male, "81", "Male");
BENCHMARK_CAPTURE(Calculate, full_reading_99_female, "99", "Female");
BENCHMARK_CAPTURE(Calculate, stale_element_unknown_sex, "81", "male");
BENCHMARK_CAPTURE(Calculate, failure_a_empty_year, "", "Male");
BENCHMARK_CAPTURE(Calculate, failure_b_letters, "ab", "Male");
BENCHMARK_CAPTURE(Calculate, failure_c_no_sex, "81", "Select");
