#pragma once

// The vocabulary in which the program's windows are described once, for every toolkit:
// each window's title and size, and each control's kind, name, text and place. Sizes and
// places are in twips, 15 to the pixel at 96 dpi, relative to the control's container.
#include <algorithm>
#include <span>
#include <string_view>

namespace morvane::forms {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

// Twips at 96 dpi; a front end scales the result for the screen's dpi.
constexpr int TwipsToPixels(int twips)
{
    return twips / 15;
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
};

// Points at 96 dpi in pixels, as a front end sizes the fixed layout's fonts.
constexpr int PointsToPixels(double points)
{
    return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

enum class ControlKind {
    Label, // fixed-size text, left and top aligned, wrapped at word boundaries
    Frame, // an etched frame with its caption on the top line; holds labels
    TextBox, // single line
    ComboBox, // editable drop-down: an edit field and a fixed list
    Button, // push button; "&" marks its access key
    Banner, // a picture on a button's face that takes no focus and does nothing
};

// Controls are listed in the order they are made, which is also the order in which the
// Tab key visits those that take the focus.
struct Control {
    ControlKind kind;
    std::string_view name;
    std::string_view text; // caption, or what an input starts with
    Twips place;
    std::string_view container = {}; // the frame that holds it; empty for the window itself
    std::span<const std::string_view> items = {}; // a combo box's list, in this order
};

// How a control looks where it differs from black text in the regular font.
struct ControlLook {
    std::string_view name;
    Font font;
    Rgb ink;
};

struct ControlTip {
    std::string_view name;
    std::string_view tip;
};

// What screen readers call a control and what they add to it; empty where the control's
// own caption or text serves.
struct ScreenReaderText {
    std::string_view name;
    std::string_view accessibleName;
    std::string_view description;
};

// A caption label and the control beside it that it names.
struct CaptionOf {
    std::string_view caption;
    std::string_view control;
};

enum class WindowKind {
    Main, // a fixed single border, minimize and close buttons, a task-bar button
    Dialog, // a fixed dialog frame with a close button only, no task-bar button
};

struct WindowDescription {
    std::string_view name;
    std::string_view title;
    int width; // of the client area, in twips
    int height;
    WindowKind kind;
    std::span<const Control> controls;
    std::span<const ControlLook> looks = {};
    std::string_view screenReaderName = {}; // what screen readers call it, where not its title
};

// The control of that name; every name the program asks for is in its window's table.
constexpr const Control& ControlNamed(const WindowDescription& window, std::string_view name)
{
    return *std::ranges::find(window.controls, name, &Control::name);
}

// How the control looks: its entry in the window's looks, or black regular text.
constexpr ControlLook LookOf(const WindowDescription& window, std::string_view name)
{
    const auto look = std::ranges::find(window.looks, name, &ControlLook::name);
    return look == window.looks.end() ? ControlLook{name, {}, kBlack} : *look;
}

constexpr bool TakesFocus(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::ComboBox || kind == ControlKind::Button;
}

} // namespace morvane::forms
