#pragma once

#include "platform.h"
#include "program.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A front end with no toolkit: the program's windows kept as plain data on a screen of
// fixed size, and calls that stand for what a person does, passed on as a window system
// would. It plays the window scripts in the tests in a blink. A call of the program that
// a real window system could not carry out (opening a window that is open, using one that
// has closed, focusing a control that takes no focus, ending while a window is open) is
// noted as a fault. Windows are known by their names, in whichever language a caller
// describes them.
class FrontEnd : private morvane::forms::Platform {
public:
    using WindowDescription = morvane::forms::WindowDescription;

    // Help's page is looked for in the current folder, then in `pages`. The person reads
    // the language.
    FrontEnd(std::filesystem::path pages, morvane::forms::Language language);
    ~FrontEnd();

    enum class Key { Tab, BackTab, Enter, Space, Escape, Down, Up, Menu };

    // What a person does. Keys and typing go to the active window's focused control.
    void click(const WindowDescription& window, std::string_view control);
    void press(Key key);
    void pressAlt(char letter); // with a letter or digit
    void pressShortcut(const morvane::forms::Shortcut& shortcut);
    // A click with the other button: the window's context menu opens, but on an input,
    // which has its own; then one of its items is chosen, by its place in the menu.
    void rightClick(const WindowDescription& window, std::string_view control);
    void chooseMenuItem(std::size_t item);
    // Types or pastes at the end of the focused input, as far as it holds, in place of
    // its text where that is all selected.
    void type(std::string_view text);
    // Selects everything in the focused input and deletes it.
    void erase();
    void closeWindow(const WindowDescription& window); // by its close button
    void activateWindow(const WindowDescription& window);
    // Another program takes the activation; then the person comes back to the main window.
    void leave();
    void moveWindow(const WindowDescription& window, int left, int top);

    // What it shows.
    bool isShown(const WindowDescription& window) const { return shown(window); }
    std::string text(const WindowDescription& window, std::string_view control) const;
    const WindowDescription* active() const { return m_active; }
    std::string_view focus() const; // the focused control of the active window
    std::pair<int, int> centre(const WindowDescription* window) const; // of the screen for none
    std::vector<std::string> takeOpened() { return std::exchange(m_opened, {}); }
    std::vector<std::string> takeSpoken() { return std::exchange(m_spoken, {}); }
    const std::string& clipboard() const { return m_clipboard; }
    // The sheet the program last printed, on a page of A4.
    const morvane::forms::Drawing& printed() const { return m_printed; }
    bool ended() const { return m_ended; }
    const std::vector<std::string>& faults() const { return m_faults; }

private:
    class Window;

    // Platform
    morvane::forms::ShownWindow& open(const WindowDescription& window, morvane::forms::ShownWindow* around) override;
    void openAddress(std::string_view address) override { m_opened.emplace_back(address); }
    void openPage(std::string_view fileName) override;
    void announce(std::string_view text) override { m_spoken.emplace_back(text); }
    std::string decimalSeparator() const override { return "."; }
    void quit() override;
    void print(const std::function<morvane::forms::Drawing(double width, double height)>& sheet) override;
    void copy(std::string_view text) override { m_clipboard = text; }
    std::string today() const override { return "2026-12-08"; }

    Window* made(const WindowDescription& window) const; // and not closed
    Window* shown(const WindowDescription& window) const;
    std::string* focusedText();
    void tab(int step);
    void openMenu(const WindowDescription& window, std::string_view control);

    std::filesystem::path m_pages;
    // Every window made, the closed ones too, so that a late call on one is seen.
    std::vector<std::unique_ptr<Window>> m_windows;
    const WindowDescription* m_active = nullptr;
    const WindowDescription* m_menu = nullptr; // the window whose context menu is open
    std::vector<std::string> m_opened;
    std::vector<std::string> m_spoken;
    std::vector<std::string> m_faults;
    std::string m_clipboard;
    morvane::forms::Drawing m_printed;
    bool m_ended = false;
    morvane::forms::Program m_program;
};
