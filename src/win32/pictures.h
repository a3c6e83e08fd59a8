#pragma once

#include <windows.h>

// The banner: its pale face filled, its picture centred on it at the size the dpi gives,
// drawn from the picture at twice the size where the screen is scaled.
void DrawBanner(const DRAWITEMSTRUCT& item, UINT dpi, COLORREF face);

// The web link's pointing hand for the dpi, 32 pixels square below 144 dpi and 64 from
// there; its hot spot is the top-left corner at both sizes. The caller destroys it.
HCURSOR LoadHandCursor(UINT dpi);
