#pragma once

#include "script_player.h"

#include <memory>
#include <string>

// kestrin.exe started afresh as another program sees it, for the window scripts: driven
// with keys and clicks through Windows' input queue, its windows found by their titles and
// its controls by their identifiers, their texts, the focus and the active window read
// through the Win32 API, and what it asks the browser to open and tells screen readers
// recorded: the first through a recorder that stands in for the browser, the second from
// its live region's events.
std::unique_ptr<FrontEndDriver> StartKestrin(const std::wstring& program, const std::wstring& openRecorder);
