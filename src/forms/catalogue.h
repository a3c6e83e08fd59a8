#pragma once

#include "language.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace morvane::forms {

// One text of the program in one language, as a catalogue of po/ gives it.
struct Translation {
    std::string_view english;
    std::string_view text;
};

// The catalogue's translations in the order of their English texts, for looking up.
template <std::size_t Size> constexpr std::array<Translation, Size> Sorted(std::array<Translation, Size> translations)
{
    std::ranges::sort(translations, {}, &Translation::english);
    return translations;
}

// The catalogue po/<name>.po as the build turned it into a table (catalogues.cpp, made
// by cmake/catalogues.cmake), sorted; none for English, or for a catalogue msgfmt could
// not read, whose texts are then shown in English.
std::span<const Translation> CatalogueNamed(std::string_view name);

// The text in the language, or the English text where its catalogue has none.
std::string_view Translate(std::string_view english, Language language);

} // namespace morvane::forms
