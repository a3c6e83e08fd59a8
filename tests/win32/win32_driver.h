#pragma once

#include "script_player.h"

#include <windows.h>

// kestrin.exe as another program sees it, for the window scripts: started afresh, driven
// with keys and clicks through Windows' input queue, its windows found by their titles and
// its controls by their identifiers, their texts, the focus and the active window read
// through the Win32 API, and what it asks the browser to open and tells screen readers
// recorded: the first through a recorder that stands in for the browser, the second from
// its live region's events.
class Win32Driver : public FrontEndDriver {
public:
    Win32Driver(const std::wstring& program, const std::wstring& openRecorder);
    ~Win32Driver();
    Win32Driver(const Win32Driver&) = delete;
    Win32Driver& operator=(const Win32Driver&) = delete;

    void act(const std::string& verb, const std::string& argument) override;
    std::string text(std::string_view window, std::string_view control) const override;
    std::string focus() const override;
    std::string active() const override;
    int windowCount(std::string_view window, bool shownOnly) const override;
    std::optional<Point> centre(std::string_view window) const override;
    std::vector<std::string> takeOpened() override;
    std::vector<std::string> takeSpoken() override;
    bool isFile(const std::string& opened) const override;
    bool ended() const override;
    void settle() override;

private:
    std::vector<HWND> windows(std::string_view name) const; // shown or not
    HWND window(std::string_view name) const; // the shown one
    HWND control(std::string_view window, std::string_view control) const;
    std::string nameOf(HWND window) const; // of a window or a control
    GUITHREADINFO threadInfo() const;
    void typeInto(HWND box, const std::string& text);
    void leaveAndComeBack();

    PROCESS_INFORMATION m_process{};
    std::wstring m_openedLog;
    std::size_t m_openedTaken = 0; // lines of the log already taken
    HWINEVENTHOOK m_liveRegionHook = nullptr;
};
