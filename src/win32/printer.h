#pragma once

#include "drawing.h"
#include "language.h"

#include <windows.h>

#include <functional>

using SheetMaker = std::function<morvane::forms::Drawing(double width, double height)>;

// Draws the sheet made for a page of the size (in pixels at the dpi) onto the device
// context, in the paper's palette, from `origin`, the paper's corner in the context's
// pixels.
void DrawSheet(HDC dc, const SheetMaker& sheet, morvane::forms::Language language, int dpi, SIZE page, POINT origin);

// Prints the sheet on one page of the printer the device context is for, from the paper's
// corner: the sheet keeps its own margins.
void PrintSheet(HDC printer, const SheetMaker& sheet, morvane::forms::Language language);
