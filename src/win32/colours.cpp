#include "colours.h"

namespace {

bool HighContrastIsOn()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)
        && (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

COLORREF ColourRef(morvane::forms::Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

} // namespace

Colours::Colours()
{
    refresh();
}

Colours::~Colours()
{
    DeleteObject(m_groundBrush);
}

void Colours::refresh()
{
    m_highContrast = HighContrastIsOn();
    DeleteObject(m_groundBrush);
    m_groundBrush = CreateSolidBrush(ground());
}

COLORREF Colours::ground() const
{
    return m_highContrast ? GetSysColor(COLOR_WINDOW) : ColourRef(morvane::forms::kWhite);
}

COLORREF Colours::ink(morvane::forms::Rgb own) const
{
    return m_highContrast ? GetSysColor(COLOR_WINDOWTEXT) : ColourRef(own);
}
