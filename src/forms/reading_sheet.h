#pragma once

// The reading kept: as a printed page, and as text for the clipboard.
#include "drawing.h"
#include "localized.h"
#include "reading_rows.h"

#include <string>
#include <vector>

namespace morvane::forms {

// What a printed sheet says beside the reading: the two inputs, each its caption and what
// the box shows, and the day it is printed (2026-12-08).
struct SheetFacts {
    std::vector<ReadingRow> inputs;
    std::string date;
};

// Page sizes in logical units (pixels at 96 dpi), for the page a browser prints on.
inline constexpr double kA4Width = 793.7;
inline constexpr double kA4Height = 1122.5;

inline constexpr std::string_view kVersionLine = "Version {version}";
inline constexpr std::string_view kPrintedLine = "Printed {date}";

// One page, in the paper palette, of the width and height in logical units: the product's
// name, version and web address and the date; the inputs; every caption and value as the
// window shows them, grouped as the window groups them, the general results in one column
// and each frame's under its title in another; the compass, made smaller; and last the
// tip under its frame's title, in as many lines as it needs.
Drawing ReadingSheet(const std::vector<ReadingRow>& rows, const SheetFacts& facts, const Drawing& compass,
                     double width, double height, const Localized& localized);

// The inputs and the reading as text, one row a line: a caption and its value, or a
// frame's title.
std::string ReadingText(const std::vector<ReadingRow>& inputs, const std::vector<ReadingRow>& rows);

} // namespace morvane::forms
