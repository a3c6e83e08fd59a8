#include "window.h"

#include "colours.h"
#include "control_ids.h"
#include "painter.h"
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

std::wstring MenuText(const MenuItem& item)
{
    const std::string shortcut = ShortcutText(item.shortcut);
    return Wide(item.text) + (shortcut.empty() ? L"" : L"\t" + Wide(shortcut));
}

// A list's lines, each ended by "\n" but the last.
std::string ListText(HWND list)
{
    std::string text;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT line = 0; line < count; ++line) {
        const auto at = static_cast<WPARAM>(line);
        std::wstring item(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, at, 0)) + 1, L'\0');
        item.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, at, reinterpret_cast<LPARAM>(item.data()))));
        text += (line ? "\n" : "") + Utf8(item);
    }
    return text;
}

bool IsKeyOf(const Shortcut& shortcut, WPARAM key)
{
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (shortcut.function > 0)
        return !control && key == static_cast<WPARAM>(VK_F1 + shortcut.function - 1);
    return shortcut.letter && control && key == static_cast<WPARAM>(shortcut.letter);
}

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

void Window::open(HWND owner, const std::function<POINT(SIZE frame)>& place)
{
    const std::wstring className = RegisterWindowClass(m_description.name, WindowProc);
    m_focus = nullptr;
    const bool isMain = m_description.kind == WindowKind::Main;
    const POINT screen = place({0, 0}); // on the screen whose dpi it takes
    m_hwnd = CreateWindowExW(isMain ? 0 : WS_EX_DLGMODALFRAME, className.c_str(), Wide(m_description.title).c_str(),
                             isMain ? kMainStyle : kDialogStyle, screen.x, screen.y, 0, 0, owner, nullptr,
                             GetModuleHandleW(nullptr), this);
    m_controls = Render(m_hwnd, m_description, m_screenReader);
    layOut(GetDpiForWindow(m_hwnd)); // the dpi of the screen the window opens on
    RECT frame{};
    GetWindowRect(m_hwnd, &frame);
    const POINT at = place({frame.right - frame.left, frame.bottom - frame.top});
    SetWindowPos(m_hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    HMENU system = GetSystemMenu(m_hwnd, FALSE);
    if (!m_description.menu.empty())
        AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    for (std::size_t item = 0; item < m_description.menu.size(); ++item)
        AppendMenuW(system, MF_STRING, kFirstSystemMenuId + item * kSystemMenuStep, MenuText(m_description.menu[item]).c_str());
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
    if (ControlNamed(m_description, control).kind == ControlKind::List)
        return ListText(window);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void Window::setText(std::string_view control, std::string_view text)
{
    HWND window = m_controls.at(control);
    const ControlKind kind = ControlNamed(m_description, control).kind;
    if (kind == ControlKind::List) {
        SendMessageW(window, LB_RESETCONTENT, 0, 0);
        for (std::size_t at = 0; at <= text.size();) {
            const std::size_t end = std::min(text.find('\n', at), text.size());
            SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text.substr(at, end - at)).c_str()));
            at = end + 1;
        }
        return;
    }
    if (kind == ControlKind::ComboBox)
        SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextW(window, Wide(text).c_str());
}

void Window::setDrawing(std::string_view control, const Drawing& drawing)
{
    m_drawings[ControlNamed(m_description, control).name] = drawing;
    InvalidateRect(m_controls.at(control), nullptr, FALSE);
}

void Window::draw(const DRAWITEMSTRUCT& item)
{
    const Control* control = controlOf(item.hwndItem);
    if (!control)
        return;
    if (control->kind == ControlKind::Banner)
        return DrawBanner(item, m_dpi, control->traits);
    const auto drawing = m_drawings.find(control->name);
    if (drawing != m_drawings.end())
        Paint(item.hDC, drawing->second, kScreenPalette, m_program.localized().language(), m_dpi / 96.0,
              {item.rcItem.left, item.rcItem.top});
}

// The menu under the pointer, or, asked for from the keyboard (lParam -1), under the
// focused control; its command runs once the menu has closed.
void Window::showMenu(LPARAM at)
{
    if (m_description.menu.empty())
        return;
    POINT where{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == -1) {
        RECT focused{};
        GetWindowRect(GetFocus() ? GetFocus() : m_hwnd, &focused);
        where = {focused.left, focused.bottom};
    }
    HMENU menu = CreatePopupMenu();
    for (std::size_t item = 0; item < m_description.menu.size(); ++item)
        AppendMenuW(menu, MF_STRING, kFirstMenuId + item, MenuText(m_description.menu[item]).c_str());
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, where.x, where.y, 0, m_hwnd, nullptr));
    DestroyMenu(menu);
    if (chosen >= kFirstMenuId && chosen < kFirstMenuId + m_description.menu.size())
        m_program.commanded(m_description, m_description.menu[chosen - kFirstMenuId].command);
}

bool Window::shortcut(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    const auto item = std::ranges::find_if(m_description.menu,
                                           [&](const MenuItem& made) { return IsKeyOf(made.shortcut, message.wParam); });
    if (item == m_description.menu.end())
        return false;
    m_program.commanded(m_description, item->command);
    return true;
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
    const bool chosen = pressed->kind == ControlKind::Option && notification == BN_CLICKED
        && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if ((pressed->kind == ControlKind::Button && notification == BN_CLICKED)
        || (pressed->kind == ControlKind::Link && notification == STN_CLICKED) || chosen)
        m_program.pressed(m_description, pressed->name);
}

LRESULT Window::colourControl(HDC dc, HWND control) const
{
    const Control* coloured = controlOf(control);
    SetTextColor(dc, ::Ink(coloured ? coloured->traits.ink : kBlack));
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
        else if (LOWORD(wParam) == IDCANCEL)
            m_program.cancelled(m_description);
        return 0;
    case WM_CONTEXTMENU: // from a control with no menu of its own, or the window itself
        showMenu(lParam);
        return 0;
    case WM_SYSCOMMAND: {
        const UINT item = (static_cast<UINT>(wParam) & 0xFFF0) - kFirstSystemMenuId;
        if (item % kSystemMenuStep == 0 && item / kSystemMenuStep < m_description.menu.size()) {
            m_program.commanded(m_description, m_description.menu[item / kSystemMenuStep].command);
            return 0;
        }
        break;
    }
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
    case WM_DRAWITEM: // banners and canvases
        draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
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
    if (!root || !GetClassNameW(root, className, static_cast<int>(std::size(className)))
        || !std::wstring_view(className).starts_with(WindowClassPrefix()))
        return false;
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(root, GWLP_USERDATA));
    return (window && window->shortcut(message)) || IsDialogMessageW(root, &message);
}
