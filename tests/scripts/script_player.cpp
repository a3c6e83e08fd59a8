#include "script_player.h"

#include "access_key.h"
#include "program.h"
#include "window_scripts.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace morvane::forms;

namespace {

std::string Joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string joined;
    for (const std::string& part : parts)
        joined += (&part == parts.data() ? "" : std::string(separator)) + part;
    return joined;
}

// A key as the scripts write it: "Alt+C", "Shift+Tab", "Return", "Esc", "Down", "F2",
// "Shift+F10", "Menu" (the context-menu key), "Ctrl+P".
Key ParseKey(std::string_view written)
{
    constexpr std::pair<std::string_view, Key::Name> kNames[] = {
        {"Tab", Key::Tab},     {"Return", Key::Enter}, {"Enter", Key::Enter}, {"Esc", Key::Escape},
        {"Space", Key::Space}, {"Down", Key::Down},    {"Menu", Key::Menu}};
    Key key;
    while (written.starts_with("Alt+") || written.starts_with("Shift+") || written.starts_with("Ctrl+")) {
        (written.starts_with("Alt+") ? key.alt : written.starts_with("Ctrl+") ? key.ctrl : key.shift) = true;
        written.remove_prefix(written.find('+') + 1);
    }
    const auto named = std::ranges::find(kNames, written, &std::pair<std::string_view, Key::Name>::first);
    if (named != std::end(kNames)) {
        key.name = named->second;
    } else if (written.size() > 1 && written.front() == 'F') {
        key.name = Key::Function;
        key.function = std::atoi(std::string(written.substr(1)).c_str());
    } else {
        key.character = written.empty() ? '\0' : written.front();
    }
    return key;
}

} // namespace

ScriptPlayer::ScriptPlayer(FrontEndDriver& driver)
    : m_driver(driver)
{
}

std::optional<std::string> ScriptPlayer::play(const std::string& step)
{
    const auto [verb, argument] = ParseStep(step);
    if (verb == "expect") {
        const auto [what, expected] = ParseStep(argument);
        return check(what, expected);
    }
    act(verb, argument);
    m_driver.settle();
    return std::nullopt;
}

void ScriptPlayer::act(const std::string& verb, const std::string& argument)
{
    if (verb == "year" || verb == "sex") {
        m_driver.click(kForm1.name, verb == "year" ? kYearBox : kSexBox);
        m_driver.settle();
        m_driver.erase();
        m_driver.type(argument);
    } else if (verb == "type") {
        m_driver.type(argument);
    } else if (verb == "paste") {
        m_driver.paste(argument);
    } else if (verb == "key") {
        m_driver.press(ParseKey(argument));
    } else if (verb == "click" || verb == "rightclick") {
        const auto [window, control] = Target(argument);
        verb == "click" ? m_driver.click(window, control) : m_driver.rightClick(window, control);
    } else if (verb == "choose") {
        const auto item = std::ranges::find(kWindowMenu, argument, [](const MenuItem& made) { return ShownCaption(made.text); });
        m_driver.chooseMenuItem(static_cast<std::size_t>(item - kWindowMenu.begin()));
    } else if (verb == "okay") {
        m_driver.click(argument, "Command1");
    } else if (verb == "close") {
        m_driver.close(argument);
    } else if (verb == "activate") {
        m_driver.activate(argument);
    } else if (verb == "leave") {
        m_driver.leaveAndReturn();
    } else if (verb == "move") {
        m_driver.moveToCorner(kForm1.name);
    }
}

std::optional<std::string> ScriptPlayer::playAll(const std::vector<std::string>& steps)
{
    for (const std::string& step : steps) {
        if (const std::optional<std::string> wrong = play(step))
            return step + ": " + *wrong;
    }
    return std::nullopt;
}

