#pragma once

// What the module asks of the page's script: the script's functions that the module
// imports (module "page"). Windows are named by their place in the program's list of
// windows and controls by their place in their window's description; texts are UTF-8.
#include <cstddef>

#define MORVANE_PAGE_IMPORT(name) __attribute__((import_module("page"), import_name(#name)))

extern "C" {
// Makes the window from its description, to be shown centred on the window `around`, or
// on the page for -1; activate shows it.
MORVANE_PAGE_IMPORT(open) void PageOpen(int window, int around);
MORVANE_PAGE_IMPORT(activate) void PageActivate(int window);
MORVANE_PAGE_IMPORT(close) void PageClose(int window);
// Copies as much of the control's text as fits into the buffer; returns its whole length.
MORVANE_PAGE_IMPORT(text) std::size_t PageText(int window, int control, char* buffer, std::size_t capacity);
MORVANE_PAGE_IMPORT(setText) void PageSetText(int window, int control, const char* text, std::size_t length);
MORVANE_PAGE_IMPORT(moveFocus) void PageMoveFocus(int window, int control);
MORVANE_PAGE_IMPORT(openAddress) void PageOpenAddress(const char* address, std::size_t length);
MORVANE_PAGE_IMPORT(openPage) void PageOpenPage(const char* fileName, std::size_t length);
MORVANE_PAGE_IMPORT(announce) void PageAnnounce(const char* text, std::size_t length);
MORVANE_PAGE_IMPORT(decimalSeparator) std::size_t PageDecimalSeparator(char* buffer, std::size_t capacity);
MORVANE_PAGE_IMPORT(quit) void PageQuit();
// A window's box in the page, and the page's, as left, top, width and height in CSS
// pixels; a window moved to a place in the page.
MORVANE_PAGE_IMPORT(box) void PageBox(int window, int* box);
MORVANE_PAGE_IMPORT(desktopBox) void PageDesktopBox(int* box);
MORVANE_PAGE_IMPORT(move) void PageMove(int window, int left, int top);
// Prints the page's sheet; puts a text on the clipboard; hands a text to the system's
// share sheet (with the compass as a picture where it can take one), or else copies it;
// today's date where the person is (2026-12-08).
MORVANE_PAGE_IMPORT(print) void PagePrint();
MORVANE_PAGE_IMPORT(copy) void PageCopy(const char* text, std::size_t length);
MORVANE_PAGE_IMPORT(share) void PageShare(const char* text, std::size_t length);
MORVANE_PAGE_IMPORT(today) std::size_t PageToday(char* buffer, std::size_t capacity);
// A drawing made anew in a control (window and control -1: the page's printed sheet), of a
// size in logical units, then its shapes in their order; inks by their place in the roles
// of colour (drawing.h).
MORVANE_PAGE_IMPORT(beginDrawing) void PageBeginDrawing(int window, int control, double width, double height);
MORVANE_PAGE_IMPORT(polygon) void PagePolygon(const double* points, std::size_t count, int fill, int outline);
MORVANE_PAGE_IMPORT(circle) void PageCircle(double x, double y, double radius, int fill, int outline);
MORVANE_PAGE_IMPORT(line) void PageLine(double x1, double y1, double x2, double y2, int ink);
MORVANE_PAGE_IMPORT(drawText) void PageDrawText(double x, double y, double size, int anchor, int bold, int ink,
                                            const char* text, std::size_t length);
}
