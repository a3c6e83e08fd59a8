#pragma once

#include <QDialog>

class QPushButton;

// What the program's two dialogs share: a white, fixed-size frame with only a close
// button and no task-bar button, shown modeless and without an owner, that deletes itself
// when closed and keeps the program running while it is open. Esc does nothing; Enter and
// Space press the focused button.
class FixedDialog : public QDialog {
    Q_OBJECT

public:
    FixedDialog(const QString& title, QSize clientSize);

protected:
    // The dialog's O&kay button ("Command1"), focused, in the dialog's palette.
    QPushButton* addOkayButton(QRect geometry);

    void keyPressEvent(QKeyEvent* event) override;
};
