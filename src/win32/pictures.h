#pragma once

#include "window_description.h"

#include <windows.h>

// A banner: its face filled, its picture centred on it at the size the dpi gives, drawn
// from the picture at twice the size where the screen is scaled. The program's one picture
// is the banner's, in the resources.
void DrawBanner(const DRAWITEMSTRUCT& item, UINT dpi, const morvane::forms::ControlTraits& banner);

// A link's pointing hand for the dpi, 32 pixels square below 144 dpi and 64 from there;
// its hot spot is the top-left corner at both sizes. The caller destroys it.
HCURSOR LoadHandCursor(UINT dpi);
