#pragma once

#include <string_view>

namespace morvane::forms {

inline constexpr std::string_view kHelpPageName = "index.htm";

// The page Help opens: index.htm in the current directory when there is one there, as
// the program has always done, and otherwise the copy installed with the program, so
// that Help always shows help. Paths are the platform's own.
template <typename Path, typename IsFile>
Path HelpPage(const Path& inCurrentDirectory, const Path& installed, IsFile isFile)
{
    return isFile(inCurrentDirectory) ? inCurrentDirectory : installed;
}

} // namespace morvane::forms
