#include "picture.h"

#include <QImageReader>

QPixmap Picture(const char* name)
{
    QImageReader reader(QStringLiteral(":/pictures/") + QLatin1StringView(name), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
