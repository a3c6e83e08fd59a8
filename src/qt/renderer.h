#pragma once

#include "language.h"
#include "window_description.h"

#include <QString>

#include <string_view>
#include <unordered_map>

class QWidget;

// The controls of a rendered window, by name.
using Controls = std::unordered_map<std::string_view, QWidget*>;

// Makes the window as described: its frame, title and fixed size, white with black text
// in the windows' font for the language; then every control in the described order, so that Tab visits
// them in it, at its place and with all the description says of it: text, look, tip,
// length limit, list, picture, pointer, and what screen readers call it, add to it and
// name it by. Labels are plain text, left and top aligned, wrapped at word boundaries
// inside a fixed size that never grows; lines below their height are cut off.
Controls Render(QWidget* window, const morvane::forms::WindowDescription& description,
                morvane::forms::Language language);

inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
