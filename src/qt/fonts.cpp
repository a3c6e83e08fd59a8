#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

QFont ClassicFont(const morvane::forms::Font& font, morvane::forms::Language language)
{
    // Only installed families are named: a missing one makes Qt search every font for a
    // fallback, once for each size and style, before it takes the next family named.
    static const QStringList installed = QFontDatabase::families();
    const QString typeface = QString::fromLatin1(morvane::forms::kTypeface);
    QStringList families{installed.contains(typeface) ? typeface : QStringLiteral("Liberation Sans")};
    for (const std::string_view face : NameOf(language).faces) {
        const QString family = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
        if (installed.contains(family))
            families << family;
    }
    QFont classic;
    classic.setFamilies(families);
    classic.setStyleHint(QFont::SansSerif);
    classic.setPixelSize(morvane::forms::PointsToPixels(font.points));
    classic.setBold(font.bold);
    classic.setItalic(font.italic);
    return classic;
}
