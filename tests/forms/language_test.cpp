// The language the program speaks, picked from the environment as gettext picks it, and
// from a list of language tags as BCP 47's lookup does.
#include "language.h"

#include <gtest/gtest.h>

#include <map>

using namespace morvane::forms;

namespace {

TEST(Language, ShouldBePickedAsThePlatformPicksIt)
{
    struct Row {
        std::map<std::string, std::string> environment;
        Language language;
    };
    const Row rows[] = {
        {{}, Language::English},
        {{{"LANG", "zh_CN.UTF-8"}}, Language::Simplified},
        {{{"LANG", "zh_SG.UTF-8"}}, Language::Simplified},
        {{{"LANG", "zh_TW.UTF-8"}}, Language::Traditional},
        {{{"LANG", "zh_HK.UTF-8"}}, Language::Traditional},
        {{{"LANG", "zh_MO"}}, Language::Traditional},
        {{{"LANG", "zh"}}, Language::Simplified},
        {{{"LANG", "de_DE.UTF-8"}}, Language::English},
        {{{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", "zh_TW.UTF-8"}}, Language::Traditional},
        {{{"LC_ALL", "C.UTF-8"}, {"LANG", "zh_CN.UTF-8"}}, Language::English}, // LC_ALL decides
        {{{"LC_ALL", "C"}, {"LANGUAGE", "zh_TW"}}, Language::English}, // LANGUAGE left aside under C
        {{{"LANG", "POSIX"}, {"LANGUAGE", "zh_TW"}}, Language::English},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:zh_TW:en"}}, Language::Traditional}, // the first it speaks
        {{{"LANG", "zh_CN.UTF-8"}, {"LANGUAGE", "en"}}, Language::English},
    };
    for (const Row& row : rows) {
        const Language language = LanguageFromEnvironment([&](const char* name) {
            const auto value = row.environment.find(name);
            return value == row.environment.end() ? std::string() : value->second;
        });
        EXPECT_EQ(language, row.language) << testing::PrintToString(row.environment);
    }
    for (const auto& [tags, language] : std::map<std::vector<std::string>, Language>{
             {{"zh-Hant-HK"}, Language::Traditional}, {{"zh-Hans-HK"}, Language::Simplified},
             {{"ZH-tw", "en"}, Language::Traditional}, {{"ja", "fr-CA"}, Language::English}})
        EXPECT_EQ(LanguageOf(tags), language) << testing::PrintToString(tags);
}

} // namespace
