// Start-up time and memory of a program against bare Qt windows: each is started RUNS
// times, in turn, after one warm-up start of each, on the X display in DISPLAY. Prints
// medians and the program's ratio to each of the others; fails only when a window never
// shows.
//   startup_bench RUNS PROGRAM TITLE BASELINE TITLE [BASELINE TITLE]...
#include "figures.h"
#include "window_start.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr std::chrono::milliseconds kSettle{300};
constexpr std::chrono::milliseconds kTimeout{20'000};

struct Subject {
    std::string program;
    std::string title;
    std::vector<double> startMs;
    std::vector<double> cpuMs;
    std::vector<double> residentMiB;

    std::string name() const { return program.substr(program.find_last_of('/') + 1); }
};

bool MeasureOnce(WindowStartProbe& probe, Subject& subject, bool record)
{
    const std::optional<StartFigures> figures = probe.measure({subject.program}, subject.title, kSettle, kTimeout);
    if (!figures) {
        std::fprintf(stderr, "%s: no window titled \"%s\" appeared\n", subject.program.c_str(), subject.title.c_str());
        return false;
    }
    if (record) {
        subject.startMs.push_back(figures->mappedMs);
        subject.cpuMs.push_back(figures->cpuMs);
        subject.residentMiB.push_back(static_cast<double>(figures->residentKiB) / 1024.0);
    }
    return true;
}

void PrintFigures(const Subject& subject)
{
    std::printf("%-32s %9.1f ms %9.1f ms %9.1f ms %9.1f ms %9.1f MiB\n", subject.name().c_str(),
                Median(subject.startMs), Percentile(subject.startMs, 0.0), Percentile(subject.startMs, 1.0),
                Median(subject.cpuMs), Median(subject.residentMiB));
}

void PrintRatios(const Subject& program, const Subject& baseline)
{
    const std::string name = program.name() + " / " + baseline.name();
    std::printf("%-32s %11.2fx %26s %11.2fx %12.2fx\n", name.c_str(),
                Median(program.startMs) / Median(baseline.startMs), "", Median(program.cpuMs) / Median(baseline.cpuMs),
                Median(program.residentMiB) / Median(baseline.residentMiB));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 6 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM TITLE BASELINE TITLE [BASELINE TITLE]...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Subject> subjects;
    for (int i = 2; i < argc; i += 2)
        subjects.push_back({argv[i], argv[i + 1], {}, {}, {}});
    WindowStartProbe probe;
    if (!probe.connected()) {
        std::fprintf(stderr, "cannot open the X display in DISPLAY\n");
        return 1;
    }

    for (int run = 0; run <= runs; ++run) {
        for (Subject& subject : subjects) {
            if (!MeasureOnce(probe, subject, run > 0)) // the first start only warms the caches
                return 1;
        }
    }

    std::printf("Start-up: exec to the main window mapped (cpu: processor time used by then); memory: VmRSS "
                "%lld ms later.\n%d runs each, in turn, after a warm-up.\n",
                static_cast<long long>(kSettle.count()), runs);
    std::printf("%-32s %12s %12s %12s %12s %13s\n", "", "start median", "fastest", "slowest", "cpu median",
                "memory median");
    for (const Subject& subject : subjects)
        PrintFigures(subject);
    for (std::size_t other = 1; other < subjects.size(); ++other)
        PrintRatios(subjects.front(), subjects[other]);
    return 0;
}
