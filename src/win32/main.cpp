#include "front_end.h"
#include "window.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

namespace {

// Runs the program until its last window has closed.
int RunWindows()
{
    FrontEnd frontEnd;
    frontEnd.start();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (HandleDialogKeys(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // for the screen readers' annotations
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const int status = RunWindows(); // its COM objects are gone before COM is
    CoUninitialize();
    return status;
}
