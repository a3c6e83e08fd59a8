#include "announcement.h"

Announcement::Announcement(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Announcement"));
    setFixedSize(0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

// Hidden and shown again, so that each text is a fresh notification, even a repeated one.
void Announcement::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}
