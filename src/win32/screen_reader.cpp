#include "screen_reader.h"

#include "text.h"

#include <commctrl.h>

#include <string>

namespace {

// UI Automation's LiveSetting property, which Active Accessibility annotations carry too.
constexpr GUID kLiveSettingProperty{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr int kPolite = 1;

} // namespace

ScreenReader::ScreenReader()
{
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&m_services));
}

ScreenReader::~ScreenReader()
{
    if (m_services)
        m_services->Release();
}

void ScreenReader::describe(HWND control, std::string_view name, std::string_view description) const
{
    if (m_services && !name.empty())
        m_services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, Wide(name).c_str());
    if (m_services && !description.empty())
        m_services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                   Wide(description).c_str());
}

void ScreenReader::makeLiveRegion(HWND mainWindow)
{
    m_liveRegion = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0, mainWindow,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_services)
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    m_services->SetHwndProp(m_liveRegion, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite);
}

void ScreenReader::announce(std::string_view text) const
{
    SetWindowTextW(m_liveRegion, Wide(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, m_liveRegion, OBJID_CLIENT, CHILDID_SELF);
}
