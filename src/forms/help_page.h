#pragma once

#include <filesystem>

namespace morvane::forms {

// The page Help opens: index.htm in the current directory when there is one there, as
// the program has always done, and otherwise the page installed with the program, so
// that Help always shows help.
std::filesystem::path HelpPage(const std::filesystem::path& currentDirectory,
                               const std::filesystem::path& installedPage);

} // namespace morvane::forms
