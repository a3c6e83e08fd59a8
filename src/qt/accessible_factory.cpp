#include "accessible_factory.h"

#include "accessible_frame.h"

#include <QAccessibleWidget>
#include <QGroupBox>

namespace {

QAccessibleInterface* InterfaceFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1StringView("Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1StringView("Announcement"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1StringView("QGroupBox"))
        return new AccessibleFrame(static_cast<QGroupBox*>(widget));
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces()
{
    QAccessible::installFactory(InterfaceFor); // Qt keeps each factory once
}
