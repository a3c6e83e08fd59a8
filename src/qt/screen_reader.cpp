#include "screen_reader.h"

#include "window.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface* InterfaceFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1StringView("Window")) {
        const bool isMain = static_cast<Window*>(widget)->description().kind == morvane::forms::WindowKind::Main;
        return new QAccessibleWidget(widget, isMain ? QAccessible::Window : QAccessible::Dialog);
    }
    if (className == QLatin1StringView("ScreenReader"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1StringView("Canvas"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

ScreenReader::ScreenReader(QWidget* mainWindow)
    : QWidget(mainWindow)
{
    setFixedSize(0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

// Hidden and shown again, so that each text is a fresh notification, even a repeated one;
// with no screen reader listening there is no one to tell.
void ScreenReader::announce(const QString& text)
{
    if (!QAccessible::isActive())
        return;
    hide();
    setAccessibleName(text);
    show();
}

void InstallAccessibleInterfaces()
{
    QAccessible::installFactory(InterfaceFor); // Qt keeps each factory once
}
