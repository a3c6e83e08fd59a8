// Plays the shared window scripts against the real kestrin.exe from outside, as a person
// would, each script on the program started afresh; and checks the decimal separator the
// front end reads from the user's locale. Run under Wine by CTest:
//   window_scripts_test <kestrin.exe>       the scripts and the locale
//   window_scripts_test --record <address>  as the browser, while a script runs
#include "reading.h"
#include "shell.h"
#include "text.h"
#include "win32_driver.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::wstring g_program;

TEST(WindowScriptsTest, ShouldAnswerWhatThePersonDoes)
{
    EXPECT_EQ(PlayEveryScript([] { return StartKestrin(g_program); }), 0);
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
    return RUN_ALL_TESTS();
}
