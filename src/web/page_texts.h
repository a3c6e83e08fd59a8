#pragma once

// The texts the page shows beside the program's windows, in English, the release facts
// they name in braces; the page shows them in the person's language. The site's page and
// manifests take theirs from here too.
#include <array>
#include <string_view>

namespace morvane::web {

struct PageText {
    std::string_view name; // as the page's scripts ask for it
    std::string_view english;
};

inline constexpr auto kPageTexts = std::to_array<PageText>({
    {"title", "{product}"},
    {"description", "A feng shui reading from the last two digits of a birth year and the sex: the Kua number, "
                    "group, element, directions and more. Works offline; sends nothing anywhere."},
    {"summary", "A feng shui reading from the last two digits of a birth year and the sex."},
    {"noScript", "{product} runs its reading in this page, which needs JavaScript and WebAssembly."},
    {"ended", "{product} has ended: its last window is closed."},
    {"again", "Start again"},
    {"close", "Close"},
    {"showList", "Show the list"},
    {"languages", "Language"},
    {"share", "Share"},
    {"sheet", "Your reading, as printed"},
});

} // namespace morvane::web
