#pragma once

#include "drawing.h"

// Paints a drawing into a control of one of the page's windows (by their places in the
// program's lists), shape by shape, through the page's script, which draws it as SVG.
void Paint(int window, int control, const morvane::forms::Drawing& drawing);
