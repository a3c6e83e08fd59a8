#pragma once

#include "script_player.h"

#include <memory>
#include <string>

// kestrin.exe started afresh as another program sees it, for the window scripts: driven
// with keys and clicks through Windows' input queue, its windows found by their titles and
// its controls by their identifiers, their texts, the focus and the active window read
// through the Win32 API. What it asks the browser to open is noted by this program, which
// stands in for the browser (RecordOpened), and what it tells screen readers is taken
// from its live region's events.
std::unique_ptr<FrontEndDriver> StartKestrin(const std::wstring& program);

// Notes what the browser was asked to open, in the file the driver names.
void RecordOpened(const char* pageOrAddress);
