#pragma once

#include <string_view>

namespace morvane::forms {

// Who makes the program, as the About dialog and the web-link label name them. The site
// lives under the reserved .example domain so that no real party's site is implied.
inline constexpr std::string_view kMakerName = "Orrindale";
inline constexpr std::string_view kMakerWebAddress = "https://www.orrindale.example";

} // namespace morvane::forms
