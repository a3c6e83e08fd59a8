#pragma once

#include "language.h"
#include "window_description.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::forms {

// The program's windows and texts as a person reads them in one language: each text of
// the descriptions from the catalogue, but the product's name, the main window's title
// and the maker's web address, which stay as they are; and the release facts a text names
// put in ("{maker}").
class Localized {
public:
    explicit Localized(Language language);
    Localized(const Localized&) = delete;
    Localized& operator=(const Localized&) = delete;

    Language language() const { return m_language; }
    // The window translated; every window of the program has one, of the same name.
    const WindowDescription& window(const WindowDescription& english) const;
    // A text of the program, or one of its windows' texts, in the language; `context`
    // tells apart one English text in two roles.
    std::string_view text(std::string_view english, std::string_view context = {}) const;
    // The English text of one that is shown: the one of `english` whose translation it
    // is, or the shown text itself where it is none of them.
    std::string_view english(std::string_view shown, std::span<const std::string_view> english) const;

private:
    struct Window {
        std::vector<Control> controls;
        std::vector<std::vector<std::string_view>> lists; // the combo boxes' items
        std::vector<MenuItem> menu;
        WindowDescription description;
    };

    std::string_view translated(std::string_view english);

    Language m_language;
    std::vector<Window> m_windows;
    std::deque<std::pair<std::string_view, std::string>> m_filled; // English, and in the language with the facts
};

// Whether the program shows the text in the person's language: all but the product's
// name, the main window's title and the maker's web address.
bool IsTranslated(std::string_view text);

} // namespace morvane::forms
