#include "spoken_reading.h"

namespace morvane::forms {

std::string SpokenReading(const WindowDescription& form1, std::string_view sentenceEnd,
                          const std::function<std::string(std::string_view label)>& shownText)
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
    for (const Control& control : form1.controls) {
        if (control.kind == ControlKind::Frame)
            say(control.text);
        else if (const Control* caption = CaptionOf(form1, control.name); control.traits.shows)
            say((caption ? std::string(caption->text) : std::string()) + shownText(control.name));
    }
    return spoken;
}

} // namespace morvane::forms
