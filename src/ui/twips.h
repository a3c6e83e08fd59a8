#pragma once

#include <QRect>

// The layout is measured in twips, 15 to the pixel at 96 dpi; Qt scales pixels with the
// screen's device pixel ratio.
constexpr int TwipsToPixels(int twips)
{
    return twips / 15;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}
