#include "dialog1.h"

#include "twips.h"

#include <QLabel>
#include <QPushButton>

Dialog1::Dialog1()
    : FixedDialog(QStringLiteral(" Oops . . ."), TwipsRect(0, 0, 3345, 1545).size())
{
    setObjectName(QStringLiteral("Dialog1"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipsRect(120, 120, 3135, 735));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);

    connect(addOkayButton(TwipsRect(1080, 1080, 1215, 375)), &QPushButton::clicked, this, &QWidget::close);
}

void Dialog1::setMessage(const QString& message)
{
    Label1->setText(message);
}
