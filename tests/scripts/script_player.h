#pragma once

// What each step of the window scripts means, once for every front end: a front end's
// driver lends the means (what a person does to its windows, and what they show), and the
// player plays the steps and checks what they must show.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Point {
    int x;
    int y;
};

class FrontEndDriver {
public:
    // Does what a step other than a check asks (window_scripts.h): year, sex, paste, key,
    // click, okay, close, activate, leave, move.
    virtual void act(const std::string& verb, const std::string& argument) = 0;

    // What the windows show; an empty text where the window is not open.
    virtual std::string text(std::string_view window, std::string_view control) const = 0;
    virtual std::string focus() const = 0; // the focused control's name
    virtual std::string active() const = 0; // the active window's name
    virtual int windowCount(std::string_view window, bool shownOnly) const = 0;
    // The centre of the shown window, or of the screen's work area for "".
    virtual std::optional<Point> centre(std::string_view window) const = 0;
    // What the program asked the browser to open, and told screen readers, since the last call.
    virtual std::vector<std::string> takeOpened() = 0;
    virtual std::vector<std::string> takeSpoken() = 0;
    virtual bool isFile(const std::string& opened) const = 0;
    virtual bool ended() const = 0; // the program has ended

    // Lets the program run a moment, as between two things a person does.
    virtual void settle() = 0;

protected:
    ~FrontEndDriver() = default;
};

class ScriptPlayer {
public:
    explicit ScriptPlayer(FrontEndDriver& driver);

    // Plays one step; what a check saw instead of what it expected, or nothing.
    std::optional<std::string> play(const std::string& step);

private:
    std::optional<std::string> check(const std::string& what, const std::string& expected);
    std::string shown(const std::string& what) const;
    bool eventually(const std::function<bool()>& condition); // within three seconds

    FrontEndDriver& m_driver;
    std::deque<std::string> m_opened;
};
