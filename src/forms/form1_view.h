#pragma once

#include <string>
#include <string_view>

namespace morvane::forms {

// What the main window's behaviour needs of a platform's window: the texts of its
// controls by name, the focus, and the platform's ways of telling the user something.
class Form1View {
public:
    virtual std::string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, std::string_view text) = 0;
    virtual void moveFocus(std::string_view control) = 0;
    // Shows the message dialog, modeless, with this message, and makes it active.
    virtual void showMessage(std::string_view message) = 0;
    // Tells screen readers this text without moving the focus.
    virtual void announce(std::string_view text) = 0;
    // The decimal separator of the user's locale, which numbers may be typed with.
    virtual std::string decimalSeparator() const = 0;

protected:
    ~Form1View() = default;
};

} // namespace morvane::forms
