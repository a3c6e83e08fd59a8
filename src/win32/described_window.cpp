#include "described_window.h"

#include "control_ids.h"
#include "text.h"

#include <commctrl.h>

#include <algorithm>

using namespace morvane::forms;

namespace {

constexpr wchar_t kWindowClass[] = L"MorvaneWindow";

DWORD FrameStyle(WindowKind kind)
{
    // No maximize box: the main window shows it greyed; no thick frame: neither resizes.
    return kind == WindowKind::Main ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
                                    : WS_POPUP | WS_CAPTION | WS_SYSMENU;
}

DWORD FrameExStyle(WindowKind kind)
{
    return kind == WindowKind::Main ? 0 : WS_EX_DLGMODALFRAME;
}

void RegisterWindowClass(WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass); // fails harmlessly once the class exists
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label: // SS_NOTIFY: a label reports clicks, which the web link answers
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
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

int Scaled(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

} // namespace

DescribedWindow::DescribedWindow(const WindowDescription& description)
    : m_description(description)
{
}

DescribedWindow::~DescribedWindow()
{
    if (!m_hwnd)
        return;
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0); // what it is told from now on is not for this object
    DestroyWindow(m_hwnd);
}

void DescribedWindow::open(HWND owner, const RECT& area)
{
    RegisterWindowClass(WindowProc);
    m_focus = nullptr;
    m_hwnd = CreateWindowExW(FrameExStyle(m_description.kind), kWindowClass, Wide(m_description.title).c_str(),
                             FrameStyle(m_description.kind), area.left, area.top, 0, 0, owner, nullptr,
                             GetModuleHandleW(nullptr), this);
    makeControls();
    layOut(GetDpiForWindow(m_hwnd)); // the dpi of the screen the window opens on
    RECT frame{};
    GetWindowRect(m_hwnd, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(m_hwnd, nullptr, (area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(m_hwnd, SW_SHOW);
}

void DescribedWindow::makeControls()
{
    for (const Control& control : m_description.controls) {
        const ControlClass kind = ClassOf(control.kind);
        HWND made = CreateWindowExW(
            kind.exStyle, kind.name, Wide(control.text).c_str(), WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, m_hwnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(m_description, control.name))),
            GetModuleHandleW(nullptr), nullptr);
        if (control.kind == ControlKind::Banner)
            SetWindowSubclass(made, IgnoreMouse, 0, 0);
        for (const std::string_view item : control.items)
            SendMessageW(made, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        if (control.kind == ControlKind::ComboBox) // its text at creation goes nowhere
            SetWindowTextW(made, Wide(control.text).c_str());
        m_controls.emplace(control.name, made);
    }
}

// Places every control for the dpi: a control in a frame is placed by the frame's corner.
void DescribedWindow::layOut(UINT dpi)
{
    m_dpi = dpi;
    m_fonts = std::make_unique<Fonts>(m_description, dpi);

    RECT client{0, 0, Scaled(m_description.width, dpi), Scaled(m_description.height, dpi)};
    AdjustWindowRectExForDpi(&client, FrameStyle(m_description.kind), FALSE, FrameExStyle(m_description.kind), dpi);
    SetWindowPos(m_hwnd, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    for (const Control& control : m_description.controls) {
        Twips place = control.place;
        if (!control.container.empty()) {
            const Twips& frame = ControlNamed(m_description, control.container).place;
            place.left += frame.left;
            place.top += frame.top;
        }
        // A drop-down combo box is as high as its field and open list together.
        const int height = control.kind == ControlKind::ComboBox
            ? Scaled(place.height * static_cast<int>(control.items.size() + 2), dpi)
            : Scaled(place.height, dpi);
        HWND made = m_controls.at(control.name);
        SetWindowPos(made, nullptr, Scaled(place.left, dpi), Scaled(place.top, dpi), Scaled(place.width, dpi), height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts->of(control.name)), TRUE);
    }
}

std::string DescribedWindow::text(std::string_view control) const
{
    HWND window = m_controls.at(control);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void DescribedWindow::setText(std::string_view control, std::string_view text)
{
    HWND window = m_controls.at(control);
    if (ControlNamed(m_description, control).kind == ControlKind::ComboBox)
        SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextW(window, Wide(text).c_str());
}

void DescribedWindow::activate() const
{
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
}

void DescribedWindow::focusOn(std::string_view name)
{
    m_focus = control(name);
    if (GetActiveWindow() == m_hwnd)
        SetFocus(m_focus);
}

// The control that last had the focus, or else the first that takes it.
void DescribedWindow::restoreFocus()
{
    if (!m_focus) {
        const auto first = std::ranges::find_if(m_description.controls, TakesFocus, &Control::kind);
        m_focus = first == m_description.controls.end() ? m_hwnd : control(first->name);
    }
    SetFocus(m_focus);
}

std::string_view DescribedWindow::nameOf(HWND control) const
{
    const auto index = static_cast<std::size_t>(GetDlgCtrlID(control) - kFirstControlId);
    return index < m_description.controls.size() ? m_description.controls[index].name : std::string_view{};
}

// Enter, which IsDialogMessage turns into IDOK, presses the focused button and no other:
// no button is the default one.
void DescribedWindow::pressFocusedButton()
{
    const std::string_view name = nameOf(GetFocus());
    if (!name.empty() && ControlNamed(m_description, name).kind == ControlKind::Button)
        commanded(name, BN_CLICKED);
}

LRESULT DescribedWindow::colourControl(HDC dc, HWND control) const
{
    SetTextColor(dc, m_colours.ink(LookOf(m_description, nameOf(control)).ink));
    SetBkColor(dc, m_colours.ground());
    return reinterpret_cast<LRESULT>(m_colours.groundBrush());
}

LRESULT DescribedWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (const std::string_view name = nameOf(reinterpret_cast<HWND>(lParam)); !name.empty())
            commanded(name, HIWORD(wParam));
        else if (LOWORD(wParam) == IDOK)
            pressFocusedButton();
        return 0; // Esc's IDCANCEL presses nothing
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus && IsChild(m_hwnd, focus))
                m_focus = focus;
            return 0;
        }
        if (!HIWORD(wParam)) // not minimized
            restoreFocus();
        activated();
        return 0;
    case WM_SETFOCUS: // the window itself, on its return from being minimized
        restoreFocus();
        return 0;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(m_hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_colours.groundBrush());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return colourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        layOut(HIWORD(wParam));
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        m_colours.refresh();
        InvalidateRect(m_hwnd, nullptr, TRUE);
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK DescribedWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* window = static_cast<DescribedWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<DescribedWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message != WM_NCDESTROY)
        return window->handle(message, wParam, lParam);
    window->m_hwnd = nullptr;
    window->m_focus = nullptr;
    window->m_controls.clear();
    window->closed();
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool HandleDialogKeys(MSG& message)
{
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    wchar_t className[std::size(kWindowClass)]{};
    return root && GetClassNameW(root, className, static_cast<int>(std::size(className)))
        && std::wstring_view(className) == kWindowClass && IsDialogMessageW(root, &message);
}
