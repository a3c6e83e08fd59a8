#pragma once

// The vocabulary in which the program's windows are described once, for every toolkit:
// each window's title and size, and everything about each control: its kind, name, text
// and place, its look, what screen readers are told of it and what pressing it does.
// Sizes and places are in twips, 15 to the pixel at 96 dpi, relative to the control's
// container.
#include "reading.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string_view>

namespace morvane::forms {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

// Twips in pixels at the dpi, 96 where the toolkit scales pixels itself.
constexpr int TwipsToPixels(int twips, int dpi = 96)
{
    return (twips * dpi + 720) / 1440;
}

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr PixelRect TwipsToPixels(const Twips& place, int dpi = 96)
{
    return {TwipsToPixels(place.left, dpi), TwipsToPixels(place.top, dpi), TwipsToPixels(place.width, dpi),
            TwipsToPixels(place.height, dpi)};
}

struct Rgb {
    unsigned char red;
    unsigned char green;
    unsigned char blue;

    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

// Every window's typeface, or the platform's stand-in for it where it is not installed.
inline constexpr std::string_view kTypeface = "MS Sans Serif";

struct Font {
    double points = 9.75;
    bool bold = false;
    bool italic = false;

    bool operator==(const Font&) const = default;
};

// Points in pixels at the dpi, as a front end sizes the fixed layout's fonts.
constexpr int PointsToPixels(double points, int dpi = 96)
{
    return static_cast<int>(points * dpi / 72.0 + 0.5);
}

enum class ControlKind {
    Label, // fixed-size text, left and top aligned, wrapped at word boundaries
    Frame, // an etched frame with its caption on the top line; holds labels
    TextBox, // single line
    ComboBox, // editable drop-down: an edit field and a fixed list
    Button, // push button; "&" marks its access key
    Banner, // a picture on a button's face that takes no focus and does nothing
    Link, // a label that shows a pointing hand and answers a click
    Canvas, // a picture the program draws (drawing.h), which takes no focus
    List, // lines of text, one item each, that can be read one by one
    Option, // one of a group of option buttons; choosing it runs its command
};

// What pressing a button or clicking a link does; the program carries it out.
enum class Command {
    None,
    Calculate,
    Reset,
    About,
    Help,
    WebSite,
    Close, // closes the control's window
    ReturnToYearBox, // puts the focus in the main window's year box, then closes the window
    Compass, // opens the compass of the person's directions, or brings it to the front
    NorthUp, // draws the compass with north at the top
    SouthUp, // with south at the top
    Print, // prints the reading on one page, as the person chooses in the print dialog
    Copy, // puts the reading on the clipboard as text
};

// A key that runs a command from anywhere in a window: a function key alone, or Ctrl
// with a letter.
struct Shortcut {
    int function = 0; // F1 to F12
    char letter = '\0'; // upper case, with Ctrl

