#include "window_scripts.h"

#include <algorithm>
#include <map>

extern const std::string_view kWindowScriptsText; // window_scripts.txt, built in

namespace {

// Without the quotes that keep its blanks, and with "\n" as the line break it stands for.
std::string Unquoted(std::string_view text)
{
    if (text.size() > 1 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    std::string unquoted(text);
    for (std::size_t at = unquoted.find("\\n"); at != std::string::npos; at = unquoted.find("\\n", at + 1))
        unquoted.replace(at, 2, "\n");
    return unquoted;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to, std::size_t start)
{
    for (std::size_t at = text.find(from, start); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::vector<std::string> Split(std::string_view text, std::string_view separator)
{
    std::vector<std::string> parts;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        parts.emplace_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    parts.emplace_back(text);
    return parts;
}

} // namespace

std::vector<Script> WindowScripts()
{
    std::vector<Script> scripts;
    std::map<std::string, std::string> texts; // {name}, text
    morvane::forms::Language language = morvane::forms::Language::English;
    std::string uncommented;
    for (const std::string& line : Split(kWindowScriptsText, "\n")) {
        if (!line.starts_with('#'))
            uncommented += line + '\n';
    }
    for (std::string paragraph : Split(uncommented, "\n\n")) {
        paragraph.erase(0, paragraph.find_first_not_of('\n'));
        paragraph.erase(paragraph.find_last_not_of('\n') + 1);
        if (paragraph.empty())
            continue;
        const std::size_t defined = paragraph.starts_with('{') ? paragraph.find(" = ") + 3 : 0; // its name stays
        for (const auto& [name, text] : texts)
            ReplaceAll(paragraph, name, text, defined);
        ReplaceAll(paragraph, "\n  ", " ", 0);
        if (paragraph.starts_with("language ")) {
            language = std::ranges::find(morvane::forms::kLanguages, ParseStep(paragraph).argument,
                                         &morvane::forms::LanguageName::tag)
                           ->language;
        } else if (paragraph.starts_with('{')) {
            const std::size_t equals = paragraph.find(" = ");
            texts[paragraph.substr(0, equals)] = paragraph.substr(equals + 3);
        } else {
            const std::size_t colon = paragraph.find(": ");
            scripts.push_back(
                {paragraph.substr(0, colon), Split(std::string_view(paragraph).substr(colon + 2), "; "), language});
        }
    }
    return scripts;
}

Step ParseStep(std::string_view step)
{
    const std::size_t blank = step.find(' ');
    if (blank == std::string_view::npos)
        return {std::string(step), {}};
    return {std::string(step.substr(0, blank)), Unquoted(step.substr(blank + 1))};
}
