// Writes the part of the catalogues' template (po/morvane.pot) that the program's own
// list of texts gives: every text of its windows and its reading, and the page's.
// po/CMakeLists.txt adds the desktop entry's and the AppStream metadata's texts.
#include "page_texts.h"
#include "program_texts.h"

#include <cstdio>
#include <string>

namespace {

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' || c == '\\' ? std::string{'\\', c} : std::string{c};
    return quoted + '"';
}

void Write(std::string_view text, std::string_view where, std::string_view context = {})
{
    std::printf("#. %.*s\n", static_cast<int>(where.size()), where.data());
    if (!context.empty())
        std::printf("msgctxt %s\n", Quoted(context).c_str());
    std::printf("msgid %s\nmsgstr \"\"\n\n", Quoted(text).c_str());
}

} // namespace

int main()
{
    std::printf("msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: Morvane\\n\"\n\"MIME-Version: 1.0\\n\"\n"
                "\"Content-Type: text/plain; charset=UTF-8\\n\"\n\"Content-Transfer-Encoding: 8bit\\n\"\n\n");
    for (const auto& [text, where, context] : morvane::forms::ProgramTexts())
        Write(text, where, context);
    for (const auto& [name, english] : morvane::web::kPageTexts)
        Write(english, "the page beside the windows, " + std::string(name));
    return 0;
}
