#include "fonts.h"

#include "text.h"

namespace {

HFONT MakeFont(const morvane::forms::Font& font, UINT dpi)
{
    const int height = -morvane::forms::PointsToPixels(font.points, static_cast<int>(dpi));
    return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       Wide(morvane::forms::kTypeface).c_str());
}

} // namespace

Fonts::Fonts(const morvane::forms::WindowDescription& window, UINT dpi)
{
    m_fonts.emplace(std::string_view(), MakeFont({}, dpi));
    for (const morvane::forms::Control& control : window.controls) {
        if (control.traits.font != morvane::forms::Font{})
            m_fonts.emplace(control.name, MakeFont(control.traits.font, dpi));
    }
}

Fonts::~Fonts()
{
    for (const auto& [name, font] : m_fonts)
        DeleteObject(font);
}

HFONT Fonts::of(std::string_view control) const
{
    const auto own = m_fonts.find(control);
    return own == m_fonts.end() ? m_fonts.at({}) : own->second;
}
