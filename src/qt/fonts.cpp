#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

QFont ClassicFont(const morvane::forms::Font& font)
{
    // Only an installed family is named: a missing one makes Qt search every font for a
    // fallback, once for each size and style, before it takes the next family named.
    static const QString typeface = QString::fromLatin1(morvane::forms::kTypeface);
    static const QString family =
        QFontDatabase::families().contains(typeface) ? typeface : QStringLiteral("Liberation Sans");
    QFont classic(family);
    classic.setStyleHint(QFont::SansSerif);
    classic.setPixelSize(morvane::forms::PointsToPixels(font.points));
    classic.setBold(font.bold);
    classic.setItalic(font.italic);
    return classic;
}
