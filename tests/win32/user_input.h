#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

// What a person does with the keyboard and the mouse, sent through Windows' input queue to
// whichever window has the focus or lies under the pointer, as the real devices would.

// A key, by its virtual-key code, with the modifiers held down (VK_MENU for Alt).
void PressKey(WORD key, const std::vector<WORD>& modifiers = {});

// Types the text character by character, whatever the keyboard layout.
void Type(std::string_view utf8);

// A click in the middle of the window, if there is one, with the left button or the right.
void Click(HWND window, bool right = false);
