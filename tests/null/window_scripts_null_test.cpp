// The shared window scripts played on the front end with no toolkit, each on the program
// started afresh; and a seeded run of a million random steps drawn from them, checking
// after each one what must always hold (MORVANE_STRESS_SEED replays a run; the seed is
// printed). Where the program ends, the run starts it again.
#include "null_driver.h"
#include "window_scripts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <memory>
#include <random>

using namespace morvane::forms;

namespace {

class WindowScriptsNullTest : public testing::TestWithParam<Script> { };

TEST_P(WindowScriptsNullTest, ShouldAnswerWhatThePersonDoes)
{
    NullDriver driver;
    ScriptPlayer player(driver);
    for (const std::string& step : GetParam().steps) {
        ASSERT_EQ(player.play(step), std::nullopt) << step;
        ASSERT_EQ(driver.frontEnd().faults(), std::vector<std::string>{}) << step;
    }
}

INSTANTIATE_TEST_SUITE_P(Shared, WindowScriptsNullTest, testing::ValuesIn(WindowScripts()),
                         [](const testing::TestParamInfo<Script>& script) { return Identifier(script.param); });

// A step of a person acting at random: one that a script takes, but for its checks; what
// it types or pastes is often replaced by characters of any kind.
std::string RandomStep(std::mt19937& random, const std::vector<std::string>& vocabulary)
{
    static const std::vector<std::string> characters{"0", "1", "5", "8", "9", "a",      "Z",     "+",
                                                     "-", ".", ",", " ", "é", "\u4e2d", "\U0001F600"};
    const auto pick = [&random](std::size_t count) { return static_cast<std::size_t>(random() % count); };
    std::string step = vocabulary[pick(vocabulary.size())];
    const std::string verb = ParseStep(step).verb;
    if (pick(2) == 0 && (verb == "year" || verb == "sex" || verb == "paste")) {
        step = verb + ' ';
        for (std::size_t n = 1 + pick(verb == "paste" ? 400 : 3); n > 0; --n)
            step += characters[pick(characters.size())];
    }
    return step;
}

// What is wrong now: a call the program made that no window system could carry out; the
// program running with no window open, or ended with one; a value that does not begin
// with a blank.
std::string Violation(const NullDriver& driver)
{
    const FrontEnd& frontEnd = driver.frontEnd();
    std::string wrong;
    for (const std::string& fault : frontEnd.faults())
        wrong += fault + "; ";
    const bool anyOpen = std::ranges::any_of(kWindows, [&](auto* window) { return frontEnd.isOpen(*window); });
    if (anyOpen == frontEnd.ended())
        wrong += anyOpen ? "ended with a window open; " : "runs with no window open; ";
    for (const Control& caption : kForm1.controls) {
        const std::string shown = frontEnd.text(kForm1, caption.traits.names);
        if (CaptionsAValue(kForm1, caption) && !shown.empty() && !shown.starts_with(' '))
            wrong += std::string(caption.traits.names) + " shows \"" + shown + "\"; ";
    }
    return wrong;
}

struct Session {
    NullDriver driver;
    ScriptPlayer player{driver};
};

TEST(WindowScriptsNullTest, ShouldHoldThroughRandomSteps)
{
    const char* chosen = std::getenv("MORVANE_STRESS_SEED");
    const auto seed = static_cast<std::mt19937::result_type>(chosen ? std::strtoul(chosen, nullptr, 10) : 20260101);
    std::cout << "seed " << seed << " (MORVANE_STRESS_SEED replays a run)\n";
    std::mt19937 random(seed);
    std::vector<std::string> vocabulary;
    for (const Script& script : WindowScripts())
        std::ranges::copy_if(script.steps, std::back_inserter(vocabulary),
                             [](const std::string& step) { return !step.starts_with("expect"); });

    auto run = std::make_unique<Session>();
    std::deque<std::string> recent;
    for (int i = 1; i <= 1'000'000; ++i) {
        if (run->driver.ended())
            run = std::make_unique<Session>();
        recent.push_back(RandomStep(random, vocabulary));
        if (recent.size() > 20)
            recent.pop_front();
        run->player.play(recent.back());
        if (const std::string wrong = Violation(run->driver); !wrong.empty()) {
            std::string steps;
            for (const std::string& step : recent)
                steps += "\n  " + step;
            FAIL() << "step " << i << ": " << wrong << "last steps:" << steps;
        }
    }
}

} // namespace
