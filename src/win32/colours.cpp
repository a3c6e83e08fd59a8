#include "colours.h"

namespace {

bool HighContrastIsOn()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)
        && (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

} // namespace

COLORREF Ink(morvane::forms::Rgb own)
{
    return HighContrastIsOn() ? GetSysColor(COLOR_WINDOWTEXT) : RGB(own.red, own.green, own.blue);
}

COLORREF Ground()
{
    const morvane::forms::Rgb white = morvane::forms::kWhite;
    return HighContrastIsOn() ? GetSysColor(COLOR_WINDOW) : RGB(white.red, white.green, white.blue);
}

HBRUSH GroundBrush()
{
    return HighContrastIsOn() ? GetSysColorBrush(COLOR_WINDOW) : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}
