#pragma once
// The one place where the programs' face is chosen, and the conversion of point sizes to pixels.

#include <QFont>
#include <QString>

namespace platform {

// "ＭＳ Ｐゴシック" where it is installed, else "IPAPGothic", the nearest face in metrics.
// Needs a QGuiApplication.
QString uiFontFamily();

// The face of uiFontFamily() with characters pixelHeight pixels high.
QFont pixelFont(int pixelHeight, bool bold = false);

// The character height in pixels of a font of the given point size: points x dpi / 72,
// rounded to the nearest pixel (halves away from zero).
int pointsToPixels(int points, double logicalDpi);

} // namespace platform
