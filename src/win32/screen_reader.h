#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string_view>

// What Windows' screen readers (Narrator, NVDA) are told beyond what Windows' own controls
// say of themselves, through Active Accessibility's annotation service: a control's name
// and description, and, in a polite live region of the main window, a text that they read
// out without the focus moving. Where the service is missing, the controls keep their own
// texts.
class ScreenReader {
public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // Names and describes the control where the description says more than its text.
    void describe(HWND control, std::string_view name, std::string_view description) const;
    // A live region of no size in the main window, for what announce() says.
    void makeLiveRegion(HWND mainWindow);
    void announce(std::string_view text) const;

private:
    IAccPropServices* m_services = nullptr;
    HWND m_liveRegion = nullptr;
};
