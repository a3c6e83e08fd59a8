#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include <string_view>

// One of the program's own PNG pictures (":/pictures/<name>"), read by Qt's built-in PNG
// reader without asking the image-format plugins first: asking them loads each plugin
// library at start-up only to hear that none reads PNG.
QPixmap LoadPicture(const char* name);

// A picture for a screen of the given device pixel ratio: "<name>.png", and on a scaled
// screen its drawing at twice the size, "<name>@2x.png", as well; Qt draws whichever
// suits the screen the window is on.
QIcon ScalablePicture(std::string_view name, qreal devicePixelRatio);

// The web link's pointing hand, drawn for the given device pixel ratio. Its hot spot is
// the picture's top-left corner at every size.
QCursor HandCursor(qreal devicePixelRatio);
