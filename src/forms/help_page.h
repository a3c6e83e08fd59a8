#pragma once

#include "language.h"

#include <string>

namespace morvane::forms {

// The help page of a language: index.htm, or the translation's, index.zh_CN.htm.
inline std::string HelpPageName(Language language)
{
    const std::string_view catalogue = NameOf(language).catalogue;
    return catalogue.empty() ? "index.htm" : "index." + std::string(catalogue) + ".htm";
}

// The page Help opens: index.htm in the current directory when there is one there, as
// the program has always done, and otherwise the copy installed with the program, so
// that Help always shows help. Paths are the platform's own.
template <typename Path, typename IsFile>
Path HelpPage(const Path& inCurrentDirectory, const Path& installed, IsFile isFile)
{
    return isFile(inCurrentDirectory) ? inCurrentDirectory : installed;
}

} // namespace morvane::forms
