#include "game/frame.h"

#include "platform/fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace zelmo {

namespace {
const QColor targetBlue(0, 0, 255);  // 0x00FF0000
const QColor bigLineRed(255, 0, 0);  // 0x000000FF
const QColor statusGreen(0, 255, 0); // 0x0000FF00

QFont fontAt(int points, double dpi)
{
    QFont font(platform::uiFontFamily());
    font.setPixelSize(platform::pointsToPixels(points, dpi));
    return font;
}

// Room around a text's ink box for anti-aliased edges.
constexpr int inkMargin = 3;

// Draws text with its top-left corner at (x, y) and adds the area it may cover to drawn.
void drawTextAt(QPainter &painter, const QFont &font, int x, int y, const QString &text,
                QRegion &drawn)
{
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QPoint baseline(x, y + metrics.ascent());
    painter.drawText(baseline, text);
    // The bounding rectangle covers at least every pixel the text sets.
    const QRect ink = metrics.boundingRect(text).translated(baseline);
    drawn += ink.adjusted(-inkMargin, -inkMargin, inkMargin, inkMargin);
}

void clearToBlack(QImage &image, const QRegion &area)
{
    for (const QRect &part : area.intersected(image.rect())) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            std::fill(row + part.left(), row + part.left() + part.width(), 0xFF000000u);
        }
    }
}
} // namespace

FrameFonts FrameFonts::forDpi(double logicalDpi)
{
    return {fontAt(14, logicalDpi), fontAt(16, logicalDpi), fontAt(28, logicalDpi),
            fontAt(10, logicalDpi)};
}

void srcErase(QImage &destination, QPoint at, const QImage &source)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const int dy = at.y() + y;
        if (dy < 0 || dy >= destination.height())
            continue;
        auto *dst = reinterpret_cast<QRgb *>(destination.scanLine(dy));
        const auto *s = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int dx = at.x() + x;
            if (dx < 0 || dx >= destination.width())
                continue;
            dst[dx] = 0xFF000000u | (s[x] & ~dst[dx] & 0x00FFFFFFu);
        }
    }
}

QRegion drawFrame(QImage &backBitmap, const GameCore &core, const FrameFonts &fonts,
                  const BulletImages &bullets, QPoint gameOverPos, const QRegion *stale)
{
    if (stale != nullptr)
        clearToBlack(backBitmap, *stale);
    else
        backBitmap.fill(Qt::black);

    QRegion drawn;
    for (int i = 1; i <= SlotCount; ++i) {
        if (!core.TamaOn[i])
            continue;
        const QPoint at(core.TamaX[i], core.TamaY[i]);
        srcErase(backBitmap, at, bullets.back);
        srcErase(backBitmap, at, bullets.main);
        drawn += QRect(at, bullets.back.size()).united(QRect(at, bullets.main.size()));
    }

    QPainter painter(&backBitmap);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(targetBlue);
    for (int i = 1; i <= SlotCount; ++i)
        if (!core.MojiView[i].empty())
            drawTextAt(painter, fonts.target, core.MojiX[i], core.MojiY[i],
                       QString::fromStdU16String(core.MojiView[i]), drawn);

    if (!core.GameOverCaption.empty()) {
        painter.setPen(bigLineRed);
        drawTextAt(painter, fonts.bigLine, gameOverPos.x(), gameOverPos.y(),
                   QString::fromStdU16String(core.GameOverCaption), drawn);
    }

    painter.setPen(statusGreen);
    drawTextAt(painter, fonts.status, core.InfoX, 20,
               QStringLiteral("ライフ  ") + QString::number(core.Life), drawn);
    drawTextAt(painter, fonts.status, core.InfoX, 40,
               QStringLiteral("スコア  ") + QString::number(core.Score), drawn);
    drawTextAt(painter, fonts.status, core.HiScoreX, 20,
               QStringLiteral("ハイスコア  ") + QString::number(core.GameHiScore), drawn);
    drawTextAt(painter, fonts.status, 20, 20, QString::fromStdU16String(core.SyuruiName), drawn);
    drawTextAt(painter, fonts.status, 20, 40, QString::fromStdU16String(core.LebelName), drawn);
    return drawn.intersected(backBitmap.rect());
}

} // namespace zelmo
