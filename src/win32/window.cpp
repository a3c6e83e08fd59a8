#include "window.h"

#include "colours.h"
#include "control_ids.h"
#include "pictures.h"
#include "resource_ids.h"
#include "text.h"

#include <algorithm>

using namespace morvane::forms;

namespace {

// Each window's class is named after the product and it, "Morvane.Form1", so that a window
// is known by its name whatever language its title is in.
std::wstring WindowClassPrefix()
{
    return Wide(kProductName) + L'.';
}

// No maximize box: the main window shows it greyed; no thick frame: neither resizes.
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

std::wstring RegisterWindowClass(std::string_view name, WNDPROC procedure)
{
    const std::wstring className = WindowClassPrefix() + Wide(name);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(IDI_MORVANE));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className.c_str();
    RegisterClassExW(&windowClass); // fails harmlessly once the class exists
    return className;
}

} // namespace

Window::Window(const WindowDescription& description, Program& program, const ScreenReader& screenReader)
    : m_description(description)
    , m_program(program)
    , m_screenReader(screenReader)
{
}

Window::~Window()
{
    if (m_hand)
        DestroyCursor(m_hand);
    if (!m_hwnd)
        return;
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0); // what it is told from now on is not for this object
    DestroyWindow(m_hwnd);
}

void Window::open(HWND owner, const RECT& area)
{
    const std::wstring className = RegisterWindowClass(m_description.name, WindowProc);
    m_focus = nullptr;
    const bool isMain = m_description.kind == WindowKind::Main;
    m_hwnd = CreateWindowExW(isMain ? 0 : WS_EX_DLGMODALFRAME, className.c_str(), Wide(m_description.title).c_str(),
                             isMain ? kMainStyle : kDialogStyle, area.left, area.top, 0, 0, owner, nullptr,
                             GetModuleHandleW(nullptr), this);
    m_controls = Render(m_hwnd, m_description, m_screenReader);
    layOut(GetDpiForWindow(m_hwnd)); // the dpi of the screen the window opens on
    RECT frame{};
    GetWindowRect(m_hwnd, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(m_hwnd, nullptr, (area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window takes the described size for the dpi, and its controls their places.
void Window::layOut(UINT dpi)
{
    m_dpi = dpi;
    m_fonts = std::make_unique<Fonts>(m_description, dpi, m_program.localized().language());
    const int dots = static_cast<int>(dpi);
    RECT client{0, 0, TwipsToPixels(m_description.width, dots), TwipsToPixels(m_description.height, dots)};
    AdjustWindowRectExForDpi(&client, static_cast<DWORD>(GetWindowLongW(m_hwnd, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(m_hwnd, GWL_EXSTYLE)), dpi);
    SetWindowPos(m_hwnd, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut(m_description, m_controls, *m_fonts, dpi);
    if (m_hand)
        DestroyCursor(m_hand);
    const bool hasLink = std::ranges::any_of(m_description.controls,
                                             [](const Control& control) { return control.kind == ControlKind::Link; });
    m_hand = hasLink ? LoadHandCursor(dpi) : nullptr;
}

std::string Window::text(std::string_view control) const
{
    HWND window = m_controls.at(control);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void Window::setText(std::string_view control, std::string_view text)
{
    HWND window = m_controls.at(control);
    if (ControlNamed(m_description, control).kind == ControlKind::ComboBox)
        SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextW(window, Wide(text).c_str());
}

void Window::activate()
{
    if (IsIconic(m_hwnd))
        return;
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
}

void Window::moveFocus(std::string_view name)
{
    m_focus = m_controls.at(name);
    if (GetActiveWindow() == m_hwnd)
        SetFocus(m_focus);
}

// The control that last had the focus, or else the first that takes it.
void Window::restoreFocus()
{
    if (!m_focus) {
        const auto first = std::ranges::find_if(m_description.controls, TakesFocus, &Control::kind);
        m_focus = first == m_description.controls.end() ? m_hwnd : m_controls.at(first->name);
    }
    SetFocus(m_focus);
}

const Control* Window::controlOf(HWND control) const
{
    const std::string_view name = ControlNameOfId(m_description, GetDlgCtrlID(control));
    return name.empty() || !control || GetParent(control) != m_hwnd ? nullptr : &ControlNamed(m_description, name);
}

// A button's click and a link's click press them. A combo box that takes the focus has
// its text selected, as an edit box reached by Tab has, so that typing replaces it (Wine's
// combo box does so the first time only); a click in it then puts the caret where it is.
void Window::commanded(HWND control, WORD notification)
{
    const Control* pressed = controlOf(control);
    if (!pressed)
        return;
    if (pressed->kind == ControlKind::ComboBox && notification == CBN_SETFOCUS)
        SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    if ((pressed->kind == ControlKind::Button && notification == BN_CLICKED)
        || (pressed->kind == ControlKind::Link && notification == STN_CLICKED))
        m_program.pressed(m_description, pressed->name);
}

LRESULT Window::colourControl(HDC dc, HWND control) const
{
    const Control* coloured = controlOf(control);
    SetTextColor(dc, Ink(coloured ? coloured->traits.ink : kBlack));
    SetBkColor(dc, Ground());
    return reinterpret_cast<LRESULT>(GroundBrush());
}

LRESULT Window::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Enter, which IsDialogMessage turns into IDOK, presses the focused button and no
        // other: no button is the default one. Esc's IDCANCEL presses nothing.
        if (lParam)
            commanded(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        else if (LOWORD(wParam) == IDOK)
            commanded(GetFocus(), BN_CLICKED);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus && IsChild(m_hwnd, focus))
                m_focus = focus;
            return 0;
        }
        if (!HIWORD(wParam)) // not minimized
            restoreFocus();
        m_program.activated(m_description);
        return 0;
    case WM_SETFOCUS: // the window itself, on its return from being minimized
        restoreFocus();
        return 0;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(m_hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GroundBrush());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return colourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: { // only banners draw themselves
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (const Control* banner = controlOf(item->hwndItem))
            DrawBanner(*item, m_dpi, banner->traits);
        return TRUE;
    }
    case WM_SETCURSOR:
        if (const Control* link = controlOf(reinterpret_cast<HWND>(wParam));
            link && link->kind == ControlKind::Link && m_hand) {
            SetCursor(m_hand);
            return TRUE;
        }
        break;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        layOut(HIWORD(wParam));
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    }
    case WM_SETTINGCHANGE: // high contrast, perhaps
    case WM_SYSCOLORCHANGE:
        InvalidateRect(m_hwnd, nullptr, TRUE);
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message != WM_NCDESTROY)
        return window->handle(message, wParam, lParam);
    window->m_hwnd = nullptr;
    window->m_focus = nullptr;
    window->m_controls.clear();
    window->m_program.closed(window->m_description);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool HandleDialogKeys(MSG& message)
{
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    wchar_t className[64]{};
    return root && GetClassNameW(root, className, static_cast<int>(std::size(className)))
        && std::wstring_view(className).starts_with(WindowClassPrefix()) && IsDialogMessageW(root, &message);
}
