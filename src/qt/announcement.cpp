#include "announcement.h"

#include <QAccessible>

Announcement::Announcement(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Announcement"));
    setFixedSize(0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

// Hidden and shown again, so that each text is a fresh notification, even a repeated one;
// with no screen reader listening there is no one to tell.
void Announcement::announce(const QString& text)
{
    if (!QAccessible::isActive())
        return;
    hide();
    setAccessibleName(text);
    show();
}
