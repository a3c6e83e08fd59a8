#pragma once

#include "language.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace morvane::forms {

// One text of the program in one language, as a catalogue of po/ gives it. The context
// tells apart one English text in two roles (" Water" as an element and as what a person
// is lucky in); most texts have none.
struct Translation {
    std::string_view context;
    std::string_view english;
    std::string_view text;
};

constexpr auto kTranslationKey = [](const Translation& translation) {
    return std::pair(translation.context, translation.english);
};

// The catalogue's translations in the order of their contexts and English texts, for
// looking up.
template <std::size_t Size> constexpr std::array<Translation, Size> Sorted(std::array<Translation, Size> translations)
{
    std::ranges::sort(translations, {}, kTranslationKey);
    return translations;
}

// Whether these catalogues, as po/LINGUAS lists them, are those the languages' table
// names, in its order.
template <std::size_t Size> constexpr bool ListsEveryCatalogue(const std::array<std::string_view, Size>& listed)
{
    std::array<std::string_view, Size> named{};
    std::size_t count = 0;
    for (const LanguageName& language : kLanguages) {
        if (language.catalogue.empty())
            continue;
        if (count == Size)
            return false;
        named[count++] = language.catalogue;
    }
    return count == Size && named == listed;
}

// The catalogue po/<name>.po as the build turned it into a table (catalogues.cpp, made
// by cmake/catalogues.cmake), sorted; none for English.
std::span<const Translation> CatalogueNamed(std::string_view name);

// The text in the language, or the English text where its catalogue has none.
std::string_view Translate(std::string_view english, Language language, std::string_view context = {});

} // namespace morvane::forms
