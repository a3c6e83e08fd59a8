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
    const auto sayRowsIn = [&](std::string_view container) {
        for (const CaptionOf& row : kForm1Captions) {
            const Control& value = ControlNamed(kForm1, row.control);
            if (value.kind == ControlKind::Label && value.container == container)
                say(std::string(ControlNamed(kForm1, row.caption).text) + shownText(value.name));
        }
    };

    sayRowsIn({});
    for (const Control& frame : kForm1Controls) {
        if (frame.kind == ControlKind::Frame) {
            say(frame.text);
            sayRowsIn(frame.name);
        }
    }
    say(shownText(kTipLabel));
    return spoken;
}

} // namespace morvane::forms
