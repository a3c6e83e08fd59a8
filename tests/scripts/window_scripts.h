#pragma once

// The scripts that drive the program's windows as a person does, on every front end: one
// table of behaviour, played by a driver per front end (tests/null, tests/qt, tests/win32).
// A script that passes on one front end and fails on another is a fault.
//
// A step is a verb and its argument; quotes around a text keep its blanks visible. A step
// on a window that is not open does nothing.
//   year 81 / sex Male     select all in the year box or the sex box and type this instead
//   paste 1979             paste into the control that has the focus
//   key Alt+C              a key to the focused control of the active window
//   click Command1         a click on a control of the main window (Label40 is the web link)
//   okay Dialog1           a click on O&kay of a dialog; close Dialog: its close button
//   activate Form1         give a window the activation; leave: switch to another program and back
//   move                   drag the main window into the screen's top-left corner
//   expect Label18 " 1"    or Text1, Combo1, focus <control>, active <window>, open <dialog>
//                          ["message"], closed <window>, opened <end of the address> (a page
//                          opened is a file that exists; none is in the current folder),
//                          centred (the main window on the screen), centred <dialog> (on the main window),
//                          running (the program runs, and goes on running a while), ended,
//                          reading "<Label18>|...|<Label32>|<Label34>|<Label36>|<Label38>|<Label39>",
//                          spoken "<text>": what screen readers were told since the last such check
//                          (spoken "": nothing)
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

struct Script {
    std::string name;
    std::vector<std::string> steps;
};

// The scripts, their placeholders filled in.
std::vector<Script> WindowScripts();

// A script as test frameworks name a case of it: its name with every character but
// letters and digits made '_'; and as GoogleTest prints it, by its name.
std::string Identifier(const Script& script);
void PrintTo(const Script& script, std::ostream* out);

struct Step {
    std::string verb;
    std::string argument; // without the quotes that keep its blanks
};

Step ParseStep(std::string_view step);

// The value labels in the order the "reading" check lists them.
inline constexpr std::string_view kReadingOrder[] = {
    "Label18", "Label19", "Label20", "Label21", "Label22", "Label23", "Label24", "Label25", "Label26", "Label27",
    "Label28", "Label29", "Label30", "Label31", "Label32", "Label34", "Label36", "Label38", "Label39"};
