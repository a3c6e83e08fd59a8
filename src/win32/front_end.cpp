#include "front_end.h"

#include "help_page.h"
#include "shell.h"
#include "text.h"

#include <commctrl.h>

#include <algorithm>

using namespace morvane::forms;

namespace {

RECT WorkArea(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

} // namespace

FrontEnd::FrontEnd()
    : m_hiddenOwner(CreateWindowExW(0, WC_STATICW, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr))
{
    for (const WindowDescription* description : kWindows)
        m_windows.push_back(std::make_unique<Window>(*description, m_program, m_screenReader));
}

// The windows go first, silently, then the owner of the dialogs.
FrontEnd::~FrontEnd()
{
    m_windows.clear();
    DestroyWindow(m_hiddenOwner);
}

Window& FrontEnd::window(const WindowDescription& window) const
{
    return *m_windows[static_cast<std::size_t>(std::ranges::find(kWindows, &window) - kWindows.begin())];
}

// A window opens centred on the window it is for where that is shown, and on the
// screen otherwise.
void FrontEnd::open(const WindowDescription& description, const WindowDescription* around)
{
    HWND centre = around ? window(*around).hwnd() : nullptr;
    RECT area{};
    if (!centre || !IsWindowVisible(centre) || IsIconic(centre) || !GetWindowRect(centre, &area))
        area = WorkArea(centre);
    Window& made = window(description);
    made.open(description.kind == WindowKind::Main ? nullptr : m_hiddenOwner, area);
    if (description.kind == WindowKind::Main)
        m_screenReader.makeLiveRegion(made.hwnd());
}

void FrontEnd::activate(const WindowDescription& description)
{
    const Window& made = window(description);
    if (made.isOpen() && !IsIconic(made.hwnd()))
        made.activate();
}

void FrontEnd::close(const WindowDescription& description)
{
    DestroyWindow(window(description).hwnd());
}

std::string FrontEnd::text(const WindowDescription& description, std::string_view control) const
{
    return window(description).text(control);
}

void FrontEnd::setText(const WindowDescription& description, std::string_view control, std::string_view text)
{
    window(description).setText(control, text);
}

void FrontEnd::moveFocus(const WindowDescription& description, std::string_view control)
{
    window(description).focusOn(control);
}

void FrontEnd::openAddress(std::string_view address)
{
    OpenInBrowser(Wide(address));
}

void FrontEnd::openPage(std::string_view fileName)
{
    const std::wstring name = Wide(fileName);
    OpenInBrowser(HelpPage(CurrentDirectory() + name, ProgramDirectory() + name, IsFile));
}

void FrontEnd::announce(std::string_view text)
{
    m_screenReader.announce(text);
}

std::string FrontEnd::decimalSeparator() const
{
    return UserDecimalSeparator();
}

void FrontEnd::quit()
{
    PostQuitMessage(0);
}
