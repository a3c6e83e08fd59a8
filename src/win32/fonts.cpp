#include "fonts.h"

#include "text.h"

#include <algorithm>
#include <cmath>

namespace {

HFONT MakeFont(const morvane::forms::Font& font, UINT dpi)
{
    const int height = -static_cast<int>(std::lround(font.points * dpi / 72.0));
    return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       Wide(morvane::forms::kTypeface).c_str());
}

} // namespace

Fonts::Fonts(const morvane::forms::WindowDescription& window, UINT dpi)
    : m_regular(MakeFont({}, dpi))
{
    for (const morvane::forms::Control& control : window.controls) {
        if (control.traits.font != morvane::forms::Font{})
            m_own.emplace_back(control.name, MakeFont(control.traits.font, dpi));
    }
}

Fonts::~Fonts()
{
    DeleteObject(m_regular);
    for (const auto& [name, font] : m_own)
        DeleteObject(font);
}

HFONT Fonts::of(std::string_view control) const
{
    const auto own = std::ranges::find(m_own, control, &std::pair<std::string_view, HFONT>::first);
    return own == m_own.end() ? m_regular : own->second;
}
