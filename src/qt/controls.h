#pragma once

#include "window_description.h"

#include <QString>

#include <string_view>
#include <unordered_map>

class QWidget;

// The controls of a described window, by name.
using Controls = std::unordered_map<std::string_view, QWidget*>;

// Makes every control of the description inside the window, in the described order (so
// that Tab visits them in it), at its place, with its text and look. Labels are plain
// text, left and top aligned, wrapped at word boundaries inside a fixed size that never
// grows; lines below their height are cut off. Frames draw the etched line of the
// Windows style, through which the caption is set as the layout expects.
Controls AddControls(QWidget* window, const morvane::forms::WindowDescription& description);

// Sets the window up as described, white with black text in the windows' font and of a
// fixed size, then makes its controls.
Controls BuildWindow(QWidget* window, const morvane::forms::WindowDescription& description);

inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
