#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace platform {

QString uiFontFamily()
{
    static const QString family = [] {
        const QString preferred = QStringLiteral("ＭＳ Ｐゴシック");
        return QFontDatabase::families().contains(preferred) ? preferred
                                                             : QStringLiteral("IPAPGothic");
    }();
    return family;
}

QFont pixelFont(int pixelHeight, bool bold)
{
    QFont font(uiFontFamily());
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

int pointsToPixels(int points, double logicalDpi)
{
    return static_cast<int>(std::lround(points * logicalDpi / 72.0));
}

} // namespace platform
