#pragma once

#include "window_description.h"

#include <windows.h>

// The colours a window paints with: its own white ground and described inks, or, under
// Windows high contrast, the system's window and text colours for all of them, so that
// the user's chosen contrast holds in every text.
class Colours {
public:
    Colours();
    ~Colours();
    Colours(const Colours&) = delete;
    Colours& operator=(const Colours&) = delete;

    // Reads the high-contrast setting again, after the user changed it.
    void refresh();

    COLORREF ground() const;
    COLORREF ink(morvane::forms::Rgb own) const;
    HBRUSH groundBrush() const { return m_groundBrush; }

private:
    bool m_highContrast = false;
    HBRUSH m_groundBrush = nullptr;
};
