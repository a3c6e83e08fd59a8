#pragma once

#include <QPixmap>

// One of the program's own PNG pictures (":/pictures/<name>"), read by Qt's built-in PNG
// reader without asking the image-format plugins first: asking them loads each plugin
// library at start-up only to hear that none reads PNG.
QPixmap Picture(const char* name);
