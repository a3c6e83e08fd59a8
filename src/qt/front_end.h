#pragma once

#include "platform.h"
#include "program.h"
#include "screen_reader.h"
#include "window.h"

#include <QObject>
#include <QPointer>

#include <map>

// The Qt front end: lends the program Qt's windows, made from their descriptions, and
// Qt's services (the browser, screen readers, the locale); reports to the program each
// activation of one of its windows. The program, not Qt, decides when it ends.
class FrontEnd : public QObject, private morvane::forms::Platform {
    Q_OBJECT

public:
    FrontEnd();
    ~FrontEnd() override;

    // Opens the main window, as the program starts.
    void start() { m_program.start(); }

private:
    using WindowDescription = morvane::forms::WindowDescription;

    // Platform
    void open(const WindowDescription& window, const WindowDescription* around) override;
    void activate(const WindowDescription& window) override;
    void close(const WindowDescription& window) override;
    std::string text(const WindowDescription& window, std::string_view control) const override;
    void setText(const WindowDescription& window, std::string_view control, std::string_view text) override;
    void moveFocus(const WindowDescription& window, std::string_view control) override;
    void openAddress(std::string_view address) override;
    void openPage(std::string_view fileName) override;
    void announce(std::string_view text) override;
    std::string decimalSeparator() const override;
    void quit() override;

    // The shown window of that description, or none.
    Window* shown(const WindowDescription& window) const;

    morvane::forms::Program m_program{*this};
    // Each window is its own top-level widget, which deletes itself when closed.
    std::map<const WindowDescription*, QPointer<Window>> m_windows;
    QPointer<ScreenReader> m_screenReader;
};
