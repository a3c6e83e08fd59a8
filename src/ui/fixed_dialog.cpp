#include "fixed_dialog.h"

#include "classic_font.h"
#include "window_palette.h"

#include <QKeyEvent>
#include <QPushButton>

FixedDialog::FixedDialog(const QString& title, QSize clientSize)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose);
    setWindowTitle(title);
    setFixedSize(clientSize);
    setFont(ClassicFont());
    setPalette(WindowPalette());
    setAutoFillBackground(true);
}

QPushButton* FixedDialog::addOkayButton(QRect geometry)
{
    auto* okay = new QPushButton(QStringLiteral("O&kay"), this);
    okay->setObjectName(QStringLiteral("Command1"));
    okay->setGeometry(geometry);
    okay->setPalette(WindowPalette());
    okay->setFocus();
    return okay;
}

void FixedDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
