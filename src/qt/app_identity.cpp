#include "app_identity.h"

#include "pictures.h"
#include "release_facts.h"
#include "renderer.h"

#include <QApplication>
#include <QIcon>
#include <QRegularExpression>
#include <QUrl>

using namespace morvane::forms;

void SetApplicationIdentity()
{
    QCoreApplication::setOrganizationName(FromUtf8(kMakerName));
    QCoreApplication::setOrganizationDomain(QUrl(FromUtf8(kMakerWebAddress)).host().remove(QRegularExpression("^www\\.")));
    QCoreApplication::setApplicationName(QStringLiteral("kestrin"));
    QCoreApplication::setApplicationVersion(FromUtf8(kVersionText));
    // No application display name: Qt would append it to every window title.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orrindale.Morvane"));

    QIcon icon;
    icon.addPixmap(LoadPicture("morvane-16.png"));
    icon.addPixmap(LoadPicture("morvane-32.png"));
    icon.addPixmap(LoadPicture("morvane-64.png")); // for docks, and title bars scaled to 200 %
    QApplication::setWindowIcon(icon);
}
