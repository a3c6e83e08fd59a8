#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace morvane::forms {

// The text with each of its placeholders ("{direction}") replaced by its value, as the
// catalogues' texts name the parts that the program puts in.
inline std::string Filled(std::string_view text,
                          std::initializer_list<std::pair<std::string_view, std::string_view>> values)
{
    std::string filled(text);
    for (const auto& [name, value] : values) {
        for (std::size_t at = filled.find(name); at != std::string::npos; at = filled.find(name, at + value.size()))
            filled.replace(at, name.size(), value);
    }
    return filled;
}

} // namespace morvane::forms
