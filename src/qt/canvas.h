#pragma once

#include "drawing.h"
#include "language.h"

#include <QWidget>

// A control that shows a drawing the program makes, in the screen's palette, and takes no
// focus; screen readers know it as a picture.
class Canvas : public QWidget {
public:
    Canvas(morvane::forms::Language language, QWidget* parent);

    void setDrawing(morvane::forms::Drawing drawing);
    const morvane::forms::Drawing& drawing() const { return m_drawing; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    morvane::forms::Language m_language;
    morvane::forms::Drawing m_drawing;
};
