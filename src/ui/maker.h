#pragma once

// Who makes the program, as the About dialog and the web-link label name them. The site
// lives under the reserved .example domain so that no real party's site is implied.
inline constexpr char kMakerName[] = "Orrindale";
inline constexpr char kMakerWebAddress[] = "https://www.orrindale.example";
