#include "painter.h"

#include "fonts.h"
#include "text.h"

#include <objidl.h>

#include <algorithm>
#include <vector>

namespace Gdiplus {
using std::max; // GDI+'s headers use these without their namespace
using std::min;
} // namespace Gdiplus

#include <gdiplus.h>

using namespace morvane::forms;

namespace {

Gdiplus::Color Colour(const Palette& palette, Ink ink)
{
    const Rgb rgb = palette[ink];
    return {rgb.red, rgb.green, rgb.blue};
}

class Shapes {
public:
    Shapes(HDC dc, const Palette& palette, double scale, POINT origin)
        : m_graphics(dc)
        , m_palette(palette)
    {
        m_graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        m_graphics.SetPageUnit(Gdiplus::UnitPixel);
        m_graphics.TranslateTransform(static_cast<Gdiplus::REAL>(origin.x), static_cast<Gdiplus::REAL>(origin.y));
        m_graphics.ScaleTransform(static_cast<Gdiplus::REAL>(scale), static_cast<Gdiplus::REAL>(scale));
    }

    void fill(const Drawing& drawing)
    {
        Gdiplus::SolidBrush ground(Colour(m_palette, Ink::Ground));
        m_graphics.FillRectangle(&ground, 0.0F, 0.0F, static_cast<Gdiplus::REAL>(drawing.width),
                                 static_cast<Gdiplus::REAL>(drawing.height));
    }

    void paint(const morvane::forms::Polygon& polygon)
    {
        std::vector<Gdiplus::PointF> points;
        for (const Point& point : polygon.points)
            points.emplace_back(static_cast<Gdiplus::REAL>(point.x), static_cast<Gdiplus::REAL>(point.y));
        const auto count = static_cast<INT>(points.size());
        if (polygon.fill != Ink::None) {
            Gdiplus::SolidBrush brush(Colour(m_palette, polygon.fill));
            m_graphics.FillPolygon(&brush, points.data(), count);
        }
        if (polygon.outline != Ink::None) {
            Gdiplus::Pen pen(Colour(m_palette, polygon.outline), 1);
            m_graphics.DrawPolygon(&pen, points.data(), count);
        }
    }

    void paint(const Circle& circle)
    {
        const auto left = static_cast<Gdiplus::REAL>(circle.centre.x - circle.radius);
        const auto top = static_cast<Gdiplus::REAL>(circle.centre.y - circle.radius);
        const auto size = static_cast<Gdiplus::REAL>(2 * circle.radius);
        if (circle.fill != Ink::None) {
            Gdiplus::SolidBrush brush(Colour(m_palette, circle.fill));
            m_graphics.FillEllipse(&brush, left, top, size, size);
        }
        if (circle.outline != Ink::None) {
            Gdiplus::Pen pen(Colour(m_palette, circle.outline), 1);
            m_graphics.DrawEllipse(&pen, left, top, size, size);
        }
    }

    void paint(const Line& line)
    {
        Gdiplus::Pen pen(Colour(m_palette, line.ink), 1);
        m_graphics.DrawLine(&pen, static_cast<Gdiplus::REAL>(line.from.x), static_cast<Gdiplus::REAL>(line.from.y),
                            static_cast<Gdiplus::REAL>(line.to.x), static_cast<Gdiplus::REAL>(line.to.y));
    }

private:
    Gdiplus::Graphics m_graphics;
    const Palette& m_palette;
};

bool HasEveryGlyph(HDC dc, const std::wstring& text)
{
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    return std::ranges::find(glyphs, WORD{0xFFFF}) == glyphs.end();
}

// A text around its point: its start, middle or end there, its line's middle at its height.
// GDI draws only from the font selected: a text its face lacks (the marks, ★ and ✕) comes
// from a face with symbols, Windows' own or, under Wine, one of Linux's.
void PaintText(HDC dc, const Text& text, const Palette& palette, Language language, double scale, POINT origin)
{
    const std::wstring wide = Wide(text.text);
    HFONT font = TextFont(text.size * scale, text.bold, language);
    const HGDIOBJ previous = SelectObject(dc, font);
    for (const wchar_t* face : {L"Segoe UI Symbol", L"DejaVu Sans"}) {
        if (HasEveryGlyph(dc, wide))
            break;
        SelectObject(dc, previous);
        DeleteObject(font);
        font = CreateFontW(-static_cast<int>(text.size * scale + 0.5), 0, 0, 0, text.bold ? FW_BOLD : FW_NORMAL, FALSE,
                           FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, face);
        SelectObject(dc, font);
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    constexpr UINT kAnchors[] = {TA_LEFT, TA_CENTER, TA_RIGHT};
    SetTextAlign(dc, kAnchors[static_cast<int>(text.anchor)] | TA_TOP | TA_NOUPDATECP);
    SetBkMode(dc, TRANSPARENT);
    const Rgb ink = palette[text.ink];
    SetTextColor(dc, RGB(ink.red, ink.green, ink.blue));
    ExtTextOutW(dc, origin.x + static_cast<int>(text.at.x * scale + 0.5),
                origin.y + static_cast<int>(text.at.y * scale - metrics.tmHeight / 2.0 + 0.5), 0, nullptr, wide.c_str(),
                static_cast<UINT>(wide.size()), nullptr);
    SelectObject(dc, previous);
    DeleteObject(font);
}

} // namespace

void Paint(HDC dc, const Drawing& drawing, const Palette& palette, Language language, double scale, POINT origin)
{
    {
        Shapes shapes(dc, palette, scale, origin);
        shapes.fill(drawing);
        for (const Shape& shape : drawing.shapes) {
            std::visit(
                [&](const auto& drawn) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(drawn)>, Text>)
                        shapes.paint(drawn);
                },
                shape);
        }
    } // GDI+ is done with the device context before GDI writes on it
    for (const Shape& shape : drawing.shapes) {
        if (const auto* text = std::get_if<Text>(&shape))
            PaintText(dc, *text, palette, language, scale, origin);
    }
}

Painting::Painting()
{
    const Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
}

Painting::~Painting()
{
    Gdiplus::GdiplusShutdown(m_token);
}
