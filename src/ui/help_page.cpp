#include "help_page.h"

#include <QDir>
#include <QFileInfo>

QUrl HelpPageUrl(const QString& currentDirectory, const QString& applicationDirectory)
{
    const QString local = QDir(currentDirectory).filePath(QStringLiteral("index.htm"));
    if (QFileInfo(local).isFile())
        return QUrl::fromLocalFile(local);
    const QString installed = QDir(applicationDirectory).filePath(QStringLiteral("../share/morvane/index.htm"));
    return QUrl::fromLocalFile(QDir::cleanPath(installed));
}
