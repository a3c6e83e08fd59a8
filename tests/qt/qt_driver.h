#pragma once

#include "program.h"
#include "script_player.h"

#include <memory>
#include <string_view>

class QWidget;

// The Qt program started afresh, offscreen, in the language (under the locale that names
// it, C.UTF-8 for English), for the window scripts: driven with Qt's
// simulated keys and clicks, each inside the application's event loop as when the program
// runs, for Qt ends a program only from there; its windows and controls found by their
// names; what it asks the browser to open, tells screen readers and whether it asked to
// end, recorded.
std::unique_ptr<FrontEndDriver> StartQtProgram(morvane::forms::Language language);

// The shown window of that name, or none.
QWidget* OpenWindow(std::string_view name);

// The program the driver runs.
const morvane::forms::Program& ProgramOf(const FrontEndDriver& driver);
