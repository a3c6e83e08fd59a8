// The module's entry points, which the page's script calls: start the program, report what
// a person does to its windows (named by their place in the program's list, controls by
// their place in their window's description), and read the windows' descriptions. The
// module is the program: it holds the one front end from start to end.
#include "description_json.h"
#include "front_end.h"

#include <memory>

#define MORVANE_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

using morvane::forms::kWindows;

std::unique_ptr<FrontEnd>& TheFrontEnd()
{
    static std::unique_ptr<FrontEnd> frontEnd;
    return frontEnd;
}

const morvane::forms::WindowDescription& WindowAt(int window)
{
    return *kWindows.at(static_cast<std::size_t>(window));
}

} // namespace

MORVANE_EXPORT(start) void Start()
{
    TheFrontEnd() = std::make_unique<FrontEnd>();
    TheFrontEnd()->program().start();
}

MORVANE_EXPORT(pressed) void Pressed(int window, int control)
{
    TheFrontEnd()->program().pressed(WindowAt(window), WindowAt(window).controls[static_cast<std::size_t>(control)].name);
}

MORVANE_EXPORT(activated) void Activated(int window)
{
    TheFrontEnd()->program().activated(WindowAt(window));
}

MORVANE_EXPORT(closed) void Closed(int window)
{
    TheFrontEnd()->program().closed(WindowAt(window));
}

// The descriptions as JSON, with a NUL at the end, kept for the module's life.
MORVANE_EXPORT(descriptions) const char* Descriptions()
{
    static const std::string json = DescriptionJson();
    return json.c_str();
}
