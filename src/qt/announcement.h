#pragma once

#include <QWidget>

// Tells screen readers a text without moving the focus, as a status message: a child that
// draws nothing, presented to them as a notification and shown anew with each text. Orca
// speaks a notification as it is shown, the design it has for messages such as "download
// finished". Qt 6.8 brings QAccessibleAnnouncementEvent for this; announce() is the one
// place that would change.
class Announcement : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget* parent);

    void announce(const QString& text);
};
