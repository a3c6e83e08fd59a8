#include "number_text.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>

namespace morvane {
namespace {

constexpr bool IsBlank(char c) noexcept
{
    return c == ' ' || c == '\t';
}

constexpr bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) noexcept
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Length of the decimal separator at the start of text, or 0 when there is none.
std::size_t SeparatorAt(std::string_view text, std::string_view localeSeparator) noexcept
{
    if (text.starts_with('.'))
        return 1;
    if (!localeSeparator.empty() && text.starts_with(localeSeparator))
        return localeSeparator.size();
    return 0;
}

// The value of digits with at most one '.', or result_out_of_range where it is beyond the
// largest double or closer to zero than the smallest. Where the library has no from_chars
// for doubles (libc++ for WebAssembly), strtod, whose C locale there always reads '.',
// gives the same value.
std::errc ReadPlain(const std::string& plain, double& value) noexcept
{
#if defined(__wasi__)
    errno = 0;
    char* end = nullptr;
    value = std::strtod(plain.c_str(), &end);
    if (errno == ERANGE)
        return std::errc::result_out_of_range;
    return end == plain.data() + plain.size() ? std::errc{} : std::errc::invalid_argument;
#else
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return end == plain.data() + plain.size() || error != std::errc{} ? error : std::errc::invalid_argument;
#endif
}

} // namespace

std::optional<double> ReadNumber(std::string_view text, std::string_view decimalSeparator) noexcept
{
    text = TrimBlanks(text);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);

    // Rewritten with '.' so that from_chars, which knows no locale, can read it.
    std::string plain;
    bool seenSeparator = false;
    bool seenDigit = false;
    bool wholePartNonZero = false;
    while (!text.empty()) {
        if (IsDigit(text.front())) {
            seenDigit = true;
            wholePartNonZero = wholePartNonZero || (!seenSeparator && text.front() != '0');
            plain.push_back(text.front());
            text.remove_prefix(1);
            continue;
        }
        const std::size_t separator = SeparatorAt(text, decimalSeparator);
        if (separator == 0 || seenSeparator)
            return std::nullopt;
        seenSeparator = true;
        plain.push_back('.');
        text.remove_prefix(separator);
    }
    if (!seenDigit)
        return std::nullopt;

    double value = 0.0;
    const std::errc error = ReadPlain(plain, value);
    if (error == std::errc::result_out_of_range) {
        if (wholePartNonZero)
            return std::nullopt; // beyond the largest double
        value = 0.0; // closer to zero than the smallest double
    } else if (error != std::errc{}) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string NumberText(double value, std::string_view decimalSeparator)
{
    std::array<char, 32> buffer{}; // the shortest text of any double has at most 24 characters
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value + 0.0);
    std::string text;
    for (const char* c = buffer.data(); error == std::errc{} && c != end; ++c) {
        if (*c == '.')
            text.append(decimalSeparator.empty() ? std::string_view(".") : decimalSeparator);
        else
            text.push_back(*c);
    }
    return text;
}

} // namespace morvane
