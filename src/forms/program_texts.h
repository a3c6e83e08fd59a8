#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace morvane::forms {

// A text the program shows or speaks, and where, for its translators.
struct ProgramText {
    std::string_view text;
    std::string where;
    std::string_view context = {}; // where the same English text has another role elsewhere
};

// Every text of the program that is shown in the person's language, once each, in the
// order of the windows and then of the reading's tables: what the catalogues translate.
std::vector<ProgramText> ProgramTexts();

} // namespace morvane::forms
