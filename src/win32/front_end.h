#pragma once

#include "painter.h"
#include "platform.h"
#include "program.h"
#include "screen_reader.h"
#include "window.h"

#include <map>
#include <memory>

// The Win32 front end: lends the program Windows' own windows, made from their
// descriptions, and Windows' services (the browser, screen readers, the locale). The
// dialogs have a hidden owner, so that they have no task-bar button and stay free of the
// main window. The program ends the message loop when its last window has closed.
class FrontEnd : private morvane::forms::Platform {
public:
    FrontEnd();
    ~FrontEnd();
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;

    // Opens the main window, as the program starts.
    void start() { m_program.start(); }

private:
    // Platform
    morvane::forms::ShownWindow& open(const morvane::forms::WindowDescription& window,
                                      morvane::forms::ShownWindow* around) override;
    void openAddress(std::string_view address) override;
    void openPage(std::string_view fileName) override;
    void announce(std::string_view text) override { m_screenReader.announce(text); }
    std::string decimalSeparator() const override;
    void quit() override { PostQuitMessage(0); }
    void print(const std::function<morvane::forms::Drawing(double width, double height)>& sheet) override;
    void copy(std::string_view text) override;
    std::string today() const override;

    Painting m_painting; // before the windows, and after them
    morvane::forms::Program m_program; // in the user's preferred language
    ScreenReader m_screenReader;
    HWND m_hiddenOwner = nullptr;
    // One for each of the program's windows, by name, made the first time it opens and
    // its controls made afresh each time.
    std::map<std::string_view, std::unique_ptr<Window>> m_windows;
};
