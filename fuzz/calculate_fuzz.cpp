// Feeds arbitrary year, sex, caption and separator texts to Calculate and checks what
// must hold for every input. The input is split at line breaks into those four texts.
#include "entry_texts.h"
#include "reading.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

using namespace morvane;

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::string_view NextLine(std::string_view& data)
{
    const std::size_t end = std::min(data.find('\n'), data.size());
    const std::string_view line = data.substr(0, end);
    data.remove_prefix(std::min(end + 1, data.size()));
    return line;
}

bool IsKuaNumberText(std::string_view text, std::string_view separator)
{
    if (!text.starts_with(' '))
        return false;
    text.remove_prefix(1);
    while (!text.empty()) {
        if (!separator.empty() && text.starts_with(separator)) {
            text.remove_prefix(separator.size());
        } else if (std::string_view("0123456789.-+e").find(text.front()) != std::string_view::npos) {
            text.remove_prefix(1);
        } else {
            return false;
        }
    }
    return true;
}

void CheckFailure(const InputFailure& failure)
{
    if (failure.message == kEmptyYearMessage)
        Require(failure.focus == InputBox::Year && !failure.clearsYear);
    else if (failure.message == kBadYearMessage)
        Require(failure.focus == InputBox::Year && failure.clearsYear);
    else
        Require(failure.message == kNoSexMessage && failure.focus == InputBox::Sex && !failure.clearsYear);
}

void CheckReading(const KuaReading& reading, std::string_view separator)
{
    static const auto texts = fuzz::EntryTexts();
    Require(IsKuaNumberText(*reading.at(ReadingEntry::KuaNumber), separator));
    for (const ReadingEntry entry : kReadingEntries) {
        const auto& possible = texts[static_cast<std::size_t>(entry)];
        if (const std::optional<std::string_view> text = reading.at(entry); text && entry != ReadingEntry::KuaNumber)
            Require(std::ranges::find(possible, *text) != possible.end());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view year = NextLine(input);
    const std::string_view sex = NextLine(input);
    const std::string_view caption = NextLine(input);
    const std::string_view separator = input;

    const auto result = Calculate({year, sex}, caption, separator);
    if (const auto* failure = std::get_if<InputFailure>(&result))
        CheckFailure(*failure);
    else
        CheckReading(std::get<KuaReading>(result), separator);
    return 0;
}
