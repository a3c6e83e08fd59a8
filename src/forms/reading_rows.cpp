#include "reading_rows.h"

namespace morvane::forms {

std::vector<ReadingRow> ReadingRows(const WindowDescription& form1,
                                    const std::function<std::string(std::string_view control)>& shownText)
{
    std::vector<ReadingRow> rows;
    for (const Control& control : form1.controls) {
        if (control.kind == ControlKind::Frame) {
            rows.push_back({control.text, std::string(control.text), {}, true});
        } else if (control.traits.shows) {
            const Control* caption = CaptionOf(form1, control.name);
            const std::string_view frame =
                control.traits.container.empty() ? std::string_view() : ControlNamed(form1, control.traits.container).text;
            rows.push_back({frame, caption ? std::string(caption->text) : std::string(), shownText(control.name)});
        }
    }
    return rows;
}

} // namespace morvane::forms
