// The decimal separator of the user's locale, as the front end reads it from Windows, is
// the one CTest names for the run (LC_ALL sets the locale under Wine), and the engine
// reads a year written with it, and one written with '.', as on Linux.
#include "reading.h"
#include "shell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(UserLocale, ShouldReadAYearWithTheUserDecimalSeparator)
{
    const char* expected = std::getenv("MORVANE_USER_DECIMAL_SEPARATOR");
    if (!expected)
        GTEST_SKIP() << "MORVANE_USER_DECIMAL_SEPARATOR names the separator the user locale should have";
    const std::string separator = UserDecimalSeparator();
    ASSERT_EQ(separator, expected);
    for (const auto& [year, kuaNumber] : {std::pair{"8" + separator + "5", " 1" + separator + "5"},
                                          std::pair{std::string(".5"), " 0" + separator + "95"}}) {
        const auto result = morvane::Calculate({year, "Male"}, "", separator);
        ASSERT_TRUE(std::holds_alternative<morvane::KuaReading>(result)) << year;
        EXPECT_EQ(std::get<morvane::KuaReading>(result).kuaNumber, kuaNumber) << year;
    }
}

} // namespace
