#pragma once

#include "language.h"
#include "window_description.h"

#include <QFont>

// The windows' typeface where it is installed, and otherwise Liberation Sans, which has
// the same metrics as "MS Sans Serif", at the described size, weight and slant; the
// language's letters that it lacks from the language's faces that are installed, in the
// order the language names them, so that Traditional Chinese is drawn in its own forms.
// Sizes are in pixels so that text keeps fitting the fixed layout whatever the screen's
// logical dpi (9.75 points at 96 dpi are 13 pixels).
QFont ClassicFont(const morvane::forms::Font& font, morvane::forms::Language language);
