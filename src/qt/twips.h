#pragma once

#include "window_description.h"

#include <QRect>
#include <QSize>

// A place of the layout in pixels at 96 dpi; Qt scales pixels with the screen's device
// pixel ratio.
inline QRect TwipsRect(const morvane::forms::Twips& twips)
{
    using morvane::forms::TwipsToPixels;
    return {TwipsToPixels(twips.left), TwipsToPixels(twips.top), TwipsToPixels(twips.width),
            TwipsToPixels(twips.height)};
}

inline QSize ClientSize(const morvane::forms::WindowDescription& window)
{
    using morvane::forms::TwipsToPixels;
    return {TwipsToPixels(window.width), TwipsToPixels(window.height)};
}
