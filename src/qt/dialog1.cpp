#include "dialog1.h"

#include "dialog_descriptions.h"

#include <QLabel>
#include <QPushButton>

Dialog1::Dialog1()
    : FixedDialog(morvane::forms::kDialog1)
{
    connect(okayButton(), &QPushButton::clicked, this, &QWidget::close);
}

void Dialog1::setMessage(const QString& message)
{
    static_cast<QLabel*>(m_controls.at(morvane::forms::kMessageLabel))->setText(message);
}
