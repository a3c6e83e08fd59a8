#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace morvane::forms {

// What a screen reader says after a reading: the rows in the order a sighted person reads
// the main window, each caption with the value beside it, each frame's title before its
// rows, and last "Tips" and the tip. The values are taken as the window shows them, by
// the value label's name, so that a row a reading left unchanged is heard as it stands.
std::string SpokenReading(const std::function<std::string(std::string_view label)>& shownText);

} // namespace morvane::forms