    constexpr bool operator==(const Shortcut&) const = default;
};

// One command of a window's context menu, also where the window's shortcuts come from;
// on Windows also in the window's system menu. "&" marks its access key.
struct MenuItem {
    std::string_view text;
    Command command;
    Shortcut shortcut = {};
};

// One of the program's pictures, drawn at this size in pixels at 96 dpi and at twice it
// for scaled screens.
struct Picture {
    std::string_view name;
    int width;
    int height;
};

// What a control is beyond its kind, name, text and place; most need little of it.
struct ControlTraits {
    std::optional<ReadingEntry> shows = {}; // a value label: the part of the reading it shows
    // A value label: the catalogues' context of the texts it shows, where one of them is
    // also shown elsewhere in another role.
    std::string_view context = {};
    std::string_view container = {}; // the frame that holds it; empty for the window itself
    std::string_view names = {}; // a caption label: the control beside it that it names
    std::span<const std::string_view> items = {}; // a combo box's list, in this order
    int maxLength = 0; // characters a text box holds; 0 for any number
    Font font = {};
    Rgb ink = kBlack;
    Rgb face = kWhite; // the ground behind its text or picture
    Picture picture = {};
    std::string_view tip = {};
    std::string_view spokenName = {}; // what screen readers call it, where its text does not serve
    std::string_view spokenDescription = {}; // what they add to its name
    Command command = Command::None;
    bool chosen = false; // an option button chosen when its window opens
};

// Controls are listed in the order they are made, which is also the order in which the
// Tab key visits those that take the focus.
struct Control {
    ControlKind kind;
    std::string_view name;
    std::string_view text; // caption, or what an input starts with
    Twips place;
    ControlTraits traits = {};
};

enum class WindowKind {
    Main, // a fixed single border, minimize and close buttons, a task-bar button
    Dialog, // a fixed dialog frame with a close button only, no task-bar button
};

// Where a window opens: centred on the main window (or the screen), or beside the main
// window, on whichever side the screen has room.
enum class Placement { Centred, Beside };

struct WindowDescription {
    std::string_view name;
    std::string_view title;
    int width; // of the client area, in twips
    int height;
    WindowKind kind;
    std::span<const Control> controls;
    std::string_view spokenName = {}; // what screen readers call it, where not its title
    std::span<const MenuItem> menu = {}; // its context menu and shortcuts
    Command escape = Command::None; // what Esc does
    Placement placement = Placement::Centred;
};

constexpr bool HasControl(const WindowDescription& window, std::string_view name)
{
    return std::ranges::find(window.controls, name, &Control::name) != window.controls.end();
}

// The control of that name; every name the program asks for is one of its window's, as
// the descriptions check when they are compiled.
constexpr const Control& ControlNamed(const WindowDescription& window, std::string_view name)
{
    return *std::ranges::find(window.controls, name, &Control::name);
}

// Whether every control that the window's controls refer to (as their frame, or as what
// a caption names) is one of its own, and no two share a name.
constexpr bool IsWhole(const WindowDescription& window)
{
    return std::ranges::all_of(window.controls, [&](const Control& control) {
        const auto refersWell = [&](std::string_view name) { return name.empty() || HasControl(window, name); };
        return refersWell(control.traits.container) && refersWell(control.traits.names)
            && std::ranges::count(window.controls, control.name, &Control::name) == 1;
    });
}

// Where the control stands in its window: a control in a frame by the frame's corner.
constexpr Twips PlaceInWindow(const WindowDescription& window, const Control& control)
{
    if (control.traits.container.empty())
        return control.place;
    const Twips& frame = ControlNamed(window, control.traits.container).place;
    return {frame.left + control.place.left, frame.top + control.place.top, control.place.width, control.place.height};
}

// Where a window of the size (frame and all) opens beside the one at `beside`, within the
// screen's work area: to its right where there is room, else to its left, else as far
// right as the area allows; its top level with the other's, as far as the area allows.
constexpr PixelRect PlaceBeside(const PixelRect& beside, int width, int height, const PixelRect& area)
{
    const int right = beside.left + beside.width;
    const int areaRight = area.left + area.width;
    const int left = right + width <= areaRight ? right
        : beside.left - width >= area.left      ? beside.left - width
                                                : std::max(area.left, areaRight - width);
    const int top = std::max(area.top, std::min(beside.top, area.top + area.height - height));
    return {left, top, width, height};
}

constexpr bool TakesFocus(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::ComboBox || kind == ControlKind::Button
        || kind == ControlKind::List || kind == ControlKind::Option;
}

// The caption label that names the control, or none.
constexpr const Control* CaptionOf(const WindowDescription& window, std::string_view control)
{
    const auto caption =
        std::ranges::find_if(window.controls, [&](const Control& named) { return named.traits.names == control; });
    return caption == window.controls.end() ? nullptr : &*caption;
}

// The label that shows this part of the reading; every part has one in the main window,
// as its description checks when it is compiled.
constexpr std::string_view LabelShowing(const WindowDescription& window, ReadingEntry entry)
{
    return std::ranges::find(window.controls, std::optional(entry),
                             [](const Control& control) { return control.traits.shows; })
        ->name;
}

// Whether each part of the reading is shown by exactly one control of the window.
constexpr bool ShowsTheReading(const WindowDescription& window)
{
    return std::ranges::all_of(kReadingEntries, [&](ReadingEntry entry) {
        return std::ranges::count(window.controls, std::optional(entry),
                                  [](const Control& control) { return control.traits.shows; })
            == 1;
    });
}

} // namespace morvane::forms
