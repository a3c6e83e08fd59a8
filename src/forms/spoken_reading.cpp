#include "spoken_reading.h"

namespace morvane::forms {

std::string SpokenReading(const std::vector<ReadingRow>& rows, std::string_view sentenceEnd)
{
    // Sentences, so that a speech synthesizer pauses between rows; a value label's text
    // brings its own leading blank, which stands for the end's.
    std::string spoken;
    const auto say = [&](std::string_view sentence) {
        if (!spoken.empty())
            spoken += sentence.starts_with(' ') && sentenceEnd.ends_with(' ') ? sentenceEnd.substr(0, sentenceEnd.size() - 1)
                                                                              : sentenceEnd;
        spoken += sentence;
    };
    for (const ReadingRow& row : rows)
        say(row.caption + row.value);
    return spoken;
}

} // namespace morvane::forms
