#include "fixed_dialog.h"

#include "classic_font.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

// The palette of every dialog and of its button: the application's, on white. Each of
// its roles is set, so that Qt gives the dialog and the button this very palette rather
// than one derived anew for each dialog. The style keeps the buttons it draws in the
// pixmap cache under the palette's identity: with one identity, a new dialog's button is
// drawn from the cache, where fresh identities would fill it with pictures of dialogs
// that are gone.
const QPalette& DialogPalette()
{
    static const QPalette palette = [] {
        QPalette white = QGuiApplication::palette();
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto colorGroup = static_cast<QPalette::ColorGroup>(group);
                const auto colorRole = static_cast<QPalette::ColorRole>(role);
                white.setBrush(colorGroup, colorRole, white.brush(colorGroup, colorRole));
            }
        }
        white.setColor(QPalette::Window, Qt::white);
        return white;
    }();
    return palette;
}

} // namespace

FixedDialog::FixedDialog(const QString& title, QSize clientSize)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose);
    setWindowTitle(title);
    setFixedSize(clientSize);
    setFont(ClassicFont());
    setPalette(DialogPalette());
    setAutoFillBackground(true);
}

QPushButton* FixedDialog::addOkayButton(QRect geometry)
{
    auto* okay = new QPushButton(QStringLiteral("O&kay"), this);
    okay->setObjectName(QStringLiteral("Command1"));
    okay->setGeometry(geometry);
    okay->setPalette(DialogPalette());
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
