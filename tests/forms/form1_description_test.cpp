// The main window's result rows as its layout lines them up: in each column (the window,
// each frame) the captions stand at its left edge, one line high and 360 twips apart, and
// each value on its caption's line, all at one left; but the Kua number's value, in a
// larger font, which stands 120 twips higher and further right.
#include "form1_description.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace morvane::forms;

namespace {

TEST(Form1Description, ShouldLineTheResultRowsUp)
{
    std::map<std::string_view, std::vector<const Control*>> columns; // the captions of each container
    for (const Control& control : kForm1.controls) {
        if (const Control* caption = CaptionOf(kForm1, control.name); caption && control.traits.shows)
            columns[control.traits.container].push_back(caption);
    }
    for (const auto& [container, captions] : columns) {
        const int valueLeft = ControlNamed(kForm1, captions.back()->traits.names).place.left;
        for (std::size_t row = 0; row < captions.size(); ++row) {
            const Twips& caption = captions[row]->place;
            const Control& value = ControlNamed(kForm1, captions[row]->traits.names);
            const int kua = value.traits.shows == morvane::ReadingEntry::KuaNumber ? 120 : 0;
            SCOPED_TRACE(value.name);
            EXPECT_EQ(std::pair(caption.left, caption.height), std::pair(120, 255));
            EXPECT_EQ(caption.top, row == 0 ? caption.top : captions[row - 1]->place.top + 360);
            EXPECT_EQ(std::tuple(value.place.left, value.place.top, value.place.height),
                      std::tuple(valueLeft + kua, caption.top - kua, 255 + kua));
        }
    }
}

} // namespace
