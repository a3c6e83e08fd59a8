#include "screen_reader.h"

#include "text.h"

#include <string>

namespace {

// UI Automation's LiveSetting property, which Active Accessibility annotations carry too.
constexpr GUID kLiveSettingProperty{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr int kPolite = 1;

} // namespace

ScreenReaderAnnotations::ScreenReaderAnnotations()
{
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&m_services));
}

ScreenReaderAnnotations::~ScreenReaderAnnotations()
{
    if (m_services)
        m_services->Release();
}

void ScreenReaderAnnotations::name(HWND control, std::string_view name) const
{
    if (m_services && !name.empty())
        m_services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, Wide(name).c_str());
}

void ScreenReaderAnnotations::describe(HWND control, std::string_view description) const
{
    if (m_services && !description.empty())
        m_services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                   Wide(description).c_str());
}

void ScreenReaderAnnotations::makeLiveRegion(HWND control) const
{
    if (!m_services)
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    m_services->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite);
}

void AnnounceLiveRegion(HWND region)
{
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, region, OBJID_CLIENT, CHILDID_SELF);
}
