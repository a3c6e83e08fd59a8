#include "compass.h"

#include "direction_table.h"
#include "form1_description.h"
#include "placeholders.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace morvane::forms {
namespace {

constexpr double kWidth = 384;
constexpr double kHeight = 420;
constexpr Point kCentre{192, 186};
constexpr double kOuter = 172; // the wheel's radius
constexpr double kHub = 52;
constexpr double kSector = 45; // degrees

std::string_view Trimmed(std::string_view text)
{
    while (text.starts_with(' '))
        text.remove_prefix(1);
    while (text.ends_with(' '))
        text.remove_suffix(1);
    return text;
}

// The star's name as the window words it: the caption of its label, without the colon
// that ends it.
std::string_view StarName(const Localized& localized, ReadingEntry entry)
{
    const WindowDescription& form1 = localized.window(kForm1);
    std::string_view caption = CaptionOf(form1, LabelShowing(form1, entry))->text;
    for (const std::string_view colon : {"\uff1a", ":"}) {
        if (caption.ends_with(colon))
            caption.remove_suffix(colon.size());
    }
    return Trimmed(caption);
}

// The star the reading shown puts in the direction, if any.
const Star* StarIn(const ShownReading& shown, std::string_view direction)
{
    const auto star = std::ranges::find_if(
        kStars, [&](const Star& placed) { return shown[static_cast<std::size_t>(placed.entry)] == direction; });
    return star == kStars.end() ? nullptr : &*star;
}

bool PlacesStars(const ShownReading& shown)
{
    return std::ranges::any_of(kDirections, [&](std::string_view direction) { return StarIn(shown, direction); });
}

// The point at the compass bearing (degrees clockwise from north) and the distance from
// the centre, as the picture is turned.
Point At(double bearing, double radius, Orientation orientation)
{
    const double turned = (bearing + (orientation == Orientation::SouthUp ? 180 : 0)) * std::numbers::pi / 180;
    return {kCentre.x + radius * std::sin(turned), kCentre.y - radius * std::cos(turned)};
}

Polygon Sector(double bearing, Ink fill, Orientation orientation)
{
    constexpr int kSteps = 9; // short sides to an arc
    Polygon sector{{}, fill};
    for (int step = 0; step <= kSteps; ++step)
        sector.points.push_back(At(bearing - kSector / 2 + step * kSector / kSteps, kOuter, orientation));
    for (int step = kSteps; step >= 0; --step)
        sector.points.push_back(At(bearing - kSector / 2 + step * kSector / kSteps, kHub, orientation));
    return sector;
}

// A sector's words, one above the other around the middle of the sector: its direction
// (a cardinal point larger), where the reading puts a star its name, in two lines where
// it names two things ("Romance/" "Love"), and its mark.
void AddSectorWords(Drawing& drawing, std::string_view direction, const Star* star, double bearing,
                    Orientation orientation, const Localized& localized)
{
    const bool cardinal = static_cast<int>(bearing) % 90 == 0;
    std::vector<Text> words{{{}, std::string(Trimmed(localized.text(direction))), cardinal ? 17.0 : 13.0,
                             Anchor::Middle, cardinal}};
    if (star) {
        const std::string_view name = StarName(localized, star->entry);
        const std::size_t slash = name.find('/');
        words.push_back({{}, std::string(name.substr(0, slash == std::string_view::npos ? slash : slash + 1)), 13});
        if (slash != std::string_view::npos)
            words.push_back({{}, std::string(name.substr(slash + 1)), 13});
        words.push_back({{}, std::string(localized.text(star->good ? kGoodMark : kBadMark)), 15, Anchor::Middle, true});
    }
    constexpr double kStep = 17;
    const Point middle = At(bearing, 112, orientation);
    double y = middle.y - kStep * static_cast<double>(words.size() - 1) / 2;
    for (Text& word : words) {
        word.at = {middle.x, y};
        y += kStep;
        drawing.shapes.push_back(std::move(word));
    }
}

// The hub: the Kua number, the trigram and the group, as the labels show them.
void AddHub(Drawing& drawing, const ShownReading& shown, const Localized& localized)
{
    const std::string_view kua = Trimmed(shown[static_cast<std::size_t>(ReadingEntry::KuaNumber)]);
    const std::string_view group = Trimmed(localized.text(shown[static_cast<std::size_t>(ReadingEntry::Group)]));
    const bool east = kua == "1" || kua == "3" || kua == "4" || kua == "9";
    const bool west = kua == "2" || kua == "6" || kua == "7" || kua == "8";
    if (!kua.empty())
        drawing.shapes.push_back(Text{{kCentre.x, kCentre.y - 16}, std::string(kua), 28, Anchor::Middle, true});
    if (!group.empty())
        drawing.shapes.push_back(Text{{kCentre.x, kCentre.y + 12}, std::string(group), 12});
    if (east || west)
        drawing.shapes.push_back(
            Text{{kCentre.x, kCentre.y + 28}, std::string(localized.text(east ? kEastGroup : kWestGroup)), 11});
}

} // namespace

Drawing CompassDrawing(const ShownReading& shown, Orientation orientation, const Localized& localized)
{
    Drawing drawing{kWidth, kHeight, {}};
    for (std::size_t sector = 0; sector < kDirections.size(); ++sector) {
        const Star* star = StarIn(shown, kDirections[sector]);
        const Ink tint = !star ? Ink::Plain : star->good ? Ink::Good : Ink::Bad;
        drawing.shapes.push_back(Sector(kSector * static_cast<double>(sector), tint, orientation));
    }
    for (std::size_t sector = 0; sector < kDirections.size(); ++sector) {
        const double edge = kSector * (static_cast<double>(sector) - 0.5);
        drawing.shapes.push_back(Line{At(edge, kHub, orientation), At(edge, kOuter, orientation)});
    }
    drawing.shapes.push_back(Circle{kCentre, kOuter, Ink::None, Ink::Line});
    drawing.shapes.push_back(Circle{kCentre, kHub, Ink::Ground, Ink::Line});
    for (std::size_t sector = 0; sector < kDirections.size(); ++sector) {
        AddSectorWords(drawing, kDirections[sector], StarIn(shown, kDirections[sector]),
                       kSector * static_cast<double>(sector), orientation, localized);
    }
    AddHub(drawing, shown, localized);
    if (!PlacesStars(shown))
        drawing.shapes.push_back(Text{{kCentre.x, 382}, std::string(localized.text(kCompassEmpty)), 12});
    const std::string_view up = orientation == Orientation::NorthUp ? kNorthAtTheTop : kSouthAtTheTop;
    drawing.shapes.push_back(Text{{kCentre.x, 404}, std::string(localized.text(up)), 13});
    return drawing;
}

std::vector<std::string> CompassLines(const ShownReading& shown, const Localized& localized)
{
    if (!PlacesStars(shown))
        return {std::string(localized.text(kCompassEmpty))};
    std::vector<std::string> lines;
    for (const std::string_view direction : kDirections) {
        const Star* star = StarIn(shown, direction);
        const std::string_view word = Trimmed(localized.text(direction));
        if (!star) {
            lines.emplace_back(word);
            continue;
        }
        lines.push_back(Filled(localized.text(kCompassLine), {{"{direction}", word},
                                                              {"{star}", StarName(localized, star->entry)},
                                                              {"{meaning}", localized.text(star->meaning)},
                                                              {"{verdict}", localized.text(star->good ? kGood : kBad)}}));
    }
    return lines;
}

} // namespace morvane::forms
