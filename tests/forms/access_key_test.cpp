// The access key of a caption, as Windows and Qt read its "&", and the caption as shown.
#include "access_key.h"

#include <gtest/gtest.h>

using namespace morvane::forms;

namespace {

TEST(AccessKey, ShouldReadTheMarkAsWindowsAndQtDo)
{
    struct Row {
        std::string_view caption;
        char key;
        std::size_t at;
        std::string_view shown;
    };
    constexpr Row kRows[] = {
        {"&Calculate", 'C', 0, "Calculate"},
        {"O&kay", 'K', 1, "Okay"},
        {"Label", '\0', 0, "Label"}, // no mark
        {"Banana&", '\0', 0, "Banana"}, // the mark last, with nothing to mark
        {"Fish && &Chips", 'C', 7, "Fish & Chips"}, // "&&" is one "&" shown
        {"&&", '\0', 0, "&"},
        {"Banan&a", 'A', 5, "Banana"}, // the marked letter also stands before it
        {"A&b&c", 'B', 1, "Abc"}, // only the first mark counts
        {"\u8ba1\u7b97(&C)", 'C', 7, "\u8ba1\u7b97(C)"}, // after two characters of three bytes each
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(AccessKeyOf(row.caption).key, row.key);
        EXPECT_EQ(AccessKeyOf(row.caption).at, row.at);
        EXPECT_EQ(ShownCaption(row.caption), row.shown);
    }
}

} // namespace
