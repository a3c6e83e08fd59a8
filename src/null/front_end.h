#pragma once

#include "platform.h"
#include "program.h"

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

// A front end with no toolkit: the program's windows kept as plain data on a screen of
// fixed size, and calls that stand for what a person does, passed on as a window system
// would. It plays the window scripts in the tests in a blink. A call of the program that
// a real window system could not carry out (opening a window that is open, using one that
// is not, focusing a control that takes no focus, ending while a window is open) is noted
// as a fault.
class FrontEnd : private morvane::forms::Platform {
public:
    using WindowDescription = morvane::forms::WindowDescription;

    // Help's page is looked for in the current folder, then in `pages`.
    explicit FrontEnd(std::filesystem::path pages);

    // What a person does. Keys and typing go to the active window's focused control.
    void click(const WindowDescription& window, std::string_view control);
    // A key as the window scripts write it: "Alt+C", "Tab", "Shift+Tab", "Return",
    // "Enter", "Space", "Esc", "Down".
    void press(std::string_view key);
    // Types or pastes at the end of the focused input, as far as it holds.
    void type(std::string_view text);
    // Selects everything in the focused input and deletes it.
    void erase();
    void closeWindow(const WindowDescription& window); // by its close button
    void activateWindow(const WindowDescription& window);
    // Another program takes the activation; then the person comes back to the main window.
    void leave();
    void moveWindow(const WindowDescription& window, int left, int top);

    // What it shows.
    bool isOpen(const WindowDescription& window) const;
    std::string text(const WindowDescription& window, std::string_view control) const override;
    const WindowDescription* active() const { return m_active; }
    std::string_view focus() const; // the focused control of the active window
    std::pair<int, int> centre(const WindowDescription* window) const; // of the screen for none
    std::vector<std::string> takeOpened() { return std::exchange(m_opened, {}); }
    std::vector<std::string> takeSpoken() { return std::exchange(m_spoken, {}); }
    bool ended() const { return m_ended; }
    const std::vector<std::string>& faults() const { return m_faults; }

private:
    struct Window {
        const WindowDescription* description;
        int left;
        int top;
        std::map<std::string_view, std::string> texts; // every control's
        std::string_view focus;
    };

    // Platform
    void open(const WindowDescription& window, const WindowDescription* around) override;
    void activate(const WindowDescription& window) override;
    void close(const WindowDescription& window) override;
    void setText(const WindowDescription& window, std::string_view control, std::string_view text) override;
    void moveFocus(const WindowDescription& window, std::string_view control) override;
    void openAddress(std::string_view address) override;
    void openPage(std::string_view fileName) override;
    void announce(std::string_view text) override;
    std::string decimalSeparator() const override { return "."; }
    void quit() override;

    Window* find(const WindowDescription& window);
    const Window* find(const WindowDescription& window) const;
    Window* openOrFault(const WindowDescription& window, std::string_view call);
    std::string* focusedText();
    void tab(int step);

    std::filesystem::path m_pages;
    std::vector<Window> m_windows;
    const WindowDescription* m_active = nullptr;
    std::vector<std::string> m_opened;
    std::vector<std::string> m_spoken;
    std::vector<std::string> m_faults;
    bool m_ended = false;
    morvane::forms::Program m_program{*this};
};
