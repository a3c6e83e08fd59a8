#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::forms {

// The languages the program speaks: English, the language of its texts, and Chinese in
// its two scripts.
enum class Language { English, Simplified, Traditional };

struct LanguageName {
    Language language;
    std::string_view tag; // BCP 47, as the page and its ?lang= name it
    std::string_view catalogue; // the gettext catalogue, po/<catalogue>.po (listed in po/LINGUAS); none for English
    std::string_view own; // the language's name for itself
    // The faces that draw its letters in the forms its readers know, best first: Windows'
    // own, Apple's, then those of Linux; the windows' typeface draws the Latin ones. None
    // for English.
    std::span<const std::string_view> faces;
};

inline constexpr std::string_view kSimplifiedFaces[] = {"Microsoft YaHei UI", "Microsoft YaHei", "PingFang SC",
                                                        "Noto Sans CJK SC",   "Source Han Sans SC", "WenQuanYi Micro Hei"};
inline constexpr std::string_view kTraditionalFaces[] = {"Microsoft JhengHei UI", "Microsoft JhengHei", "PingFang TC",
                                                         "Noto Sans CJK TC",      "Source Han Sans TC", "WenQuanYi Micro Hei"};

inline constexpr auto kLanguages = std::to_array<LanguageName>({
    {Language::English, "en", "", "English", {}},
    {Language::Simplified, "zh-Hans", "zh_CN", "\u7b80\u4f53\u4e2d\u6587", kSimplifiedFaces},
    {Language::Traditional, "zh-Hant", "zh_TW", "\u7e41\u9ad4\u4e2d\u6587", kTraditionalFaces},
});

// The language tags, in lower case, that pick each language: Simplified Chinese for
// mainland China and Singapore and for plain "zh", Traditional for Taiwan, Hong Kong and
// Macau; a script named in the tag decides before a region.
inline constexpr std::pair<std::string_view, Language> kLanguageTags[] = {
    {"en", Language::English},          {"zh", Language::Simplified},       {"zh-hans", Language::Simplified},
    {"zh-cn", Language::Simplified},    {"zh-sg", Language::Simplified},    {"zh-hant", Language::Traditional},
    {"zh-tw", Language::Traditional},   {"zh-hk", Language::Traditional},   {"zh-mo", Language::Traditional},
};

// The first of a person's languages, most wanted first, that the program speaks, each
// looked up as RFC 4647's lookup does: the whole tag, then without its last part, and so
// on ("zh-Hant-TW", "zh-Hant", "zh"). Tags may be BCP 47's ("zh-TW") or a POSIX locale's
// ("zh_TW.UTF-8"). English where none is.
Language LanguageOf(std::span<const std::string> preferred);

// The language gettext would pick from the environment (`variable` reads one, "" for
// none): the locale of messages (LC_ALL, then LC_MESSAGES, then LANG), unless it is C or
// POSIX, where the program speaks English; within it, LANGUAGE's list where it is set.
template <typename Variable> Language LanguageFromEnvironment(Variable variable)
{
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (locale.empty())
            locale = variable(name);
    }
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C."))
        return Language::English;
    const std::string languages = variable("LANGUAGE");
    std::vector<std::string> preferred;
    for (std::string_view list = languages.empty() ? locale : languages; !list.empty();) {
        preferred.emplace_back(list.substr(0, list.find(':')));
        list.remove_prefix(std::min(list.size(), preferred.back().size() + 1));
    }
    return LanguageOf(preferred);
}

constexpr const LanguageName& NameOf(Language language)
{
    return *std::ranges::find(kLanguages, language, &LanguageName::language);
}

} // namespace morvane::forms
