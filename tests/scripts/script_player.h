#pragma once

// What each step of the window scripts means, once for every front end: the player parses
// every step and judges every check, and a front end's driver lends it typed primitives
// only: what a person does to the windows, and what they show.
#include "language.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ScreenPoint {
    int x;
    int y;
};

// A key as a person presses it, with the modifiers held down.
struct Key {
    enum Name { Character, Tab, Enter, Escape, Space, Down, Function, Menu };
    Name name = Character;
    char character = '\0'; // of a Character key: an upper-case letter or a digit
    int function = 0; // of a Function key: 1 for F1
    bool alt = false;
    bool shift = false;
    bool ctrl = false;
};

class FrontEndDriver {
public:
    virtual ~FrontEndDriver() = default;

    // What a person does. Keys, typing, pasting and erasing go to the focused control of
    // the active window; a window or control that is not shown is left alone.
    virtual void click(std::string_view window, std::string_view control) = 0;
    // A click with the other button, which opens a context menu; then the choice of an item
    // of the program's menu (by its place in it), where that menu is the one open, or the
    // closing of the one that is.
    virtual void rightClick(std::string_view window, std::string_view control) = 0;
    virtual void chooseMenuItem(std::size_t item) = 0;
    virtual void press(const Key& key) = 0;
    virtual void type(std::string_view text) = 0; // at the caret, key by key
    virtual void paste(std::string_view text) = 0;
    virtual void erase() = 0; // selects all of the focused input's text and deletes it
    virtual void close(std::string_view window) = 0; // by its close button
    virtual void activate(std::string_view window) = 0;
    // Another program takes the activation; then the person comes back to the main window.
    virtual void leaveAndReturn() = 0;
    // Drags the window into the top-left corner of the screen's work area.
    virtual void moveToCorner(std::string_view window) = 0;

    // What the windows show: a control's text, "" where its window is not shown; the
    // focused control and the active window, by name; the centres of the shown windows of
    // a name, or of the screen's work area for "".
    virtual std::string text(std::string_view window, std::string_view control) const = 0;
    virtual std::string focus() const = 0;
    virtual std::string active() const = 0;
    virtual std::vector<ScreenPoint> centres(std::string_view window) const = 0;
    // What the program asked the browser to open (a web address, or a page by its path or
    // address) and told screen readers, since the last call; the clipboard's text; whether
    // a page it opened exists; and whether the program has ended.
    virtual std::vector<std::string> takeOpened() = 0;
    virtual std::vector<std::string> takeSpoken() = 0;
    virtual std::string clipboard() const = 0;
    virtual bool exists(const std::string& page) const = 0;
    virtual bool ended() const = 0;
    // What went wrong beside the windows, or "": for the front end with no toolkit, a call
    // no window system could carry out; for the page, a request to another host or an
    // error of its script.
    virtual std::string fault() const { return {}; }

    // Lets the program run a moment, as between two things a person does.
    virtual void settle() = 0;
};

class ScriptPlayer {
public:
    explicit ScriptPlayer(FrontEndDriver& driver);

    // Plays one step; what a check saw instead of what it expected, or nothing.
    std::optional<std::string> play(const std::string& step);
    // Plays the steps up to the first that fails; that step and what it saw, or nothing.
    std::optional<std::string> playAll(const std::vector<std::string>& steps);

private:
    void act(const std::string& verb, const std::string& argument);
    std::optional<std::string> check(const std::string& what, const std::string& expected);
    static std::pair<std::string, std::string> Target(const std::string& written);
    std::string shown(const std::string& what) const;
    bool eventually(const std::function<bool()>& condition); // within three seconds

    FrontEndDriver& m_driver;
    std::deque<std::string> m_opened;
};

// Plays every window script (or only those of one language), each on the program started
// afresh by `start` in the script's language once its main window is active, and says how
// each went; how many failed.
int PlayEveryScript(const std::function<std::unique_ptr<FrontEndDriver>(morvane::forms::Language)>& start,
                    std::optional<morvane::forms::Language> only = std::nullopt);
