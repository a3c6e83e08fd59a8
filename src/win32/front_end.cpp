#include "front_end.h"

#include "help_page.h"
#include "printer.h"
#include "shell.h"
#include "text.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdio>

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
    const RECT work = WorkArea(centre);
    RECT area{};
    const bool onIt = centre && IsWindowVisible(centre) && !IsIconic(centre) && GetWindowRect(centre, &area);
    const auto place = [&](SIZE frame) {
        if (onIt && description.placement == Placement::Beside) {
            const PixelRect beside = PlaceBeside(
                {area.left, area.top, area.right - area.left, area.bottom - area.top}, frame.cx, frame.cy,
                {work.left, work.top, work.right - work.left, work.bottom - work.top});
            return POINT{beside.left, beside.top};
        }
        const RECT& on = onIt ? area : work;
        return POINT{(on.left + on.right - frame.cx) / 2, (on.top + on.bottom - frame.cy) / 2};
    };
    std::unique_ptr<Window>& window = m_windows[description.name];
    if (!window)
        window = std::make_unique<Window>(description, m_program, m_screenReader);
    Window& made = *window;
    made.open(description.kind == WindowKind::Main ? nullptr : m_hiddenOwner, place);
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

// Windows' print dialog, whose Microsoft Print to PDF gives a PDF, for the active window.
void FrontEnd::print(const std::function<Drawing(double width, double height)>& sheet)
{
    PRINTDLGEXW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow() ? GetActiveWindow() : m_hiddenOwner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nStartPage = START_PAGE_GENERAL;
    if (SUCCEEDED(PrintDlgExW(&dialog)) && dialog.dwResultAction == PD_RESULT_PRINT)
        PrintSheet(dialog.hDC, sheet, m_program.localized().language());
    if (dialog.hDC)
        DeleteDC(dialog.hDC);
    GlobalFree(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
}

void FrontEnd::copy(std::string_view text)
{
    const std::wstring wide = Wide(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (!memory || !OpenClipboard(m_hiddenOwner)) {
        GlobalFree(memory);
        return;
    }
    std::copy_n(wide.c_str(), wide.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, memory)) // the clipboard owns it once it takes it
        GlobalFree(memory);
    CloseClipboard();
}

std::string FrontEnd::today() const
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char date[16];
    std::snprintf(date, sizeof date, "%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
    return date;
}
