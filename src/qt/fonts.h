#pragma once

#include "window_description.h"

#include <QFont>

// The windows' typeface where it is installed, and otherwise Liberation Sans, which has
// the same metrics as "MS Sans Serif", at the described size, weight and slant. Sizes are
// in pixels so that text keeps fitting the fixed layout whatever the screen's logical dpi
// (9.75 points at 96 dpi are 13 pixels).
QFont ClassicFont(const morvane::forms::Font& font = {});
