#pragma once

// One start of a windowed program under X: the time from starting it to the server
// mapping its top-level window of a given title, and its resident memory a moment later.
#include <X11/Xlib.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

struct StartFigures {
    double mappedMs; // from fork+exec to the MapNotify of the window
    double cpuMs; // processor time its threads had used by then, less swayed by other load
    long residentKiB; // VmRSS once the program has settled
};

class WindowStartProbe {
public:
    // Watches the root window of the display in DISPLAY for windows being mapped.
    WindowStartProbe();
    ~WindowStartProbe();
    WindowStartProbe(const WindowStartProbe&) = delete;
    WindowStartProbe& operator=(const WindowStartProbe&) = delete;

    bool connected() const { return m_display != nullptr; }

    // Starts the command, waits up to `timeout` for its window, reads its memory after
    // `settle`, then ends it. Nothing when the window never appears.
    std::optional<StartFigures> measure(const std::vector<std::string>& command, const std::string& title,
                                        std::chrono::milliseconds settle, std::chrono::milliseconds timeout);

private:
    std::string title(Window window) const;
    bool waitForMap(const std::string& wanted, std::chrono::steady_clock::time_point deadline);

    Display* m_display = nullptr;
    Atom m_netWmName = 0;
    Atom m_utf8String = 0;
};
