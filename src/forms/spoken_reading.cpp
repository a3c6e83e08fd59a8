#include "spoken_reading.h"

#include "form1_description.h"

namespace morvane::forms {

std::string SpokenReading(const std::function<std::string(std::string_view label)>& shownText)
{
    // Sentences, so that a speech synthesizer pauses between rows; a value label's text
    // brings its own leading blank.
    std::string spoken;
    const auto say = [&spoken](std::string_view sentence) {
        if (!spoken.empty())
            spoken += sentence.starts_with(' ') ? "." : ". ";
        spoken += sentence;
    };
    for (const Control& control : kForm1.controls) {
        if (control.kind == ControlKind::Frame)
            say(control.text);
        else if (const Control* caption = CaptionOf(kForm1, control.name); control.traits.shows)
            say((caption ? std::string(caption->text) : std::string()) + shownText(control.name));
    }
    return spoken;
}

} // namespace morvane::forms
