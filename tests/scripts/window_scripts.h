#pragma once

// The scripts that drive the program's windows as a person does, on every front end: one
// table of behaviour, played by the one player (script_player.h) through a driver for each
// front end (tests/null, tests/qt, tests/win32, tests/web). A script that passes on one
// front end and fails on another is a fault.
//
// A step is a verb and its argument; quotes around a text keep its blanks visible, and in
// it "\n" is a line break. A step on a window that is not open does nothing.
//   year 81 / sex Male     click the year box or the sex box, erase its text and type this
//   type Female            type at the caret of the focused control, selecting nothing first
//   paste 1979             paste into the control that has the focus
//   key Alt+C              a key to the focused control of the active window (also F2,
//                          Shift+F10, Menu for the context-menu key, Ctrl+P)
//   click Command1         a click on a control of the main window (Label40 is the web link),
//                          or of another: click Compass.Option2
//   rightclick Label3      a click with the other button, as click; choose Compass: the
//                          item of the program's context menu of that name, where it is open
//   okay Dialog1           a click on O&kay of a dialog; close Dialog: its close button
//   activate Form1         give a window the activation; leave: switch to another program and back
//   move                   drag the main window into the screen's top-left corner
//   expect Label18 " 1"    or Text1, Combo1, Dialog.Label3 (a control of another window; a
//                          list's lines end in "\n"), focus <control>, active <window>, open
//                          <window> ["message"], closed <window>, opened <end of the address>
//                          (a page opened exists; none is in the current folder), centred (the
//                          main window on the screen), centred <dialog> (on the main window),
//                          running (the program runs, and goes on running a while), ended,
//                          reading "<each value label, in the main window's order>|...",
//                          clipboard "<its text>",
//                          spoken "<text>": what screen readers were told since the last such
//                          check (spoken "": nothing)
#include "language.h"

#include <string>
#include <string_view>
#include <vector>

struct Script {
    std::string name;
    std::vector<std::string> steps;
    morvane::forms::Language language; // the person's
};

// The scripts, their placeholders filled in.
std::vector<Script> WindowScripts();

struct Step {
    std::string verb;
    std::string argument; // without the quotes that keep its blanks
};

Step ParseStep(std::string_view step);
