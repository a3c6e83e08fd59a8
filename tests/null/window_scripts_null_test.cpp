// The shared window scripts played on the front end with no toolkit, each on the program
// started afresh; and a seeded run of a million random steps drawn from them, checking
// after each one that no call of the program was one a window system could not carry out
// and that the program runs while, and only while, a window is open (MORVANE_STRESS_SEED
// replays a run; the seed is printed). Where the program ends, the run starts it again.
#include "front_end.h"
#include "script_player.h"
#include "window_scripts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <random>

using namespace morvane::forms;

namespace {

// The program's window of that name; for none, a window that is never shown.
const WindowDescription& Named(std::string_view name)
{
    static constexpr WindowDescription kNoWindow{"", "", 0, 0, WindowKind::Dialog, {}};
    const auto found = std::ranges::find(kWindows, name, &WindowDescription::name);
    return found == kWindows.end() ? kNoWindow : **found;
}

// The front end with no toolkit, for the scripts: what a person does is passed to it as
// calls, and what it shows is read from it.
class NullDriver : public FrontEndDriver {
public:
    explicit NullDriver(Language language = Language::English)
        : frontEnd(MORVANE_HELP_FOLDER, language)
    {
    }

    void click(std::string_view window, std::string_view control) override { frontEnd.click(Named(window), control); }
    void rightClick(std::string_view window, std::string_view control) override
    {
        frontEnd.rightClick(Named(window), control);
    }
    void chooseMenuItem(std::size_t item) override { frontEnd.chooseMenuItem(item); }
    void press(const Key& key) override
    {
        using enum FrontEnd::Key;
        constexpr std::pair<Key::Name, FrontEnd::Key> kKeys[] = {{Key::Tab, Tab},     {Key::Enter, Enter},
                                                                 {Key::Escape, Escape}, {Key::Space, Space},
                                                                 {Key::Down, Down},   {Key::Menu, Menu}};
        const auto named = std::ranges::find(kKeys, key.name, &std::pair<Key::Name, FrontEnd::Key>::first);
        if (key.alt)
            frontEnd.pressAlt(key.character);
        else if (key.name == Key::Function && key.function == 10 && key.shift)
            frontEnd.press(Menu);
        else if (key.name == Key::Function || key.ctrl)
            frontEnd.pressShortcut({.function = key.function, .letter = key.ctrl ? key.character : '\0'});
        else if (named != std::end(kKeys))
            frontEnd.press(named->second == Tab && key.shift ? BackTab : named->second);
    }
    void type(std::string_view text) override { frontEnd.type(text); }
    void paste(std::string_view text) override { frontEnd.type(text); }
    void erase() override { frontEnd.erase(); }
    void close(std::string_view window) override { frontEnd.closeWindow(Named(window)); }
    void activate(std::string_view window) override { frontEnd.activateWindow(Named(window)); }
    void leaveAndReturn() override { frontEnd.leave(); }
    void moveToCorner(std::string_view window) override { frontEnd.moveWindow(Named(window), 0, 0); }

    std::string text(std::string_view window, std::string_view control) const override
    {
        return frontEnd.text(Named(window), control);
    }
    std::string focus() const override { return std::string(frontEnd.focus()); }
    std::string active() const override { return frontEnd.active() ? std::string(frontEnd.active()->name) : ""; }
    std::vector<ScreenPoint> centres(std::string_view window) const override
    {
        if (!window.empty() && !frontEnd.isShown(Named(window)))
            return {};
        const auto [x, y] = frontEnd.centre(window.empty() ? nullptr : &Named(window));
        return {{x, y}};
    }
    std::vector<std::string> takeOpened() override { return frontEnd.takeOpened(); }
    std::vector<std::string> takeSpoken() override { return frontEnd.takeSpoken(); }
    std::string clipboard() const override { return frontEnd.clipboard(); }
    bool exists(const std::string& page) const override { return std::filesystem::is_regular_file(page); }
    bool ended() const override { return frontEnd.ended(); }
    std::string fault() const override { return frontEnd.faults().empty() ? "" : frontEnd.faults().front(); }
    void settle() override { }

    FrontEnd frontEnd;
};

TEST(WindowScriptsNullTest, ShouldAnswerWhatThePersonDoes)
{
    EXPECT_EQ(PlayEveryScript([](Language language) { return std::make_unique<NullDriver>(language); }), 0);
}

// A step of a person acting at random: one that a script takes, but for its checks; what
// it types or pastes is often replaced by characters of any kind.
std::string RandomStep(std::mt19937& random, const std::vector<std::string>& vocabulary)
{
    static const std::vector<std::string> characters{"0", "1", "5", "8", "9", "a",      "Z",         "+",
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

    auto driver = std::make_unique<NullDriver>();
    std::deque<std::string> recent;
    for (int i = 1; i <= 1'000'000; ++i) {
        if (driver->ended())
            driver = std::make_unique<NullDriver>();
        recent.push_back(RandomStep(random, vocabulary));
        if (recent.size() > 20)
            recent.pop_front();
        ScriptPlayer(*driver).play(recent.back());
        const bool anyShown =
            std::ranges::any_of(kWindows, [&](auto* window) { return driver->frontEnd.isShown(*window); });
        const std::string wrong = !driver->fault().empty() ? driver->fault()
            : anyShown || driver->ended()                  ? ""
                                                           : "runs with no window open";
        if (!wrong.empty()) {
            std::string last;
            for (const std::string& step : recent)
                last += "\n  " + step;
            FAIL() << "step " << i << ": " << wrong << "; last steps:" << last;
        }
    }
}

} // namespace
