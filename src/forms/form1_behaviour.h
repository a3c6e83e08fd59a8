#pragma once

#include "form1_view.h"

namespace morvane::forms {

// What the main window does, on any platform: Calculate, Reset, and the default tip on
// activation. The window's controls hold everything shown; this keeps only which of the
// program's windows was active last.
class Form1Behaviour {
public:
    explicit Form1Behaviour(Form1View& view);

    // Reads the inputs and writes the reading into the value labels and tells screen
    // readers of it; or, for a wrong input, moves the focus to it and shows the message.
    void calculate();
    // Empties the inputs and the values, puts the default tip back and the focus in the
    // year box.
    void reset();
    // Each activation of one of the program's windows. Form1's puts the default tip in
    // place when it follows start-up or one of the program's own dialogs; a return from
    // another application, which front ends do not report, puts back nothing.
    void windowActivated(bool isForm1);

private:
    Form1View& m_view;
    bool m_form1WasActive = false;
};

} // namespace morvane::forms
