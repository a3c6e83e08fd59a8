#pragma once

#include <windows.h>

#include <string_view>

// What a person does with the keyboard and the mouse, sent through Windows' input queue to
// whichever window has the focus or lies under the pointer, as the real devices would.

// A key with its modifiers, as the window scripts write it: "Alt+C", "Shift+Tab", "Return",
// "Enter", "Esc", "Space", "Down", "Tab", "Backspace", "Ctrl+V".
void PressKey(std::string_view key);

// Types the text character by character, whatever the keyboard layout.
void Type(std::string_view utf8);

// A left click in the middle of the window, if there is one.
void Click(HWND window);
