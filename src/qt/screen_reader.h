#pragma once

#include <QWidget>

// What screen readers are told beyond what the widgets say of themselves.
//
// Tells them a text without moving the focus, as a status message: a child of the main
// window that draws nothing, presented to them as a notification and shown anew with each
// text. Orca speaks a notification as it is shown, the design it has for messages such as
// "download finished". Qt 6.8 brings QAccessibleAnnouncementEvent for this; announce() is
// the one place that would change.
class ScreenReader : public QWidget {
    Q_OBJECT

public:
    explicit ScreenReader(QWidget* mainWindow);

    void announce(const QString& text);
};

// Lets screen readers see the windows as a person sees them where Qt's own view differs:
// the main window as a frame and the dialogs as dialogs (Qt calls a plain top-level widget
// a filler, so Orca's title-bar command finds no title), and the announcement as a
// notification. Call before the first window is made; calling again changes nothing.
void InstallAccessibleInterfaces();
