#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// A label as every window of the program has them: plain text, left and top aligned,
// wrapped at word boundaries inside a fixed size that never grows; lines below its
// height are cut off.
QLabel* AddFixedLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry);
