#include "window.h"

#include "canvas.h"
#include "window_menu.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

using namespace morvane::forms;

Window::Window(const WindowDescription& description, Program& program)
    : m_description(description)
    , m_program(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_controls = Render(this, description, program.localized().language());
    for (const Control& control : description.controls) {
        QWidget* widget = m_controls.at(control.name);
        if (control.kind == ControlKind::Button || control.kind == ControlKind::Option)
            connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    [this, name = control.name] { m_program.pressed(m_description, name); });
        else if (control.kind == ControlKind::Link)
            widget->installEventFilter(this);
    }
    for (const MenuItem& item : description.menu) {
        auto* action = new QAction(FromUtf8(item.text), this);
        action->setShortcut(QKeySequence(FromUtf8(ShortcutText(item.shortcut)), QKeySequence::PortableText));
        connect(action, &QAction::triggered, this, [this, command = item.command] { m_program.commanded(m_description, command); });
        addAction(action);
        m_menu.append(action);
    }
}

std::string Window::text(std::string_view control) const
{
    const QWidget* widget = m_controls.at(control);
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText().toStdString();
    if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        QStringList lines;
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines.join('\n').toStdString();
    }
    return widget->property("text").toString().toStdString();
}

void Window::setText(std::string_view control, std::string_view text)
{
    QWidget* widget = m_controls.at(control);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(-1);
        combo->setEditText(FromUtf8(text));
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        list->clear();
        list->addItems(FromUtf8(text).split('\n'));
    } else {
        widget->setProperty("text", FromUtf8(text));
    }
}

void Window::setDrawing(std::string_view control, const Drawing& drawing)
{
    static_cast<Canvas*>(m_controls.at(control))->setDrawing(drawing);
}

void Window::activate()
{
    if (isMinimized() || isActiveWindow())
        return;
    show();
    raise();
    activateWindow();
}

// Hidden first, so that the activation the program hands on lands where it says.
void Window::closeEvent(QCloseEvent* event)
{
    event->accept();
    hide();
    m_program.closed(m_description);
}

void Window::showMenu(const QPoint& at)
{
    if (m_menu.isEmpty())
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(m_menu);
    menu->popup(at);
}

// The window's menu under the pointer, or, asked for from the keyboard (the menu key, as
// the window system reports it, or Shift+F10), under the focused control.
void Window::contextMenuEvent(QContextMenuEvent* event)
{
    const QWidget* focused = focusWidget();
    const bool fromKeys = event->reason() == QContextMenuEvent::Keyboard && focused;
    showMenu(fromKeys ? focused->mapToGlobal(QPoint(0, focused->height())) : event->globalPos());
}

void Window::keyPressEvent(QKeyEvent* event)
{
    const QWidget* focused = focusWidget();
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        m_program.cancelled(m_description);
    else if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier && focused)
        showMenu(focused->mapToGlobal(QPoint(0, focused->height())));
    else
        QWidget::keyPressEvent(event);
}

// A link answers a click released over it.
bool Window::eventFilter(QObject* watched, QEvent* event)
{
    const auto* link = qobject_cast<QWidget*>(watched);
    if (link && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint()))
            m_program.pressed(m_description, ControlNamed(m_description, link->objectName().toStdString()).name);
    }
    return QWidget::eventFilter(watched, event);
}
