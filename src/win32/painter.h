#pragma once

#include "drawing.h"
#include "language.h"

#include <windows.h>

// Paints the drawing onto the device context, `scale` device pixels to the logical unit,
// from `origin`: its shapes in their order with GDI+, anti-aliased, then its texts over
// them with GDI in the language's face, so that a printer or a metafile gets them as
// text. The same for the screen and for paper.
void Paint(HDC dc, const morvane::forms::Drawing& drawing, const morvane::forms::Palette& palette,
           morvane::forms::Language language, double scale, POINT origin = {});

// GDI+ for the program's life: made before its first window and ended after its last.
class Painting {
public:
    Painting();
    ~Painting();
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;

private:
    ULONG_PTR m_token = 0;
};
