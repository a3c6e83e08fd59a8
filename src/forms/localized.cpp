#include "localized.h"

#include "catalogue.h"
#include "program.h"

#include <algorithm>

namespace morvane::forms {

bool IsTranslated(std::string_view text)
{
    return text != kForm1.title && text != "{product}" && text != kMakerWebAddress;
}

Localized::Localized(Language language)
    : m_language(language)
{
    m_windows.reserve(kWindows.size()); // the descriptions point into them
    for (const WindowDescription* english : kWindows) {
        Window& window = m_windows.emplace_back();
        window.lists.reserve(english->controls.size());
        for (Control control : english->controls) {
            for (std::string_view* text :
                 {&control.text, &control.traits.tip, &control.traits.spokenName, &control.traits.spokenDescription})
                *text = translated(*text);
            if (!control.traits.items.empty()) {
                auto& items = window.lists.emplace_back();
                std::ranges::transform(control.traits.items, std::back_inserter(items),
                                       [this](std::string_view item) { return translated(item); });
                control.traits.items = items;
            }
            window.controls.push_back(control);
        }
        for (MenuItem item : english->menu) {
            item.text = translated(item.text);
            window.menu.push_back(item);
        }
        window.description = *english;
        window.description.title = translated(english->title);
        window.description.spokenName = translated(english->spokenName);
        window.description.controls = window.controls;
        window.description.menu = window.menu;
    }
}

// The text in the language, kept here where it names a release fact.
std::string_view Localized::translated(std::string_view english)
{
    const std::string_view text = this->text(english);
    if (text.find('{') == std::string_view::npos)
        return text;
    return m_filled.emplace_back(english, WithReleaseFacts(text)).second;
}

const WindowDescription& Localized::window(const WindowDescription& english) const
{
    return std::ranges::find(m_windows, english.name, [](const Window& window) { return window.description.name; })
        ->description;
}

std::string_view Localized::text(std::string_view english, std::string_view context) const
{
    const auto filled = std::ranges::find(m_filled, english, &std::pair<std::string_view, std::string>::first);
    if (filled != m_filled.end())
        return filled->second;
    return IsTranslated(english) ? Translate(english, m_language, context) : english;
}

std::string_view Localized::english(std::string_view shown, std::span<const std::string_view> english) const
{
    const auto original = std::ranges::find(english, shown, [this](std::string_view text) { return this->text(text); });
    return original == english.end() ? shown : *original;
}

} // namespace morvane::forms
