#include "printer.h"

#include "painter.h"
#include "release_facts.h"
#include "text.h"

void DrawSheet(HDC dc, const SheetMaker& sheet, morvane::forms::Language language, int dpi, SIZE page, POINT origin)
{
    const double scale = dpi / 96.0;
    Paint(dc, sheet(page.cx / scale, page.cy / scale), morvane::forms::kPaperPalette, language, scale, origin);
}

void PrintSheet(HDC printer, const SheetMaker& sheet, morvane::forms::Language language)
{
    const std::wstring name = Wide(morvane::forms::kProductName);
    const DOCINFOW document{sizeof document, name.c_str(), nullptr, nullptr, 0};
    if (StartDocW(printer, &document) <= 0)
        return;
    StartPage(printer);
    DrawSheet(printer, sheet, language, GetDeviceCaps(printer, LOGPIXELSX),
              {GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT)},
              {-GetDeviceCaps(printer, PHYSICALOFFSETX), -GetDeviceCaps(printer, PHYSICALOFFSETY)});
    EndPage(printer);
    EndDoc(printer);
}
