#include "null_driver.h"

#include <algorithm>

using namespace morvane::forms;

namespace {

const WindowDescription* Named(std::string_view name)
{
    const auto found = std::ranges::find(kWindows, name, &WindowDescription::name);
    return found == kWindows.end() ? nullptr : *found;
}

} // namespace

NullDriver::NullDriver()
    : m_frontEnd(MORVANE_HELP_FOLDER)
{
}

void NullDriver::act(const std::string& verb, const std::string& argument)
{
    const WindowDescription* window = Named(argument);
    if (verb == "year" || verb == "sex") {
        m_frontEnd.click(kForm1, verb == "year" ? kYearBox : kSexBox);
        m_frontEnd.erase();
        m_frontEnd.type(argument);
    } else if (verb == "paste") {
        m_frontEnd.type(argument);
    } else if (verb == "key") {
        m_frontEnd.press(argument);
    } else if (verb == "click") {
        m_frontEnd.click(kForm1, argument);
    } else if (verb == "okay" && window) {
        m_frontEnd.click(*window, "Command1");
    } else if (verb == "close" && window) {
        m_frontEnd.closeWindow(*window);
    } else if (verb == "activate" && window) {
        m_frontEnd.activateWindow(*window);
    } else if (verb == "leave") {
        m_frontEnd.leave();
    } else if (verb == "move") {
        m_frontEnd.moveWindow(kForm1, 0, 0);
    }
}

std::string NullDriver::text(std::string_view window, std::string_view control) const
{
    return Named(window) ? m_frontEnd.text(*Named(window), control) : std::string();
}

std::string NullDriver::active() const
{
    return m_frontEnd.active() ? std::string(m_frontEnd.active()->name) : std::string();
}

int NullDriver::windowCount(std::string_view window, bool) const
{
    return Named(window) && m_frontEnd.isOpen(*Named(window)) ? 1 : 0;
}

std::optional<Point> NullDriver::centre(std::string_view window) const
{
    if (!window.empty() && !(Named(window) && m_frontEnd.isOpen(*Named(window))))
        return std::nullopt;
    const auto [x, y] = m_frontEnd.centre(Named(window));
    return Point{x, y};
}

bool NullDriver::isFile(const std::string& opened) const
{
    return std::filesystem::is_regular_file(opened);
}
