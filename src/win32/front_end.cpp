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
    : m_program(*this, LanguageOf(UserLanguages()))
    , m_hiddenOwner(
          CreateWindowExW(0, WC_STATICW, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr))
{
}

// The windows go first, silently, then the owner of the dialogs.
FrontEnd::~FrontEnd()
{
    m_windows.clear();
    DestroyWindow(m_hiddenOwner);
}

ShownWindow& FrontEnd::open(const WindowDescription& description, ShownWindow* around)
{
    HWND centre = around ? static_cast<Window*>(around)->hwnd() : nullptr;
    RECT area{};
    if (!centre || !IsWindowVisible(centre) || IsIconic(centre) || !GetWindowRect(centre, &area))
        area = WorkArea(centre);
    std::unique_ptr<Window>& window = m_windows[description.name];
    if (!window)
        window = std::make_unique<Window>(description, m_program, m_screenReader);
    Window& made = *window;
    made.open(description.kind == WindowKind::Main ? nullptr : m_hiddenOwner, area);
    if (description.kind == WindowKind::Main)
        m_screenReader.makeLiveRegion(made.hwnd());
    return made;
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

std::string FrontEnd::decimalSeparator() const
{
    return UserDecimalSeparator();
}
