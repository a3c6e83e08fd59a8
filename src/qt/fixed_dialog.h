#pragma once

#include "controls.h"

#include <QDialog>

// What the program's two dialogs share: a white, fixed-size window, made from its
// description, with only a close button and no task-bar button, shown modeless and
// without an owner, that deletes itself when closed and keeps the program running while
// it is open. Its O&kay button has the focus; Esc does nothing; Enter and Space press
// the focused button.
class FixedDialog : public QDialog {
    Q_OBJECT

public:
    explicit FixedDialog(const morvane::forms::WindowDescription& description);

protected:
    void keyPressEvent(QKeyEvent* event) override;

    QPushButton* okayButton() const;

    Controls m_controls;
};
