#pragma once

// The main window's reading as rows, in the order a sighted person reads them: each
// caption with the value beside it, each frame's title before its rows, and last the
// tips' frame and the tip; the values taken as the window shows them. What screen readers
// are told after a reading, the text copied and the printed sheet are made of them.
#include "window_description.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::forms {

// A caption and the value beside it, or a frame's title alone (its heading).
struct ReadingRow {
    std::string_view frame; // the title of the frame that holds it, or "" for the window
    std::string caption;
    std::string value; // as shown, its leading blank kept
    bool heading = false;
};

// `form1` is the main window in the person's language; `shownText` reads a control's text.
std::vector<ReadingRow> ReadingRows(const WindowDescription& form1,
                                    const std::function<std::string(std::string_view control)>& shownText);

} // namespace morvane::forms
