#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace morvane::forms {

// A text joined from others when the program is compiled, so that a fact written once,
// such as the maker's name, can be part of several texts: FixedText("by ") + kMakerName.
template <std::size_t Size> struct FixedText {
    std::array<char, Size> chars{};

    constexpr FixedText() = default;
    constexpr FixedText(const char (&text)[Size + 1]) { std::copy_n(text, Size, chars.begin()); }

    constexpr operator std::string_view() const { return {chars.data(), Size}; }
};

template <std::size_t SizeWithNul> FixedText(const char (&)[SizeWithNul]) -> FixedText<SizeWithNul - 1>;

template <std::size_t Left, std::size_t Right>
constexpr FixedText<Left + Right> operator+(const FixedText<Left>& left, const FixedText<Right>& right)
{
    FixedText<Left + Right> joined;
    std::ranges::copy(right.chars, std::ranges::copy(left.chars, joined.chars.begin()).out);
    return joined;
}

} // namespace morvane::forms
