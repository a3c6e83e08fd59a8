#pragma once

#include "window_description.h"

#include <functional>
#include <string>
#include <string_view>

namespace morvane::forms {

// What ends a sentence of what is spoken, in English.
inline constexpr std::string_view kSentenceEnd = ". ";

// What a screen reader says after a reading: the rows in the order a sighted person reads
// the main window, each caption with the value beside it, each frame's title before its
// rows, and last "Tips" and the tip. The values are taken as the window shows them, by
// the value label's name, so that a row a reading left unchanged is heard as it stands.
// `form1` is the main window in the person's language, and `sentenceEnd` what ends a
// sentence in it.
std::string SpokenReading(const WindowDescription& form1, std::string_view sentenceEnd,
                          const std::function<std::string(std::string_view label)>& shownText);

} // namespace morvane::forms
