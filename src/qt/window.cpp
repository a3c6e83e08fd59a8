#include "window.h"

#include <QCloseEvent>
#include <QComboBox>
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
        if (control.kind == ControlKind::Button)
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    [this, name = control.name] { m_program.pressed(m_description, name); });
        else if (control.kind == ControlKind::Link)
            widget->installEventFilter(this);
    }
}

std::string Window::text(std::string_view control) const
{
    const QWidget* widget = m_controls.at(control);
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText().toStdString();
    return widget->property("text").toString().toStdString();
}

void Window::setText(std::string_view control, std::string_view text)
{
    QWidget* widget = m_controls.at(control);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(-1);
        combo->setEditText(FromUtf8(text));
        return;
    }
    widget->setProperty("text", FromUtf8(text));
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
