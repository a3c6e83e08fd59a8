#include "fixed_dialog.h"

#include "dialog_descriptions.h"
#include "window_palette.h"

#include <QKeyEvent>
#include <QPushButton>

FixedDialog::FixedDialog(const morvane::forms::WindowDescription& description)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose);
    m_controls = BuildWindow(this, description);
    okayButton()->setPalette(WindowPalette());
    okayButton()->setFocus();
}

QPushButton* FixedDialog::okayButton() const
{
    return static_cast<QPushButton*>(m_controls.at(morvane::forms::kOkayButton));
}

void FixedDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
