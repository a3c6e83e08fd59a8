#include "painter.h"

#include "fonts.h"
#include "renderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

using namespace morvane::forms;

namespace {

QColor Colour(const Palette& palette, Ink ink)
{
    const Rgb rgb = palette[ink];
    return {rgb.red, rgb.green, rgb.blue};
}

QPen Pen(const Palette& palette, Ink ink)
{
    return ink == Ink::None ? QPen(Qt::NoPen) : QPen(Colour(palette, ink), 1);
}

QBrush Brush(const Palette& palette, Ink ink)
{
    return ink == Ink::None ? QBrush(Qt::NoBrush) : QBrush(Colour(palette, ink));
}

void PaintText(QPainter& painter, const Text& text, const Palette& palette, Language language)
{
    painter.setFont(TextFont(text, language));
    painter.setPen(Colour(palette, text.ink));
    painter.drawText(TextBox(text, language), Qt::AlignCenter | Qt::TextSingleLine, FromUtf8(text.text));
}

} // namespace

QFont TextFont(const Text& text, Language language)
{
    QFont font = ClassicFont({}, language);
    font.setPixelSize(static_cast<int>(text.size + 0.5));
    font.setBold(text.bold);
    return font;
}

// Around its point: its start, middle or end there, its line's middle at its height.
QRectF TextBox(const Text& text, Language language)
{
    const QFontMetricsF metrics(TextFont(text, language));
    const double width = metrics.horizontalAdvance(FromUtf8(text.text));
    const double left = text.anchor == Anchor::Start ? text.at.x
        : text.anchor == Anchor::End                 ? text.at.x - width
                                                     : text.at.x - width / 2;
    return {left, text.at.y - metrics.height() / 2, width, metrics.height()};
}

void Paint(QPainter& painter, const Drawing& drawing, const Palette& palette, Language language)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, drawing.width, drawing.height), Colour(palette, Ink::Ground));
    for (const Shape& shape : drawing.shapes) {
        if (const auto* polygon = std::get_if<Polygon>(&shape)) {
            QPolygonF points;
            for (const Point& point : polygon->points)
                points << QPointF(point.x, point.y);
            painter.setPen(Pen(palette, polygon->outline));
            painter.setBrush(Brush(palette, polygon->fill));
            painter.drawPolygon(points);
        } else if (const auto* circle = std::get_if<Circle>(&shape)) {
            painter.setPen(Pen(palette, circle->outline));
            painter.setBrush(Brush(palette, circle->fill));
            painter.drawEllipse(QPointF(circle->centre.x, circle->centre.y), circle->radius, circle->radius);
        } else if (const auto* line = std::get_if<Line>(&shape)) {
            painter.setPen(Pen(palette, line->ink));
            painter.drawLine(QPointF(line->from.x, line->from.y), QPointF(line->to.x, line->to.y));
        } else {
            PaintText(painter, std::get<Text>(shape), palette, language);
        }
    }
    painter.restore();
}
