#pragma once

#include "reading_rows.h"

#include <string>
#include <string_view>
#include <vector>

namespace morvane::forms {

// What ends a sentence of what is spoken, in English.
inline constexpr std::string_view kSentenceEnd = ". ";

// What a screen reader says after a reading: the main window's rows (reading_rows.h), a
// sentence each, so that a row a reading left unchanged is heard as it stands;
// `sentenceEnd` is what ends a sentence in the person's language.
std::string SpokenReading(const std::vector<ReadingRow>& rows, std::string_view sentenceEnd);

} // namespace morvane::forms
