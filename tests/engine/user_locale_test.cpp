// Windows only: the decimal separator of the user's locale, as Windows reports it, is the
// one CTest names for the run (LC_ALL sets the locale under Wine), and the engine reads a
// year written with it.
#include "reading.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdlib>
#include <string>

namespace {

std::string UserDecimalSeparator()
{
    std::array<wchar_t, 8> wide{};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, wide.data(), int(wide.size()));
    if (length <= 1) // 0 on failure; the length counts the terminating null
        return {};
    std::array<char, 32> utf8{};
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length - 1, utf8.data(), int(utf8.size()), nullptr, nullptr);
    return bytes > 0 ? std::string(utf8.data(), std::size_t(bytes)) : std::string();
}

TEST(UserLocale, ShouldReadAYearWithTheUserDecimalSeparator)
{
    const char* expected = std::getenv("MORVANE_USER_DECIMAL_SEPARATOR");
    if (!expected)
        GTEST_SKIP() << "MORVANE_USER_DECIMAL_SEPARATOR names the separator the user locale should have";
    const std::string separator = UserDecimalSeparator();
    ASSERT_EQ(separator, expected);
    const auto result = morvane::Calculate({"8" + separator + "5", "Male"}, "", separator);
    ASSERT_TRUE(std::holds_alternative<morvane::KuaReading>(result));
    EXPECT_EQ(std::get<morvane::KuaReading>(result).kuaNumber, " 1" + separator + "5");
}

} // namespace
