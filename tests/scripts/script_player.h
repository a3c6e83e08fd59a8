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
    virtual ~FrontEndDriver() = default;

    // Does what a step other than a check asks (window_scripts.h): year, sex, paste, key,
    // click, okay, close, activate, leave, move.
    virtual void act(const std::string& verb, const std::string& argument) = 0;

    // What the windows show: a control's text, "" where its window is not shown; the
    // focused control and the active window, by name; how many windows of a name there
    // are, shown or not; the centre of the shown one, or of the screen's work area for "".
    virtual std::string text(std::string_view window, std::string_view control) const = 0;
    virtual std::string focus() const = 0;
    virtual std::string active() const = 0;
    virtual int count(std::string_view window) const = 0;
    virtual std::optional<Point> centre(std::string_view window) const = 0;
    // What the program asked the browser to open (a web address, or a file by its path) and
    // told screen readers, since the last call; and whether it has ended.
    virtual std::vector<std::string> takeOpened() = 0;
    virtual std::vector<std::string> takeSpoken() = 0;
    virtual bool ended() const = 0;

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
    std::optional<std::string> check(const std::string& what, const std::string& expected);
    std::string shown(const std::string& what) const;
    bool eventually(const std::function<bool()>& condition); // within three seconds

    FrontEndDriver& m_driver;
    std::deque<std::string> m_opened;
};
