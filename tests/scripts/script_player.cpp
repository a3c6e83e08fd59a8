#include "script_player.h"

#include "dialog_descriptions.h"
#include "window_scripts.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace {

std::string Joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string joined;
    for (const std::string& part : parts)
        joined += (&part == parts.data() ? "" : std::string(separator)) + part;
    return joined;
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
    m_driver.act(verb, argument);
    m_driver.settle();
    return std::nullopt;
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
        if (!eventually([&] { return m_driver.centre(name).has_value(); }))
            return name + " is not open";
        const std::string said = m_driver.text(name, morvane::forms::kMessageLabel);
        if (m_driver.count(name) != 1 || (!message.empty() && said != message))
            return std::to_string(m_driver.count(name)) + " windows " + name + " saying \"" + said + "\"";
    } else if (what == "closed") {
        if (!eventually([&] { return !m_driver.centre(name); }))
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
        if (!opened.ends_with(expected) || (!opened.starts_with("https:") && !std::filesystem::is_regular_file(opened)))
            return "opened " + opened;
    } else if (what == "spoken") {
        m_driver.settle();
        if (const std::string spoken = Joined(m_driver.takeSpoken(), "\n"); spoken != expected)
            return "screen readers were told \"" + spoken + "\"";
    } else if (what == "ended" || what == "running") { // running: and goes on running a while
        for (int moment = 0; what == "running" && moment < 5; ++moment)
            m_driver.settle();
        if (!eventually([&] { return m_driver.ended() == (what == "ended"); }))
            return what == "ended" ? "the program still runs" : "the program has ended";
    } else if (what == "centred") { // give or take the frame the window system adds
        const std::optional<Point> centre = m_driver.centre(name.empty() ? "Form1" : name);
        const std::optional<Point> around = m_driver.centre(name.empty() ? "" : "Form1");
        if (!centre || !around || std::abs(centre->x - around->x) + std::abs(centre->y - around->y) > 8)
            return (name.empty() ? "Form1" : name) + " is not centred";
    } else if (!eventually([&] { return shown(what) == expected; })) {
        return what + " shows \"" + shown(what) + "\"";
    }
    return std::nullopt;
}

// A control of the main window, the reading, or the focused control or active window.
std::string ScriptPlayer::shown(const std::string& what) const
{
    if (what == "focus" || what == "active")
        return what == "focus" ? m_driver.focus() : m_driver.active();
    if (what != "reading")
        return m_driver.text("Form1", what);
    std::vector<std::string> reading;
    for (const std::string_view label : kReadingOrder)
        reading.push_back(m_driver.text("Form1", label));
    return Joined(reading, "|");
}

bool ScriptPlayer::eventually(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        m_driver.settle();
    }
    return true;
}
