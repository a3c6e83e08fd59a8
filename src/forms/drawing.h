#pragma once

// The vocabulary in which the program's pictures are drawn once, for every toolkit and for
// paper: a few shapes in logical units (pixels at 96 dpi, y downwards), each with the role
// of its colour, which a palette turns into a colour for the screen or for paper.
#include "window_description.h"

#include <string>
#include <variant>
#include <vector>

namespace morvane::forms {

struct Point {
    double x;
    double y;
};

// What a colour is for; the palette says which colour that is.
enum class Ink { None, Ground, Good, Bad, Plain, Line, Text };

struct Palette {
    Rgb ground; // around and behind the picture
    Rgb good; // a good direction's sector
    Rgb bad; // a bad direction's sector
    Rgb plain; // a sector with no star
    Rgb line;
    Rgb text;

    constexpr Rgb operator[](Ink ink) const
    {
        switch (ink) {
        case Ink::Ground:
        case Ink::None:
            return ground;
        case Ink::Good:
            return good;
        case Ink::Bad:
            return bad;
        case Ink::Plain:
            return plain;
        case Ink::Line:
            return line;
        case Ink::Text:
            return text;
        }
        return ground;
    }
};

// On screen: a green and a red tint, black text on either at well over 4.5:1, on the
// windows' white.
inline constexpr Palette kScreenPalette{kWhite, {214, 240, 214}, {248, 214, 214}, {244, 244, 244}, {96, 96, 96},
                                        kBlack};
// On paper, printed in black alone as often as not: the tints as two greys far apart.
inline constexpr Palette kPaperPalette{kWhite, {242, 242, 242}, {196, 196, 196}, kWhite, {64, 64, 64}, kBlack};

// A filled shape with straight sides; an arc is drawn as many short ones.
struct Polygon {
    std::vector<Point> points;
    Ink fill;
    Ink outline = Ink::None;
};

struct Circle {
    Point centre;
    double radius;
    Ink fill;
    Ink outline = Ink::None;
};

struct Line {
    Point from;
    Point to;
    Ink ink = Ink::Line;
};

// Where a text stands by the point it is placed at: across, its start, middle or end;
// down, always the middle of its line.
enum class Anchor { Start, Middle, End };

// One line of text, in the windows' typeface (and the language's own faces), `size`
// pixels high.
struct Text {
    Point at;
    std::string text;
    double size;
    Anchor anchor = Anchor::Middle;
    bool bold = false;
    Ink ink = Ink::Text;
};

using Shape = std::variant<Polygon, Circle, Line, Text>;

// A picture: its size and its shapes, painted in their order, each over those before.
struct Drawing {
    double width = 0;
    double height = 0;
    std::vector<Shape> shapes;
};

} // namespace morvane::forms
