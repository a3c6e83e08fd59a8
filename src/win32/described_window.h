#pragma once

#include "colours.h"
#include "fonts.h"
#include "window_description.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

// Lets the program's window that a message is for handle the dialog keys: Tab and
// Shift+Tab, Alt with an access key, Enter and Space on the focused button.
bool HandleDialogKeys(MSG& message);

// A top-level window made from its description: its frame and title, and every control
// at its place in twips laid out for the dpi of the screen it is on, again whenever that
// changes; white with the described fonts and inks, or the system's colours under high
// contrast. It keeps its focused control while another window is active. Subclasses
// answer the commands. The C++ object outlives its window, so that
// a closed window can be made afresh.
class DescribedWindow {
public:
    DescribedWindow(const DescribedWindow&) = delete;
    DescribedWindow& operator=(const DescribedWindow&) = delete;

    HWND hwnd() const { return m_hwnd; }
    bool isOpen() const { return m_hwnd != nullptr; }
    HWND control(std::string_view name) const { return m_controls.at(name); }
    std::string text(std::string_view control) const;
    void setText(std::string_view control, std::string_view text);
    // Brings the window to the front and makes it the active one.
    void activate() const;
    // Puts the focus in the control, now if the window is active, else when it next is.
    void focusOn(std::string_view control);

protected:
    explicit DescribedWindow(const morvane::forms::WindowDescription& description);
    virtual ~DescribedWindow();

    // Makes the window and its controls, centred on `area` (screen pixels), and shows it.
    void open(HWND owner, const RECT& area);
    UINT dpi() const { return m_dpi; }

    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // A control's notification: a click, or a label's click.
    virtual void commanded(std::string_view control, WORD notification) = 0;
    // The window became the active one.
    virtual void activated() = 0;
    // The window is gone; the object stays and may open it again.
    virtual void closed() = 0;

    const morvane::forms::WindowDescription& m_description;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void makeControls();
    void layOut(UINT dpi);
    void pressFocusedButton();
    void restoreFocus();
    LRESULT colourControl(HDC dc, HWND control) const;
    std::string_view nameOf(HWND control) const;

    HWND m_hwnd = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    // The control that had the focus when the window was left, which gets it back on the
    // return: a window that is not a dialog forgets it by itself.
    HWND m_focus = nullptr;
    std::unordered_map<std::string_view, HWND> m_controls;
    std::unique_ptr<Fonts> m_fonts;
    Colours m_colours;
};
