#include "printer.h"

#include "painter.h"

#include <QPainter>
#include <QPrinter>

void PrintSheet(QPrinter& printer, const std::function<morvane::forms::Drawing(double width, double height)>& sheet,
                morvane::forms::Language language)
{
    printer.setFullPage(true);
    const double scale = printer.resolution() / 96.0;
    const QRectF page = printer.pageLayout().fullRectPixels(printer.resolution());
    QPainter painter(&printer);
    painter.scale(scale, scale);
    Paint(painter, sheet(page.width() / scale, page.height() / scale), morvane::forms::kPaperPalette, language);
}
