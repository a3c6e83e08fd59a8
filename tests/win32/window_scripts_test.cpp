// Plays the shared window scripts of the user's language against the real kestrin.exe
// from outside, as a person would, each script on the program started afresh; and checks
// the language and the decimal separator the front end reads from the user's settings.
// Run under Wine by CTest, with the locale naming the language:
//   window_scripts_test <kestrin.exe> <locale>  the scripts in the language the locale names
//   window_scripts_test --record <address>      as the browser, while a script runs
#include "shell.h"
#include "text.h"
#include "win32_driver.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::wstring g_program;
std::string g_locale; // the locale CTest names, "zh_TW" or "C"

TEST(WindowScriptsTest, ShouldAnswerWhatThePersonDoes)
{
    using namespace morvane::forms;
    const Language language = LanguageOf(UserLanguages());
    ASSERT_EQ(NameOf(language).tag, NameOf(LanguageOf(std::vector{g_locale})).tag);
    EXPECT_EQ(PlayEveryScript([](Language) { return StartKestrin(g_program); }, language), 0);
}

// LC_ALL sets the user's locale under Wine; CTest names the separator it should give.
TEST(UserLocale, ShouldGiveTheUserDecimalSeparator)
{
    EXPECT_EQ(UserDecimalSeparator(), std::getenv("MORVANE_USER_DECIMAL_SEPARATOR"));
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
    g_locale = argc > 2 ? argv[2] : "C";
    return RUN_ALL_TESTS();
}
