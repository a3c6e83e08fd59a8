#pragma once

#include "fixed_dialog.h"

// The About window: product title, the maker's notice and the terms of use. O&kay first
// asks for the focus to go back to the main window's year box, then closes the dialog.
class Dialog : public FixedDialog {
    Q_OBJECT

public:
    Dialog();

signals:
    void okayPressed();
};
