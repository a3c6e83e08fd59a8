#pragma once

// The context menu of the main window and of the compass, with the shortcuts it shows; on
// Windows also in their system menus.
#include "window_description.h"

#include <array>
#include <string>

namespace morvane::forms {

// F2 is free everywhere: Qt's line edit takes several Ctrl letters on Linux, Windows' edit
// others, and the browsers most of the rest; no control takes Ctrl+P, which prints
// everywhere.
inline constexpr auto kWindowMenu = std::to_array<MenuItem>({
    {"&Compass", Command::Compass, {.function = 2}},
    {"&Print\u2026", Command::Print, {.letter = 'P'}},
    {"C&opy the reading", Command::Copy},
});

// A shortcut as menus show it: "F2", "Ctrl+P".
inline std::string ShortcutText(const Shortcut& shortcut)
{
    if (shortcut.function > 0)
        return "F" + std::to_string(shortcut.function);
    return shortcut.letter ? std::string("Ctrl+") + shortcut.letter : std::string();
}

} // namespace morvane::forms
