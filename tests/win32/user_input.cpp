#include "user_input.h"

#include "text.h"

#include <string>
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

WORD VirtualKey(std::string_view name)
{
    struct Named {
        std::string_view name;
        WORD key;
    };
    static constexpr Named kKeys[] = {
        {"Return", VK_RETURN}, {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE},     {"Space", VK_SPACE},
        {"Down", VK_DOWN},     {"Up", VK_UP},        {"Tab", VK_TAB},        {"Alt", VK_MENU},
        {"Shift", VK_SHIFT},   {"Ctrl", VK_CONTROL}, {"Backspace", VK_BACK},
    };
    for (const Named& named : kKeys) {
        if (named.name == name)
            return named.key;
    }
    return static_cast<WORD>(name.front()); // a letter key: its capital is its code
}

} // namespace

void PressKey(std::string_view key)
{
    std::vector<WORD> keys; // modifiers first, the key last
    for (std::size_t plus = key.find('+'); plus != std::string_view::npos && plus + 1 < key.size();
         plus = key.find('+')) {
        keys.push_back(VirtualKey(key.substr(0, plus)));
        key.remove_prefix(plus + 1);
    }
    keys.push_back(VirtualKey(key));
    std::vector<INPUT> inputs;
    for (const WORD pressed : keys)
        inputs.push_back(KeyInput(pressed, 0));
    for (auto released = keys.rbegin(); released != keys.rend(); ++released)
        inputs.push_back(KeyInput(*released, KEYEVENTF_KEYUP));
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

void Click(HWND window)
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
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}
