#include "renderer.h"

#include "control_ids.h"
#include "text.h"

#include <commctrl.h>

using namespace morvane::forms;

namespace {

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

// Each kind's window class and styles. A link's SS_NOTIFY reports its clicks; a canvas
// is drawn by its window.
constexpr ControlClass ClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::Frame:
        return {WC_BUTTONW, BS_GROUPBOX, 0};
    case ControlKind::TextBox:
        return {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
        return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::Button:
        return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::Banner:
        return {WC_BUTTONW, BS_OWNERDRAW, 0};
    case ControlKind::Link:
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
    case ControlKind::Canvas:
        return {WC_STATICW, SS_OWNERDRAW, 0};
    case ControlKind::List:
        return {WC_LISTBOXW, LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE};
    case ControlKind::Option:
        return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    }
    return {};
}

// The banner takes no focus and answers no click.
LRESULT CALLBACK IgnoreMouse(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK)
        return 0;
    return DefSubclassProc(control, message, wParam, lParam);
}

// The window's tooltips, which it owns and which go with it.
HWND MakeTooltips(HWND window)
{
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, window,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Shows the tip while the pointer rests on the control.
void AddTip(HWND tooltips, HWND window, HWND control, std::string_view tip)
{
    std::wstring text = Wide(tip);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace

Controls Render(HWND window, const WindowDescription& description, const ScreenReader& screenReader)
{
    Controls controls;
    HWND tooltips = nullptr;
    const Control* previous = nullptr;
    for (const Control& control : description.controls) {
        const ControlClass kind = ClassOf(control.kind);
        const ControlTraits& traits = control.traits;
        // The first of a group of options starts the group, which Tab reaches and the arrows go round.
        const bool startsGroup = control.kind == ControlKind::Option && (!previous || previous->kind != ControlKind::Option);
        previous = &control;
        HWND made = CreateWindowExW(kind.exStyle, kind.name, Wide(control.text).c_str(),
                                    WS_CHILD | WS_VISIBLE | kind.style | (startsGroup ? WS_GROUP | WS_TABSTOP : 0), 0, 0,
                                    0, 0, window,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(description, control.name))),
                                    GetModuleHandleW(nullptr), nullptr);
        if (control.kind == ControlKind::Banner)
            SetWindowSubclass(made, IgnoreMouse, 0, 0);
        for (const std::string_view item : traits.items)
            SendMessageW(made, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        if (control.kind == ControlKind::ComboBox) // its text at creation goes nowhere
            SetWindowTextW(made, Wide(control.text).c_str());
        if (traits.maxLength > 0)
            SendMessageW(made, EM_SETLIMITTEXT, static_cast<WPARAM>(traits.maxLength), 0);
        if (traits.chosen)
            SendMessageW(made, BM_SETCHECK, BST_CHECKED, 0);
        if (!traits.tip.empty())
            AddTip(tooltips ? tooltips : (tooltips = MakeTooltips(window)), window, made, traits.tip);
        screenReader.describe(made, traits.spokenName, traits.spokenDescription);
        controls.emplace(control.name, made);
    }
    return controls;
}

void LayOut(const WindowDescription& description, const Controls& controls, const Fonts& fonts, UINT dpi)
{
    for (const Control& control : description.controls) {
        const PixelRect place = TwipsToPixels(PlaceInWindow(description, control), static_cast<int>(dpi));
        // A drop-down combo box is as high as its field and open list together.
        const auto rows = static_cast<int>(control.kind == ControlKind::ComboBox ? control.traits.items.size() + 2 : 1);
        HWND made = controls.at(control.name);
        SetWindowPos(made, nullptr, place.left, place.top, place.width, place.height * rows,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.of(control.name)), TRUE);
    }
}
