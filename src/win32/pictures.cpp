#include "pictures.h"

#include "resource_ids.h"

void DrawBanner(const DRAWITEMSTRUCT& item, UINT dpi, const morvane::forms::ControlTraits& banner)
{
    const HBRUSH faceBrush = CreateSolidBrush(RGB(banner.face.red, banner.face.green, banner.face.blue));
    FillRect(item.hDC, &item.rcItem, faceBrush);
    DeleteObject(faceBrush);

    const bool scaled = dpi > USER_DEFAULT_SCREEN_DPI;
    auto* picture = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                    MAKEINTRESOURCEW(scaled ? IDB_BANNER_2X : IDB_BANNER), IMAGE_BITMAP,
                                                    0, 0, LR_CREATEDIBSECTION));
    if (!picture)
        return;
    BITMAP size{};
    GetObjectW(picture, sizeof size, &size);
    const int width = MulDiv(banner.picture.width, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    const int height = MulDiv(banner.picture.height, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    const int left = (item.rcItem.left + item.rcItem.right - width) / 2;
    const int top = (item.rcItem.top + item.rcItem.bottom - height) / 2;

    const HDC source = CreateCompatibleDC(item.hDC);
    const HGDIOBJ previous = SelectObject(source, picture);
    SetStretchBltMode(item.hDC, HALFTONE);
    StretchBlt(item.hDC, left, top, width, height, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(picture);
}

HCURSOR LoadHandCursor(UINT dpi)
{
    const int size = dpi < 144 ? 32 : 64;
    return static_cast<HCURSOR>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND), IMAGE_CURSOR, size, size, 0));
}
