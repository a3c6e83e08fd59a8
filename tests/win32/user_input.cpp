#include "user_input.h"

#include "text.h"

#include <vector>

namespace {

INPUT KeyInput(WORD key, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    return input;
}

} // namespace

void PressKey(WORD key, const std::vector<WORD>& modifiers)
{
    std::vector<INPUT> inputs;
    for (const WORD modifier : modifiers)
        inputs.push_back(KeyInput(modifier, 0));
    inputs.push_back(KeyInput(key, 0));
    inputs.push_back(KeyInput(key, KEYEVENTF_KEYUP));
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier)
        inputs.push_back(KeyInput(*modifier, KEYEVENTF_KEYUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Type(std::string_view utf8)
{
    for (const wchar_t unit : Wide(utf8)) {
        INPUT inputs[2]{KeyInput(0, KEYEVENTF_UNICODE), KeyInput(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)};
        inputs[0].ki.wScan = inputs[1].ki.wScan = unit;
        SendInput(2, inputs, sizeof(INPUT));
    }
}

void Click(HWND window, bool right)
{
    RECT place{};
    if (!window || !GetWindowRect(window, &place))
        return;
    INPUT inputs[3]{};
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dx = MulDiv((place.left + place.right) / 2, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    inputs[0].mi.dy = MulDiv((place.top + place.bottom) / 2, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}
