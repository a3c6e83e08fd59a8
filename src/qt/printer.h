#pragma once

#include "drawing.h"
#include "language.h"

#include <functional>

class QPrinter;

// Prints the sheet made for the printer's page (its size in logical units) on one page,
// in the paper's palette, from the paper's corner: the sheet keeps its own margins.
void PrintSheet(QPrinter& printer, const std::function<morvane::forms::Drawing(double width, double height)>& sheet,
                morvane::forms::Language language);
