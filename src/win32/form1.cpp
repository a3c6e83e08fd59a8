#include "form1.h"

#include "control_ids.h"
#include "dialog_descriptions.h"
#include "form1_description.h"
#include "help_page.h"
#include "pictures.h"
#include "shell.h"
#include "text.h"

#include <commctrl.h>

using namespace morvane::forms;

namespace {

RECT WorkArea(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

COLORREF ColourRef(Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

} // namespace

Form1::Form1()
    : DescribedWindow(kForm1)
    , m_message(kDialog1, {{}, [this] { m_behaviour.windowActivated(false); }, [this] { windowClosed(); }})
    , m_about(
          kDialog,
          {[this] { returnFromAbout(); }, [this] { m_behaviour.windowActivated(false); }, [this] { windowClosed(); }})
{
}

Form1::~Form1()
{
    if (m_hand)
        DestroyCursor(m_hand);
    if (m_hiddenOwner)
        DestroyWindow(m_hiddenOwner);
}

void Form1::open()
{
    m_hiddenOwner =
        CreateWindowExW(0, WC_STATICW, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    DescribedWindow::open(nullptr, WorkArea(nullptr));
    decorate();
    describeForScreenReaders();
}

void Form1::decorate()
{
    SendMessageW(control(kYearBox), EM_SETLIMITTEXT, kYearLength, 0);

    m_tooltips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const ControlTip& tip : kForm1Tips) {
        std::wstring text = Wide(tip.tip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(control(tip.name));
        tool.lpszText = text.data();
        SendMessageW(m_tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }

    if (m_hand)
        DestroyCursor(m_hand);
    m_hand = LoadHandCursor(dpi());
}

// Windows' screen readers name an input by the caption label just before it and a button
// by its caption; the banner, which shows none, and the descriptions are told here. The
// reading after Calculate goes to a live region of no size.
void Form1::describeForScreenReaders()
{
    for (const ScreenReaderText& said : kForm1ScreenReaderTexts) {
        // The banner draws its face itself, so its text is only what screen readers read.
        if (ControlNamed(kForm1, said.name).kind == ControlKind::Banner)
            SetWindowTextW(control(said.name), Wide(said.accessibleName).c_str());
        m_annotations.describe(control(said.name), said.description);
    }
    m_announcement = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0, hwnd(),
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kAnnouncementId)),
                                     GetModuleHandleW(nullptr), nullptr);
    m_annotations.makeLiveRegion(m_announcement);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        DrawBanner(*item, dpi(), ColourRef(kBannerFace));
        return TRUE;
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == control(kWebLinkLabel) && m_hand) {
            SetCursor(m_hand);
            return TRUE;
        }
        break;
    case WM_DPICHANGED: {
        const LRESULT result = DescribedWindow::handle(message, wParam, lParam);
        DestroyCursor(m_hand);
        m_hand = LoadHandCursor(dpi());
        return result;
    }
    }
    return DescribedWindow::handle(message, wParam, lParam);
}

void Form1::commanded(std::string_view name, WORD notification)
{
    if (name == kWebLinkLabel && notification == STN_CLICKED)
        OpenInBrowser(Wide(kMakerWebAddress));
    if (notification != BN_CLICKED)
        return;
    if (name == kCalculateButton)
        m_behaviour.calculate();
    else if (name == kResetButton)
        m_behaviour.reset();
    else if (name == kAboutButton)
        showDialog(m_about);
    else if (name == kHelpButton)
        openHelp();
}

void Form1::activated()
{
    m_behaviour.windowActivated(true);
}

void Form1::closed()
{
    windowClosed();
}

std::string Form1::text(std::string_view control) const
{
    return DescribedWindow::text(control);
}

void Form1::setText(std::string_view control, std::string_view text)
{
    DescribedWindow::setText(control, text);
}

void Form1::openHelp() const
{
    const std::wstring name = Wide(kHelpPageName);
    OpenInBrowser(HelpPage(CurrentDirectory() + name, ProgramDirectory() + name, IsFile));
}

void Form1::moveFocus(std::string_view name)
{
    focusOn(name);
}

void Form1::showMessage(std::string_view message)
{
    showDialog(m_message);
    m_message.setText(kMessageLabel, message);
}

void Form1::announce(std::string_view text)
{
    SetWindowTextW(m_announcement, Wide(text).c_str());
    AnnounceLiveRegion(m_announcement);
}

std::string Form1::decimalSeparator() const
{
    return UserDecimalSeparator();
}

void Form1::showDialog(FixedDialog& dialog)
{
    dialog.show(m_hiddenOwner, dialogArea());
}

// A new dialog opens centred on the main window, or on the screen once that is closed.
RECT Form1::dialogArea() const
{
    RECT area{};
    if (isOpen() && IsWindowVisible(hwnd()) && !IsIconic(hwnd()))
        GetWindowRect(hwnd(), &area);
    else
        area = WorkArea(hwnd());
    return area;
}

// About's O&kay puts the focus in the year box, but never brings back a closed window.
void Form1::returnFromAbout()
{
    if (!isOpen())
        return;
    focusOn(kYearBox);
    activate();
}

// A closing dialog hands the activation back to the main window; once none of the
// program's windows is open, the program ends.
void Form1::windowClosed()
{
    if (isOpen() && !IsIconic(hwnd()))
        activate();
    if (!isOpen() && !m_message.isOpen() && !m_about.isOpen())
        PostQuitMessage(0);
}