std::optional<std::string> ScriptPlayer::check(const std::string& what, const std::string& expected)
{
    const auto [name, message] = ParseStep(expected); // a window, and the message it shows
    if (what == "open") {
        if (!eventually([&] { return !m_driver.centres(name).empty(); }))
            return name + " is not open";
        const std::string said = message.empty() ? "" : m_driver.text(name, kMessageLabel);
        if (m_driver.centres(name).size() != 1 || said != message)
            return std::to_string(m_driver.centres(name).size()) + " windows " + name + " saying \"" + said + "\"";
    } else if (what == "closed") {
        if (!eventually([&] { return m_driver.centres(name).empty(); }))
            return name + " is still open";
    } else if (what == "opened") {
        if (!eventually([&] {
                for (std::string& opened : m_driver.takeOpened())
                    m_opened.push_back(std::move(opened));
                return !m_opened.empty();
            }))
            return "nothing was opened";
        const std::string opened = m_opened.front();
        m_opened.pop_front();
        if (!opened.ends_with(expected) || (!opened.starts_with("https:") && !m_driver.exists(opened)))
            return "opened " + opened;
    } else if (what == "spoken") { // what arrives within the moment
        std::vector<std::string> told;
        const auto said = [&] {
            for (std::string& spoken : m_driver.takeSpoken())
                told.push_back(std::move(spoken));
            return Joined(told, "\n");
        };
        m_driver.settle();
        if (!eventually([&] { return said() == expected; }))
            return "screen readers were told \"" + said() + "\"";
    } else if (what == "ended" || what == "running") { // running: and goes on running a while
        for (int moment = 0; what == "running" && moment < 5; ++moment)
            m_driver.settle();
        if (!eventually([&] { return m_driver.ended() == (what == "ended"); }))
            return what == "ended" ? "the program still runs" : "the program has ended";
    } else if (what == "centred") { // give or take the frame the window system adds
        const std::string window = name.empty() ? std::string(kForm1.name) : name;
        const std::vector<ScreenPoint> centre = m_driver.centres(window);
        const std::vector<ScreenPoint> around = m_driver.centres(name.empty() ? "" : kForm1.name);
        if (centre.size() != 1 || around.size() != 1
            || std::abs(centre[0].x - around[0].x) + std::abs(centre[0].y - around[0].y) > 8)
            return window + " is not centred";
    } else if (!eventually([&] { return shown(what) == expected; })) {
        return what + " shows \"" + shown(what) + "\"";
    }
    return std::nullopt;
}

// A control of the main window ("Text1") or of another ("Dialog.Label3"), by its window's
// name and its own.
std::pair<std::string, std::string> ScriptPlayer::Target(const std::string& written)
{
    const std::size_t dot = written.find('.');
    if (dot == std::string::npos)
        return {std::string(kForm1.name), written};
    return {written.substr(0, dot), written.substr(dot + 1)};
}

// A control of one of the windows, the reading, or the focused control or active window.
std::string ScriptPlayer::shown(const std::string& what) const
{
    if (what == "focus" || what == "active")
        return what == "focus" ? m_driver.focus() : m_driver.active();
    if (what == "clipboard")
        return m_driver.clipboard();
    if (what != "reading") {
        const auto [window, control] = Target(what);
        return m_driver.text(window, control);
    }
    std::vector<std::string> reading;
    for (const Control& label : kForm1.controls) {
        if (label.traits.shows)
            reading.push_back(m_driver.text(kForm1.name, label.name));
    }
    return Joined(reading, "|");
}

bool ScriptPlayer::eventually(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        m_driver.settle();
    }
    return true;
}

int PlayEveryScript(const std::function<std::unique_ptr<FrontEndDriver>(Language)>& start, std::optional<Language> only)
{
    int failed = 0;
    int played = 0;
    for (const Script& script : WindowScripts()) {
        if (only && script.language != *only)
            continue;
        std::vector<std::string> steps{"expect active Form1"}; // once the program is up
        steps.insert(steps.end(), script.steps.begin(), script.steps.end());
        const std::unique_ptr<FrontEndDriver> driver = start(script.language);
        std::optional<std::string> wrong = ScriptPlayer(*driver).playAll(steps);
        if (const std::string fault = driver->fault(); !wrong && !fault.empty())
            wrong = fault;
        std::printf("%s %s%s%s\n", wrong ? "FAIL" : "ok  ", script.name.c_str(), wrong ? "\n     " : "",
                    wrong ? wrong->c_str() : "");
        failed += wrong ? 1 : 0;
        ++played;
    }
    std::printf("%d of %d scripts failed\n", failed, played);
    std::fflush(stdout);
    return failed;
}
