#include "app_identity.h"

#include "picture.h"

#include <QApplication>
#include <QIcon>

void SetApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orrindale"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("orrindale.example"));
    QCoreApplication::setApplicationName(QStringLiteral("kestrin"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    // No application display name: Qt would append it to every window title.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orrindale.Morvane"));

    QIcon icon;
    icon.addPixmap(Picture("morvane-16.png"));
    icon.addPixmap(Picture("morvane-32.png"));
    icon.addPixmap(Picture("morvane-64.png")); // for docks, and title bars scaled to 200 %
    QApplication::setWindowIcon(icon);
}
