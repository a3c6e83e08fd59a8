#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string_view>

// What Windows' screen readers (Narrator, NVDA) are told beyond what Windows' own controls
// say of themselves, through Active Accessibility's annotation service: a control's name
// and description, and a polite live region whose changes they read out without the
// focus moving. Where the service is missing, the controls keep their own texts.
class ScreenReaderAnnotations {
public:
    ScreenReaderAnnotations();
    ~ScreenReaderAnnotations();
    ScreenReaderAnnotations(const ScreenReaderAnnotations&) = delete;
    ScreenReaderAnnotations& operator=(const ScreenReaderAnnotations&) = delete;

    void name(HWND control, std::string_view name) const;
    void describe(HWND control, std::string_view description) const;
    void makeLiveRegion(HWND control) const;

private:
    IAccPropServices* m_services = nullptr;
};

// Tells screen readers the text of a live region that has just changed.
void AnnounceLiveRegion(HWND region);
