#pragma once

#include <string>
#include <string_view>

namespace morvane::forms {

// A caption's access key, as Windows and Qt read "&" in a button's caption: "&&" is one
// "&" shown, and the first other "&" marks the character after it, shown underlined, which
// Alt presses the control with. Any other lone "&", and one with nothing after it, is not
// shown.
struct AccessKey {
    char key = '\0'; // upper case; '\0' where the caption marks none
    std::size_t at = 0; // where the marked character stands in the caption as shown, in bytes
};

constexpr char UpperCase(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr AccessKey AccessKeyOf(std::string_view caption)
{
    std::size_t shown = 0;
    for (std::size_t at = 0; at < caption.size(); ++at, ++shown) {
        if (caption[at] != '&')
            continue;
        if (++at == caption.size())
            break;
        if (caption[at] != '&')
            return {UpperCase(caption[at]), shown};
    }
    return {};
}

// The caption as shown, without its marks.
constexpr std::string ShownCaption(std::string_view caption)
{
    std::string shown;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&' && ++at == caption.size())
            break;
        shown += caption[at];
    }
    return shown;
}

} // namespace morvane::forms
