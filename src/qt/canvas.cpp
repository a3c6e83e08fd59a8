#include "canvas.h"

#include "painter.h"

#include <QPainter>

Canvas::Canvas(morvane::forms::Language language, QWidget* parent)
    : QWidget(parent)
    , m_language(language)
{
    setFocusPolicy(Qt::NoFocus);
}

void Canvas::setDrawing(morvane::forms::Drawing drawing)
{
    m_drawing = std::move(drawing);
    update();
}

void Canvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, m_drawing, morvane::forms::kScreenPalette, m_language);
}
