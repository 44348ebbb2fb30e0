#include "game/frame.h"

#include "platform/fonts.h"

#include <QFontMetrics>
#include <QPainter>

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

void drawTextAt(QPainter &painter, const QFont &font, int x, int y, const QString &text)
{
    painter.setFont(font);
    painter.drawText(x, y + QFontMetrics(font).ascent(), text);
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

void drawFrame(QImage &backBitmap, const GameCore &core, const FrameFonts &fonts,
               const BulletImages &bullets, QPoint gameOverPos)
{
    backBitmap.fill(Qt::black);
    for (int i = 1; i <= SlotCount; ++i) {
        if (!core.TamaOn[i])
            continue;
        const QPoint at(core.TamaX[i], core.TamaY[i]);
        srcErase(backBitmap, at, bullets.back);
        srcErase(backBitmap, at, bullets.main);
    }

    QPainter painter(&backBitmap);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(targetBlue);
    for (int i = 1; i <= SlotCount; ++i)
        if (!core.MojiView[i].empty())
            drawTextAt(painter, fonts.target, core.MojiX[i], core.MojiY[i],
                       QString::fromStdU16String(core.MojiView[i]));

    if (!core.GameOverCaption.empty()) {
        painter.setPen(bigLineRed);
        drawTextAt(painter, fonts.bigLine, gameOverPos.x(), gameOverPos.y(),
                   QString::fromStdU16String(core.GameOverCaption));
    }

    painter.setPen(statusGreen);
    drawTextAt(painter, fonts.status, core.InfoX, 20,
               QStringLiteral("ライフ  ") + QString::number(core.Life));
    drawTextAt(painter, fonts.status, core.InfoX, 40,
               QStringLiteral("スコア  ") + QString::number(core.Score));
    drawTextAt(painter, fonts.status, core.HiScoreX, 20,
               QStringLiteral("ハイスコア  ") + QString::number(core.GameHiScore));
    drawTextAt(painter, fonts.status, 20, 20, QString::fromStdU16String(core.SyuruiName));
    drawTextAt(painter, fonts.status, 20, 40, QString::fromStdU16String(core.LebelName));
}

} // namespace zelmo
