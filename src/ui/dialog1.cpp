#include "dialog1.h"

#include "fixed_label.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

Dialog1::Dialog1()
    : FixedDialog(QStringLiteral(" Oops . . ."), TwipsRect(0, 0, 3345, 1545).size())
{
    setObjectName(QStringLiteral("Dialog1"));

    Label1 = AddFixedLabel(this, QStringLiteral("Label1"), QString(), TwipsRect(120, 120, 3135, 735));

    connect(addOkayButton(TwipsRect(1080, 1080, 1215, 375)), &QPushButton::clicked, this, &QWidget::close);
}

void Dialog1::setMessage(const QString& message)
{
    Label1->setText(message);
}
