#pragma once

#include <QString>
#include <QUrl>

// The page Help opens: index.htm in the current directory when there is one there, as
// the program has always done, and otherwise the page installed beside the program
// (<prefix>/share/morvane/index.htm), so that Help always shows help.
QUrl HelpPageUrl(const QString& currentDirectory, const QString& applicationDirectory);
