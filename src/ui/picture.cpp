#include "picture.h"

#include <QImageReader>

QPixmap Picture(const char* name)
{
    QImageReader reader(QStringLiteral(":/pictures/") + QLatin1StringView(name), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon ScalablePicture(const char* name)
{
    const QByteArray base(name);
    QIcon icon(Picture(base + ".png"));
    icon.addPixmap(Picture(base + "@2x.png"));
    return icon;
}

// A cursor is one picture, not a choice of sizes, so the size is chosen here; the large
// one says it covers the same area as the small one.
QCursor HandCursor(qreal devicePixelRatio)
{
    if (devicePixelRatio < 1.5)
        return QCursor(Picture("hand.png"), 0, 0);
    QPixmap large = Picture("hand@2x.png");
    large.setDevicePixelRatio(2);
    return QCursor(large, 0, 0);
}
