#include "help_page.h"

namespace morvane::forms {

std::filesystem::path HelpPage(const std::filesystem::path& currentDirectory,
                               const std::filesystem::path& installedPage)
{
    std::filesystem::path local = currentDirectory / "index.htm";
    std::error_code unreadable; // an unreadable directory has no page
    if (std::filesystem::is_regular_file(local, unreadable))
        return local;
    return installedPage.lexically_normal();
}

} // namespace morvane::forms
