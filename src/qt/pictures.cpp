#include "pictures.h"

#include <QImageReader>

QPixmap LoadPicture(const char* name)
{
    QImageReader reader(QStringLiteral(":/pictures/") + QLatin1StringView(name), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The large drawing is read only for a scaled screen: elsewhere it would cost start-up
// time and never be drawn.
QIcon ScalablePicture(std::string_view name, qreal devicePixelRatio)
{
    const QByteArray base(name.data(), static_cast<qsizetype>(name.size()));
    QIcon icon(LoadPicture(base + ".png"));
    if (devicePixelRatio > 1)
        icon.addPixmap(LoadPicture(base + "@2x.png"));
    return icon;
}

// A cursor is one picture, not a choice of sizes, so the size is chosen here; the large
// one says it covers the same area as the small one.
QCursor HandCursor(qreal devicePixelRatio)
{
    if (devicePixelRatio < 1.5)
        return QCursor(LoadPicture("hand.png"), 0, 0);
    QPixmap large = LoadPicture("hand@2x.png");
    large.setDevicePixelRatio(2);
    return QCursor(large, 0, 0);
}
