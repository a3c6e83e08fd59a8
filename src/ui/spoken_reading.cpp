#include "spoken_reading.h"

#include "form1_layout.h"

#include <algorithm>

namespace {

const LabelLayout& Layout(int number)
{
    return *std::ranges::find(kLabelLayouts, number, &LabelLayout::number);
}

} // namespace

std::string SpokenReading(const std::function<std::string(int labelNumber)>& shownText)
{
    // Sentences, so that a speech synthesizer pauses between rows; a value label's text
    // brings its own leading blank.
    std::string spoken;
    const auto say = [&spoken](const std::string& sentence) {
        if (!spoken.empty())
            spoken += sentence.starts_with(' ') ? "." : ". ";
        spoken += sentence;
    };
    const auto sayRowsIn = [&](LabelContainer container) {
        for (const CaptionedValue& row : kCaptionedValues) {
            if (Layout(row.value).container == container)
                say(Layout(row.caption).caption + shownText(row.value));
        }
    };

    sayRowsIn(LabelContainer::Window);
    for (const FrameLayout& frame : kFrameLayouts) {
        say(frame.caption);
        sayRowsIn(frame.container);
    }
    say(shownText(kTipLabel));
    return spoken;
}
