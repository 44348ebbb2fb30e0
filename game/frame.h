#pragma once
// Drawing one frame of the playing field into the off-screen bitmap, from the game's state only.

#include "game/gamecore.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRegion>

namespace zelmo {

// The bitmap's font at its four sizes (14, 16, 28 and 10 points at the screen's logical DPI).
struct FrameFonts
{
    QFont target;  // 14 pt
    QFont measure; // 16 pt: the font every frame hands on, in which targets are measured
    QFont bigLine; // 28 pt
    QFont status;  // 10 pt
    static FrameFonts forDpi(double logicalDpi);
};

struct BulletImages
{
    QImage main; // TamaMainImg, 7 x 20
    QImage back; // TamaBackImg, 7 x 20
};

// Each destination pixel becomes source AND (NOT destination): the raster operation SRCERASE.
void srcErase(QImage &destination, QPoint at, const QImage &source);

// Clears the field, draws the bullets, the targets, the big line and the status lines, and
// returns the region of the bitmap that the frame may have drawn on. Given `stale`, the region
// the previous frame on this bitmap returned, only that region is cleared: the rest is still
// black, so the pixels are those of a full clear.
QRegion drawFrame(QImage &backBitmap, const GameCore &core, const FrameFonts &fonts,
                  const BulletImages &bullets, QPoint gameOverPos, const QRegion *stale = nullptr);

} // namespace zelmo
