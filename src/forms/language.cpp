#include "language.h"

#include <algorithm>

namespace morvane::forms {
namespace {

// "zh_TW.UTF-8@latin" as "zh-tw": lower case, '-' between its parts, without its code set
// or modifier.
std::string Normalized(std::string_view tag)
{
    tag = tag.substr(0, std::min(tag.find('.'), tag.find('@')));
    std::string normal(tag);
    for (char& c : normal)
        c = c == '_' ? '-' : static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return normal;
}

} // namespace

Language LanguageOf(std::span<const std::string> preferred)
{
    for (const std::string& tag : preferred) {
        std::string range = Normalized(tag);
        while (!range.empty()) {
            const auto named = std::ranges::find(kLanguageTags, range, &std::pair<std::string_view, Language>::first);
            if (named != std::end(kLanguageTags))
                return named->second;
            const std::size_t dash = range.rfind('-');
            range.resize(dash == std::string::npos ? 0 : dash);
        }
    }
    return Language::English;
}

} // namespace morvane::forms
