#pragma once

#include "window_description.h"

#include <string>
#include <string_view>

namespace morvane::forms {

// What the program asks of a front end: its windows made from their descriptions, their
// controls' texts and the focus, and the platform's ways of reaching beyond the windows.
// Windows and controls are named by their descriptions.
class Platform {
public:
    // Makes the window from its description and shows it, centred on the open window
    // `around` where that is shown, and on the screen otherwise or for no window.
    virtual void open(const WindowDescription& window, const WindowDescription* around) = 0;
    // Brings an open window to the front and makes it the active one; a minimized one
    // stays as it is.
    virtual void activate(const WindowDescription& window) = 0;
    // Closes an open window; the front end reports it closed, as when the person closes it.
    virtual void close(const WindowDescription& window) = 0;

    virtual std::string text(const WindowDescription& window, std::string_view control) const = 0;
    virtual void setText(const WindowDescription& window, std::string_view control, std::string_view text) = 0;
    // Puts the focus in the control: now if its window is active, else when it next is.
    virtual void moveFocus(const WindowDescription& window, std::string_view control) = 0;

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

protected:
    ~Platform() = default;
};

} // namespace morvane::forms
