#pragma once

#include "drawing.h"
#include "window_description.h"

#include <functional>
#include <string>
#include <string_view>

namespace morvane::forms {

// One of the program's windows as a front end made it from its description, as the
// program uses it. Its controls are named by the description.
class ShownWindow {
public:
    // A list's text is its lines, each ended by "\n" but the last.
    virtual std::string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, std::string_view text) = 0;
    virtual void setDrawing(std::string_view control, const Drawing& drawing) = 0;
    // Puts the focus in the control: now if the window is active, else when it next is.
    virtual void moveFocus(std::string_view control) = 0;
    // Shows the window if it is not shown yet, brings it to the front and makes it the
    // active one; a minimized one stays as it is.
    virtual void activate() = 0;
    // Closes the window; the front end reports it closed, as when the person closes it.
    virtual void close() = 0;

protected:
    ~ShownWindow() = default;
};

// What the program asks of a front end beyond its windows' controls.
class Platform {
public:
    // Makes the window from its description, to be shown centred on `around` where that
    // is shown, and on the screen otherwise or for none, or beside `around` as the
    // description places it (PlaceBeside); activate() shows it.
    virtual ShownWindow& open(const WindowDescription& window, ShownWindow* around) = 0;
    // Opens a web address, or a page that comes with the program, in the user's browser;
    // where nothing can, nothing happens and nothing is said.
    virtual void openAddress(std::string_view address) = 0;
    virtual void openPage(std::string_view fileName) = 0;
    // Tells screen readers this text without moving the focus.
    virtual void announce(std::string_view text) = 0;
    // The decimal separator of the user's locale, which numbers may be typed with.
    virtual std::string decimalSeparator() const = 0;
    // Ends the program once the event at hand is handled.
    virtual void quit() = 0;
    // Prints, as the person chooses in the platform's print dialog, the sheet made for the
    // size of its page in logical units; where the person cancels, nothing is printed.
    virtual void print(const std::function<Drawing(double width, double height)>& sheet) = 0;
    // Puts the text on the clipboard.
    virtual void copy(std::string_view text) = 0;
    // Today's date where the person is, as ISO 8601 writes it: 2026-12-08.
    virtual std::string today() const = 0;

protected:
    ~Platform() = default;
};

} // namespace morvane::forms
