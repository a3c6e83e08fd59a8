#include "front_end.h"
#include "pictures.h"
#include "release_facts.h"
#include "renderer.h"

#include <QApplication>
#include <QIcon>
#include <QUrl>

using namespace morvane::forms;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The organisation and application name the X11 window class, which the desktop
    // entry's StartupWMClass matches; the desktop entry's id is the Wayland app id, so
    // the shell pairs the window with its menu entry and icon. No application display
    // name: Qt would append it to every window title.
    QCoreApplication::setOrganizationName(FromUtf8(kMakerName));
    QCoreApplication::setOrganizationDomain(QUrl(FromUtf8(kMakerWebAddress)).host());
    QCoreApplication::setApplicationName(QStringLiteral("kestrin"));
    QCoreApplication::setApplicationVersion(FromUtf8(kVersionText));
    QGuiApplication::setDesktopFileName(FromUtf8(kApplicationId));
    QIcon icon; // 64 pixels for docks, and title bars scaled to 200 %
    for (const char* picture : {"morvane-16.png", "morvane-32.png", "morvane-64.png"})
        icon.addPixmap(LoadPicture(picture));
    QApplication::setWindowIcon(icon);

    FrontEnd frontEnd;
    frontEnd.start();
    return QApplication::exec();
}
