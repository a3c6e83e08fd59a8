#include "dialog.h"

#include "dialog_descriptions.h"

#include <QPushButton>

Dialog::Dialog()
    : FixedDialog(morvane::forms::kDialog)
{
    connect(okayButton(), &QPushButton::clicked, this, [this] {
        emit okayPressed();
        close();
    });
}
