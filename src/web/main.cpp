// The module's entry points, which the page's script calls: start the program in a
// language (by its place in the program's list of languages), and report what a person
// does to its windows (named by their place in the program's list, controls by their place
// in their window's description). The module is the program: it holds the one front end
// from start to end.
#include "front_end.h"
#include "page.h"
#include "painter.h"

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

MORVANE_EXPORT(start) void Start(int language)
{
    TheFrontEnd() = std::make_unique<FrontEnd>(morvane::forms::kLanguages.at(static_cast<std::size_t>(language)).language);
    TheFrontEnd()->program().start();
}

MORVANE_EXPORT(pressed) void Pressed(int window, int control)
{
    TheFrontEnd()->program().pressed(WindowAt(window), WindowAt(window).controls[static_cast<std::size_t>(control)].name);
}

// A command of the window's menu (by its place in it), or its shortcut; Esc in a window.
MORVANE_EXPORT(chose) void Chose(int window, int item)
{
    TheFrontEnd()->program().commanded(WindowAt(window), WindowAt(window).menu[static_cast<std::size_t>(item)].command);
}

MORVANE_EXPORT(cancelled) void Cancelled(int window)
{
    TheFrontEnd()->program().cancelled(WindowAt(window));
}

MORVANE_EXPORT(activated) void Activated(int window)
{
    TheFrontEnd()->program().activated(WindowAt(window));
}

MORVANE_EXPORT(closed) void Closed(int window)
{
    TheFrontEnd()->program().closed(WindowAt(window));
}

// The sheet drawn afresh whenever the browser is about to print (the page's beforeprint),
// made for A4 and fitted by the page's style to the page printed on; the reading handed
// to the share sheet.
MORVANE_EXPORT(drawSheet) void DrawSheet()
{
    Paint(-1, -1, TheFrontEnd()->program().sheet(morvane::forms::kA4Width, morvane::forms::kA4Height));
}

MORVANE_EXPORT(share) void Share()
{
    const std::string text = TheFrontEnd()->program().readingText();
    PageShare(text.data(), text.size());
}
