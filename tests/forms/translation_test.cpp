// Every catalogue against everything the engine can say: each reading of every two-digit
// year, with either sex, and each message, in every language the program speaks, as the
// program translates it for its labels; each text found in the catalogue (not shown in
// English by default) and, for a value, with its leading blank kept.
#include "catalogue.h"
#include "form1_description.h"
#include "localized.h"

#include <gtest/gtest.h>

#include <string>

using namespace morvane;
using namespace morvane::forms;

namespace {

bool InCatalogue(Language language, std::string_view context, std::string_view english)
{
    const std::span<const Translation> catalogue = CatalogueNamed(NameOf(language).catalogue);
    return std::ranges::any_of(catalogue, [&](const Translation& row) {
        return row.context == context && row.english == english && !row.text.empty();
    });
}

TEST(Translation, ShouldSayEverythingTheEngineCanSayInEveryLanguage)
{
    for (const LanguageName& name : kLanguages) {
        if (name.catalogue.empty())
            continue;
        const Localized localized(name.language);
        for (const auto& [year, sex] : {std::pair{"", "Male"}, {"ab", "Male"}, {"81", "Select"}}) {
            const auto failure = std::get<InputFailure>(Calculate({year, sex}, ""));
            EXPECT_TRUE(InCatalogue(name.language, "", failure.message)) << name.tag << ": " << failure.message;
        }
        for (int year = 0; year < 100; ++year) {
            for (const std::string_view sex : kSexItems) {
                const std::string digits = {static_cast<char>('0' + year / 10), static_cast<char>('0' + year % 10)};
                const auto reading = std::get<KuaReading>(Calculate({digits, sex}, ""));
                for (const Control& label : kForm1.controls) {
                    const auto shows = label.traits.shows;
                    if (!shows || *shows == ReadingEntry::KuaNumber)
                        continue;
                    const std::string_view english = *reading.at(*shows);
                    const std::string_view shown = localized.text(english, label.traits.context);
                    SCOPED_TRACE(std::string(name.tag) + " " + digits + " " + std::string(sex) + ":" + std::string(english));
                    EXPECT_TRUE(InCatalogue(name.language, label.traits.context, english));
                    EXPECT_TRUE(shown.size() > 1 && shown[0] == ' ' && shown[1] != ' ') << shown;
                }
            }
        }
    }
}

} // namespace
