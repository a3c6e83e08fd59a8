#pragma once

#include "window_description.h"

#include <windows.h>

// The colours the windows paint with: their own white ground and described inks, or,
// under Windows high contrast, the system's window and text colours for all of them, so
// that the user's chosen contrast holds in every text. Each is read as it is painted, so
// a change of the setting shows at the next paint.
COLORREF Ink(morvane::forms::Rgb own);
COLORREF Ground();
// The ground's brush, one of the system's own, which nobody deletes.
HBRUSH GroundBrush();
