#pragma once

// Names the application for Qt and the desktop: organisation, name and version (used by
// QSettings paths and the X11 window class, which the desktop entry's StartupWMClass
// matches), the desktop entry's id (the Wayland app id, so the shell pairs the window
// with its menu entry and icon), and the window icon in both drawn sizes.
// Call once, after the QApplication is made.
void SetApplicationIdentity();
