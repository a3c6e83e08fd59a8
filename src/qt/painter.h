#pragma once

#include "drawing.h"
#include "language.h"

#include <QFont>
#include <QRectF>

class QPainter;

// The font of a text of a drawing, and the box it is drawn in.
QFont TextFont(const morvane::forms::Text& text, morvane::forms::Language language);
QRectF TextBox(const morvane::forms::Text& text, morvane::forms::Language language);

// Paints the drawing's shapes in their order, anti-aliased, with the palette's colours and
// its texts in the windows' typeface and the language's faces, one logical unit to the
// painter's pixel; on the screen and on a printer alike.
void Paint(QPainter& painter, const morvane::forms::Drawing& drawing, const morvane::forms::Palette& palette,
           morvane::forms::Language language);
