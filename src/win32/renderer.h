#pragma once

#include "fonts.h"
#include "screen_reader.h"
#include "window_description.h"

#include <windows.h>

#include <string_view>
#include <unordered_map>

// The controls of a rendered window, by name.
using Controls = std::unordered_map<std::string_view, HWND>;

// Makes every control of the description in the window, in the described order so that
// Tab visits them in it, with all the description says of it: text, list, length limit,
// tip, and what screen readers call it and add to it. Windows' screen readers name an
// input by the caption label just before it, where the description puts it.
Controls Render(HWND window, const morvane::forms::WindowDescription& description, const ScreenReader& screenReader);

// Places every control for the dpi, with its font.
void LayOut(const morvane::forms::WindowDescription& description, const Controls& controls, const Fonts& fonts,
            UINT dpi);
