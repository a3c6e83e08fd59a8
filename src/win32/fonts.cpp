#include "fonts.h"

#include "text.h"

#include <algorithm>

using morvane::forms::Language;

namespace {

bool IsInstalled(const std::wstring& face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    HDC screen = GetDC(nullptr);
    bool found = false;
    EnumFontFamiliesExW(
        screen, &wanted, [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM answer) {
            *reinterpret_cast<bool*>(answer) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The face and character set of the language's texts: the windows' typeface for English,
// else the first of the language's faces that is installed, Windows' own interface face
// for it on Windows.
std::pair<std::wstring, BYTE> FaceOf(Language language)
{
    const auto faces = morvane::forms::NameOf(language).faces;
    if (faces.empty())
        return {Wide(morvane::forms::kTypeface), ANSI_CHARSET};
    const auto installed = std::ranges::find_if(faces, [](std::string_view face) { return IsInstalled(Wide(face)); });
    return {Wide(installed == faces.end() ? faces.front() : *installed), DEFAULT_CHARSET};
}

HFONT MakeFont(int pixels, bool bold, bool italic, const std::pair<std::wstring, BYTE>& typeface)
{
    const auto& [face, characterSet] = typeface;
    return CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, FALSE, FALSE, characterSet,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
}

HFONT MakeFont(const morvane::forms::Font& font, UINT dpi, const std::pair<std::wstring, BYTE>& typeface)
{
    return MakeFont(morvane::forms::PointsToPixels(font.points, static_cast<int>(dpi)), font.bold, font.italic,
                    typeface);
}

} // namespace

HFONT TextFont(double pixels, bool bold, Language language)
{
    return MakeFont(static_cast<int>(pixels + 0.5), bold, false, FaceOf(language));
}

Fonts::Fonts(const morvane::forms::WindowDescription& window, UINT dpi, Language language)
{
    const auto face = FaceOf(language);
    m_fonts.emplace(std::string_view(), MakeFont({}, dpi, face));
    for (const morvane::forms::Control& control : window.controls) {
        if (control.traits.font != morvane::forms::Font{})
            m_fonts.emplace(control.name, MakeFont(control.traits.font, dpi, face));
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
