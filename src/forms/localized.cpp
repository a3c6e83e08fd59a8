#include "localized.h"

#include "catalogue.h"
#include "program.h"

#include <algorithm>

namespace morvane::forms {

bool IsTranslated(std::string_view text)
{
    return text != kForm1.title && text != "Morvane" && text != std::string_view(kMakerWebAddress);
}

Localized::Localized(Language language)
    : m_language(language)
{
    if (language == Language::English)
        return;
    m_windows.reserve(kWindows.size()); // the descriptions point into them
    for (const WindowDescription* english : kWindows) {
        Window& window = m_windows.emplace_back();
        window.lists.reserve(english->controls.size());
        for (Control control : english->controls) {
            for (std::string_view* text :
                 {&control.text, &control.traits.tip, &control.traits.spokenName, &control.traits.spokenDescription})
                *text = this->text(*text);
            if (!control.traits.items.empty()) {
                auto& items = window.lists.emplace_back();
                std::ranges::transform(control.traits.items, std::back_inserter(items),
                                       [this](std::string_view item) { return text(item); });
                control.traits.items = items;
            }
            window.controls.push_back(control);
        }
        window.description = *english;
        window.description.title = text(english->title);
        window.description.spokenName = text(english->spokenName);
        window.description.controls = window.controls;
    }
}

const WindowDescription& Localized::window(const WindowDescription& english) const
{
    const auto translated = std::ranges::find(m_windows, english.name,
                                              [](const Window& window) { return window.description.name; });
    return translated == m_windows.end() ? english : translated->description;
}

std::string_view Localized::text(std::string_view english) const
{
    return IsTranslated(english) ? Translate(english, m_language) : english;
}

std::string_view Localized::english(std::string_view shown, std::span<const std::string_view> english) const
{
    const auto original = std::ranges::find(english, shown, [this](std::string_view text) { return this->text(text); });
    return original == english.end() ? shown : *original;
}

} // namespace morvane::forms
