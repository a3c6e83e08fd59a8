#pragma once

#include "window_description.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// kestrin.exe as another program sees it: started afresh, its windows found by their
// titles and its controls by their identifiers, their texts, the focus and the active
// window read through the Win32 API, and what it asks the browser to open and tells
// screen readers, recorded.
class RemoteProgram {
public:
    // Starts the program with the recorder as the browser for pages and web addresses.
    RemoteProgram(const std::wstring& program, const std::wstring& openRecorder);
    ~RemoteProgram();
    RemoteProgram(const RemoteProgram&) = delete;
    RemoteProgram& operator=(const RemoteProgram&) = delete;

    // The visible window described by this name ("Form1", "Dialog1", "Dialog"), or none.
    HWND window(std::string_view name) const;
    int windowCount(std::string_view name) const; // shown or not
    HWND control(std::string_view window, std::string_view control) const;
    std::string text(HWND control) const;
    std::string focus() const; // the focused control's name, or ""
    std::string active() const; // the active window's name, or ""

    // What the program asked to open, oldest first, taken out of the record.
    std::vector<std::string> takeOpened();
    // What the program told screen readers since the last call, oldest first.
    std::vector<std::string> takeSpoken();

    // Lets the program handle what it was sent, and the driver the events it was sent.
    void settle() const;

private:
    std::vector<HWND> topLevelWindows() const;
    const morvane::forms::WindowDescription* describedBy(HWND window) const;
    std::string nameOf(HWND control) const;

    PROCESS_INFORMATION m_process{};
    std::wstring m_openedLog;
    std::size_t m_openedTaken = 0; // lines of the log already taken
    HWINEVENTHOOK m_liveRegionHook = nullptr;
};
