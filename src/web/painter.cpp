#include "painter.h"

#include "page.h"

#include <vector>

using namespace morvane::forms;

void Paint(int window, int control, const Drawing& drawing)
{
    const auto ink = [](Ink role) { return static_cast<int>(role); };
    PageBeginDrawing(window, control, drawing.width, drawing.height);
    for (const Shape& shape : drawing.shapes) {
        if (const auto* polygon = std::get_if<Polygon>(&shape)) {
            std::vector<double> points;
            for (const Point& point : polygon->points)
                points.insert(points.end(), {point.x, point.y});
            PagePolygon(points.data(), polygon->points.size(), ink(polygon->fill), ink(polygon->outline));
        } else if (const auto* circle = std::get_if<Circle>(&shape)) {
            PageCircle(circle->centre.x, circle->centre.y, circle->radius, ink(circle->fill), ink(circle->outline));
        } else if (const auto* line = std::get_if<Line>(&shape)) {
            PageLine(line->from.x, line->from.y, line->to.x, line->to.y, ink(line->ink));
        } else {
            const auto& text = std::get<Text>(shape);
            PageDrawText(text.at.x, text.at.y, text.size, static_cast<int>(text.anchor), text.bold, ink(text.ink),
                         text.text.data(), text.text.size());
        }
    }
}
