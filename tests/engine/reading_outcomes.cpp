// Prints the outcome of every year text a person can type into the year box (up to two
// characters: the keyboard's, a blank, a few of other scripts and the locales' decimal
// separators), with each sex text, under '.' and ',' as the locale's separator; and of the
// odd texts of reading_test. Built for this machine and for WebAssembly, so that the
// page's engine can be compared with the desktop's, line by line.
#include "reading.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void PrintOutcome(const std::string& year, const std::string& sex, const std::string& separator)
{
    const auto result = morvane::Calculate({year, sex}, " Fire", separator);
    std::string outcome;
    if (const auto* failure = std::get_if<morvane::InputFailure>(&result)) {
        outcome = std::string(failure->message) + (failure->focus == morvane::InputBox::Year ? "|year" : "|sex")
            + (failure->clearsYear ? "|emptied" : "");
    } else {
        const auto& reading = std::get<morvane::KuaReading>(result);
        for (const morvane::ReadingEntry entry : morvane::kReadingEntries)
            outcome += (outcome.empty() ? "" : "|") + std::string(reading.at(entry).value_or("-"));
    }
    std::printf("%s\t%s\t%s\t%s\n", year.c_str(), sex.c_str(), separator.c_str(), outcome.c_str());
}

} // namespace

int main()
{
    std::vector<std::string> characters{"\u00e9", "\u4e2d", "\u0661", "\u066b", "\U0001F600"};
    for (char c = ' '; c <= '~'; ++c)
        characters.emplace_back(1, c);
    std::vector<std::string> years{"", "0." + std::string(400, '0') + "1", "1" + std::string(400, '0')};
    for (const std::string& first : characters) {
        years.push_back(first);
        for (const std::string& second : characters)
            years.push_back(first + second);
    }
    for (const std::string& year : years)
        for (const char* sex : {"Male", "Female", "male", "Select", ""})
            for (const char* separator : {".", ","})
                PrintOutcome(year, sex, separator);
    return 0;
}
