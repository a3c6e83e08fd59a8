#pragma once

#include "language.h"
#include "window_description.h"

#include <windows.h>

#include <map>
#include <string_view>

// The fonts of one window at one dpi: the windows' typeface (Windows maps "MS Sans Serif"
// to its own sans serif), or in Chinese the first installed face of the language's, at the
// described size, weight and slant; one for the window's regular text and one for each
// control with a font of its own.
// The face of the language's texts (as Fonts takes it) at the height in pixels.
HFONT TextFont(double pixels, bool bold, morvane::forms::Language language);

class Fonts {
public:
    Fonts(const morvane::forms::WindowDescription& window, UINT dpi, morvane::forms::Language language);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    HFONT of(std::string_view control) const;

private:
    std::map<std::string_view, HFONT> m_fonts; // the regular one under no name
};
