#pragma once

#include "fixed_dialog.h"

// The message window " Oops . . ." that tells the user an input is wrong. O&kay closes it
// and does nothing else.
class Dialog1 : public FixedDialog {
    Q_OBJECT

public:
    Dialog1();

    void setMessage(const QString& message);
};
