#include "reading_sheet.h"

#include "placeholders.h"
#include "release_facts.h"

#include <algorithm>

namespace morvane::forms {
namespace {

constexpr double kMargin = 56;
constexpr double kRow = 20; // from one row to the next
constexpr double kTextSize = 12;
constexpr double kValueIndent = 120; // a value's start after its caption's
constexpr double kCompassScale = 0.85;

// How wide a text is drawn at the size, as good as needs be to break lines: Chinese
// characters a full size wide, any other no wider than 0.6 of it.
double EstimatedWidth(std::string_view text, double size)
{
    double width = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if ((byte & 0xC0) != 0x80)
            width += byte >= 0xE2 ? size : 0.6 * size; // from U+2000: punctuation, CJK
    }
    return width;
}

// The text in lines that fit the width: broken at blanks, or between any two Chinese
// characters but before the punctuation that closes a phrase.
std::vector<std::string> Wrapped(std::string_view text, double size, double width)
{
    std::vector<std::string> lines{""};
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = [&](std::size_t where) { return static_cast<unsigned char>(text[where]); };
        std::size_t end = at + 1;
        if (byte(at) >= 0xE3) { // a Chinese character
            while (end < text.size() && (byte(end) & 0xC0) == 0x80)
                ++end;
        } else { // a word, to its blank or to Chinese
            while (end < text.size() && text[end] != ' ' && byte(end) < 0xE3)
                ++end;
        }
        const std::string_view piece = text.substr(at, end - at);
        const bool closes = piece == "\uff0c" || piece == "\u3002" || piece == "\u3001" || piece == "\uff1a";
        if (!lines.back().empty() && !closes && EstimatedWidth(lines.back() + std::string(piece), size) > width)
            lines.emplace_back(piece.starts_with(' ') ? piece.substr(1) : piece);
        else
            lines.back() += piece;
        at = end;
    }
    return lines;
}

void Write(Drawing& sheet, Point at, std::string text, double size = kTextSize, bool bold = false)
{
    sheet.shapes.push_back(Text{at, std::move(text), size, Anchor::Start, bold});
}

// A caption and its value, or a frame's title, as a row of the sheet.
void WriteRow(Drawing& sheet, const ReadingRow& row, double left, double top, double indent = kValueIndent)
{
    if (row.heading)
        return Write(sheet, {left, top}, row.caption, kTextSize + 1, true);
    Write(sheet, {left, top}, row.caption);
    Write(sheet, {left + indent, top}, std::string(row.value.starts_with(' ') ? row.value.substr(1) : row.value));
}

// The drawing's shapes, made smaller by the scale and moved to the point.
void Place(Drawing& sheet, const Drawing& drawing, Point at, double scale)
{
    const auto placed = [&](Point point) { return Point{at.x + point.x * scale, at.y + point.y * scale}; };
    for (Shape shape : drawing.shapes) {
        if (auto* polygon = std::get_if<Polygon>(&shape)) {
            std::ranges::transform(polygon->points, polygon->points.begin(), placed);
        } else if (auto* circle = std::get_if<Circle>(&shape)) {
            circle->centre = placed(circle->centre);
            circle->radius *= scale;
        } else if (auto* line = std::get_if<Line>(&shape)) {
            line->from = placed(line->from);
            line->to = placed(line->to);
        } else {
            auto& text = std::get<Text>(shape);
            text.at = placed(text.at);
            text.size *= scale;
        }
        sheet.shapes.push_back(std::move(shape));
    }
}

} // namespace

Drawing ReadingSheet(const std::vector<ReadingRow>& rows, const SheetFacts& facts, const Drawing& compass,
                     double width, double height, const Localized& localized)
{
    Drawing sheet{width, height, {}};
    double top = kMargin;
    Write(sheet, {kMargin, top}, WithReleaseFacts("{product}"), 24, true);
    top += 28;
    const std::string version = Filled(localized.text(kVersionLine), {{"{version}", kVersionText}});
    Write(sheet, {kMargin, top}, version, 11);
    Write(sheet, {kMargin + EstimatedWidth(version, 11) + 16, top}, std::string(kMakerWebAddress), 11);
    Write(sheet, {width - kMargin, top}, Filled(localized.text(kPrintedLine), {{"{date}", facts.date}}), 11);
    std::get<Text>(sheet.shapes.back()).anchor = Anchor::End;
    top += 16;
    sheet.shapes.push_back(Line{{kMargin, top}, {width - kMargin, top}});
    top += 24;
    for (const ReadingRow& input : facts.inputs) {
        WriteRow(sheet, input, kMargin, top, 300);
        top += kRow;
    }
    top += kRow;

    // The window's own rows in the first column, its frames' in the second; its last frame,
    // the tips, under the compass, as wide as the page.
    const auto lastFrame = std::find_if(rows.rbegin(), rows.rend(), [](const ReadingRow& row) { return row.heading; });
    const std::string_view last = lastFrame == rows.rend() ? "" : lastFrame->frame;
    const double column = width / 2 + 10;
    double left = top;
    double right = top;
    for (const ReadingRow& row : rows) {
        if (row.frame == last)
            continue;
        double& y = row.frame.empty() ? left : right;
        if (row.heading && y > top)
            y += kRow / 2; // between two frames
        WriteRow(sheet, row, row.frame.empty() ? kMargin : column, y);
        y += kRow;
    }
    top = std::max(left, right) + kRow / 2;
    Place(sheet, compass, {(width - compass.width * kCompassScale) / 2, top}, kCompassScale);
    top += compass.height * kCompassScale + kRow;
    for (const ReadingRow& row : rows) {
        if (row.frame != last)
            continue;
        if (row.heading) {
            WriteRow(sheet, row, kMargin, top);
            top += kRow;
            continue;
        }
        for (const std::string& line : Wrapped(row.value.substr(row.value.starts_with(' ') ? 1 : 0), kTextSize,
                                               width - 2 * kMargin)) {
            Write(sheet, {kMargin, top}, line);
            top += kRow - 2;
        }
    }
    return sheet;
}

std::string ReadingText(const std::vector<ReadingRow>& inputs, const std::vector<ReadingRow>& rows)
{
    std::string text;
    for (const std::vector<ReadingRow>* part : {&inputs, &rows}) {
        for (const ReadingRow& row : *part) {
            const std::string line = row.caption + row.value;
            text += (text.empty() ? "" : "\n") + line.substr(line.starts_with(' ') ? 1 : 0);
        }
    }
    return text;
}

} // namespace morvane::forms
