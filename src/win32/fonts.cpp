#include "fonts.h"

#include "text.h"

using morvane::forms::Language;

namespace {

// The face and character set of the language's texts: Windows' own Chinese interface faces.
std::pair<std::wstring, BYTE> FaceOf(Language language)
{
    switch (language) {
    case Language::English:
        return {Wide(morvane::forms::kTypeface), ANSI_CHARSET};
    case Language::Simplified:
        return {L"Microsoft YaHei UI", GB2312_CHARSET};
    case Language::Traditional:
        return {L"Microsoft JhengHei UI", CHINESEBIG5_CHARSET};
    }
    return {};
}

HFONT MakeFont(const morvane::forms::Font& font, UINT dpi, Language language)
{
    const int height = -morvane::forms::PointsToPixels(font.points, static_cast<int>(dpi));
    const auto [face, characterSet] = FaceOf(language);
    return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE, characterSet,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
}

} // namespace

Fonts::Fonts(const morvane::forms::WindowDescription& window, UINT dpi, Language language)
{
    m_fonts.emplace(std::string_view(), MakeFont({}, dpi, language));
    for (const morvane::forms::Control& control : window.controls) {
        if (control.traits.font != morvane::forms::Font{})
            m_fonts.emplace(control.name, MakeFont(control.traits.font, dpi, language));
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
