#pragma once

#include "program.h"
#include "renderer.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

// Lets the program's window that a message is for handle its keys: its menu's shortcuts,
// and the dialog keys: Tab and Shift+Tab, Alt with an access key, Enter and Space on the
// focused button, the arrows round a group of options, Esc.
bool HandleDialogKeys(MSG& message);

// One of the program's windows, made from its description: its frame and title, and its
// controls laid out for the dpi of the screen it is on, again whenever that changes;
// white with the described fonts and inks, or the system's colours under high contrast.
// It keeps its focused control while another window is active, and reports to the program
// what happens to it: a button pressed, an option chosen, the link clicked, a command of
// its context menu, its system menu or a shortcut, Esc, the window active, the window
// closed. The C++ object outlives its window, so that a closed window can be made afresh.
class Window : public morvane::forms::ShownWindow {
public:
    Window(const morvane::forms::WindowDescription& description, morvane::forms::Program& program,
           const ScreenReader& screenReader);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Makes the window and its controls, its frame where `place` puts a frame of its size
    // (screen pixels); activate() shows it.
    void open(HWND owner, const std::function<POINT(SIZE frame)>& place);
    HWND hwnd() const { return m_hwnd; }

    // ShownWindow
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void setDrawing(std::string_view control, const morvane::forms::Drawing& drawing) override;
    void moveFocus(std::string_view control) override;
    void activate() override;
    void close() override { DestroyWindow(m_hwnd); }

    // Runs the command of the window's menu whose shortcut the key message is.
    bool shortcut(const MSG& message);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void showMenu(LPARAM at);
    void draw(const DRAWITEMSTRUCT& item);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void layOut(UINT dpi);
    void commanded(HWND control, WORD notification);
    void restoreFocus();
    LRESULT colourControl(HDC dc, HWND control) const;
    const morvane::forms::Control* controlOf(HWND control) const;

    const morvane::forms::WindowDescription& m_description;
    morvane::forms::Program& m_program;
    const ScreenReader& m_screenReader;
    HWND m_hwnd = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    // The control that had the focus when the window was left, which gets it back on the
    // return: a window that is not a dialog forgets it by itself.
    HWND m_focus = nullptr;
    Controls m_controls;
    std::unique_ptr<Fonts> m_fonts;
    HCURSOR m_hand = nullptr; // over links, where the window has one
    std::map<std::string_view, morvane::forms::Drawing> m_drawings; // by canvas
};
