// Plays the shared window scripts of the user's language against the real kestrin.exe
// from outside, as a person would, each script on the program started afresh; and checks
// the language and the decimal separator the front end reads from the user's settings.
// Run under Wine by CTest, with the locale naming the language:
//   window_scripts_test <kestrin.exe> <language tag>  the scripts and the locale
//   window_scripts_test --record <address>            as the browser, while a script runs
#include "reading.h"
#include "shell.h"
#include "text.h"
#include "win32_driver.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::wstring g_program;
std::string g_language; // the tag of the language CTest's locale names

TEST(WindowScriptsTest, ShouldAnswerWhatThePersonDoes)
{
    using namespace morvane::forms;
    const Language language = LanguageOf(UserLanguages());
    ASSERT_EQ(NameOf(language).tag, g_language);
    EXPECT_EQ(PlayEveryScript([](Language) { return StartKestrin(g_program); }, language), 0);
}

// LC_ALL sets the user's locale under Wine; CTest names the separator it should give. The
// engine reads a year written with it, and one written with '.', as on Linux.
TEST(UserLocale, ShouldReadAYearWithTheUserDecimalSeparator)
{
    const std::string separator = UserDecimalSeparator();
    ASSERT_EQ(separator, std::getenv("MORVANE_USER_DECIMAL_SEPARATOR"));
    for (const auto& [year, kuaNumber] : {std::pair{"8" + separator + "5", " 1" + separator + "5"},
                                          std::pair{std::string(".5"), " 0" + separator + "95"}}) {
        const auto result = morvane::Calculate({year, "Male"}, "", separator);
        ASSERT_TRUE(std::holds_alternative<morvane::KuaReading>(result)) << year;
        EXPECT_EQ(std::get<morvane::KuaReading>(result).at(morvane::ReadingEntry::KuaNumber), kuaNumber) << year;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::string_view(argv[1]) == "--record") {
        RecordOpened(argv[2]);
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    g_program = argc > 1 ? Wide(argv[1]) : std::wstring();
    g_language = argc > 2 ? argv[2] : "en";
    return RUN_ALL_TESTS();
}
