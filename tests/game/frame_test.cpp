// Frame pixels on a small BackBitmap: bullets as SRCERASE leaves them, targets over bullets,
// the status lines and nothing for empty slots.

#include "game/frame.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <optional>

#include <gtest/gtest.h>

using namespace zelmo;

namespace {

class NullHost : public GameHost
{
public:
    std::int32_t category() const override { return 99; }
    std::int32_t level() const override { return 0; }
    bool randomOrder() const override { return true; }
    bool soundOn() const override { return false; }
    std::u16string titleText() const override { return {}; }
    void playSound(std::string_view) override {}
    TextExtent measure(const std::u16string &) override { return {}; }
    void book(std::int32_t, std::int32_t, std::int32_t, std::int32_t, double) override {}
};

constexpr QRgb black = 0xFF000000, white = 0xFFFFFFFF, blue = 0xFF0000FF, red = 0xFFFF0000,
               green = 0xFF00FF00;

// The bullet's shape: the columns it covers in each row.
bool inShape(int x, int y)
{
    if (y <= 1 || y == 19)
        return x == 3;
    if (y <= 7 || y == 14 || y == 17 || y == 18)
        return x >= 2 && x <= 4;
    return x >= 1 && x <= 5;
}

QImage bulletImage(bool mainPicture)
{
    QImage image(7, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 7; ++x)
            image.setPixel(x, y,
                           inShape(x, y) ? (mainPicture ? (y < 14 ? blue : red) : black)
                                         : (mainPicture ? green : white));
    return image;
}

class FrameTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "frame_test";
        static char *argv[] = {name, nullptr};
        if (QGuiApplication::instance() == nullptr)
            new QGuiApplication(argc, argv);
    }

    NullHost host;
    SeededRandom random;
    platform::ManualClock clock;
    GameCore core{host, random, clock};
    FrameFonts fonts = FrameFonts::forDpi(96);
    BulletImages bullets{bulletImage(true), bulletImage(false)};
    QImage bitmap{400, 300, QImage::Format_RGB32};

    void SetUp() override
    {
        core.FormCreateValues(800, 600);
        core.InfoX = 250;
        core.HiScoreX = 120;
        core.SyuruiName.clear();
        core.LebelName.clear();
        for (int i = 1; i <= 9; ++i)
            core.MojiView[i].clear();
    }

    void draw() { drawFrame(bitmap, core, fonts, bullets, QPoint(50, 150)); }

    // True when no pixel of the rectangle is anything but black.
    static bool blackIn(const QImage &image, const QRect &area)
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) != black)
                    return false;
        return true;
    }
    bool blackIn(const QRect &area) const { return blackIn(bitmap, area); }
};

} // namespace

TEST_F(FrameTest, ABulletOnBlackShowsItsShapeInBlueAndRedWithABlackSurround)
{
    core.TamaOn[4] = true;
    core.TamaX[4] = 100;
    core.TamaY[4] = 200;
    draw();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(bitmap.pixel(100 + x, 200 + y), inShape(x, y) ? (y < 14 ? blue : red) : black)
                << x << "," << y;
}

TEST_F(FrameTest, OverlappingBulletsMixAsSrcEraseGives)
{
    core.TamaOn[1] = core.TamaOn[2] = true;
    core.TamaX[1] = 100;
    core.TamaY[1] = 200;
    core.TamaX[2] = 102;
    core.TamaY[2] = 205;
    draw();
    // Model the four transfers pixel by pixel.
    QImage model(400, 300, QImage::Format_RGB32);
    model.fill(black);
    auto transfer = [&](const QImage &src, int ox, int oy) {
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 7; ++x) {
                const QRgb d = model.pixel(ox + x, oy + y);
                model.setPixel(ox + x, oy + y, 0xFF000000u | (src.pixel(x, y) & ~d & 0xFFFFFFu));
            }
    };
    transfer(bullets.back, 100, 200);
    transfer(bullets.main, 100, 200);
    transfer(bullets.back, 102, 205);
    transfer(bullets.main, 102, 205);
    for (int y = 200; y < 225; ++y)
        for (int x = 100; x < 109; ++x)
            EXPECT_EQ(bitmap.pixel(x, y), model.pixel(x, y)) << x << "," << y;
    // The first bullet's body under the second one's surround is erased, not masked.
    EXPECT_EQ(bitmap.pixel(102, 208), black);
}

TEST_F(FrameTest, TargetTextIsDrawnOverItsBulletInBlue)
{
    core.TamaOn[1] = true;
    core.TamaX[1] = 100;
    core.TamaY[1] = 100;
    core.MojiView[1] = u"■■";
    core.MojiX[1] = 95;
    core.MojiY[1] = 100;
    draw();
    // The filled squares cover the bullet's middle: the text lies on top.
    int bluePixels = 0;
    for (int y = 105; y < 112; ++y)
        for (int x = 101; x < 106; ++x)
            bluePixels += qBlue(bitmap.pixel(x, y)) > 0 && qRed(bitmap.pixel(x, y)) == 0 &&
                                  qGreen(bitmap.pixel(x, y)) == 0
                              ? 1
                              : 0;
    EXPECT_GT(bluePixels, 0);
}

TEST_F(FrameTest, StatusLinesAndBigLineStandAtTheirPlaces)
{
    core.Life = -10;
    core.Score = 45;
    core.GameHiScore = 1234;
    core.SyuruiName = u"基礎 ローマ字入力";
    core.LebelName = u"中段";
    core.GameOverCaption = u"ゲーム　オーバー";
    draw();

    QImage expected(400, 300, QImage::Format_RGB32);
    expected.fill(black);
    {
        QPainter p(&expected);
        auto line = [&](const QFont &font, QColor colour, int x, int y, const QString &text) {
            p.setFont(font);
            p.setPen(colour);
            p.drawText(x, y + QFontMetrics(font).ascent(), text);
        };
        line(fonts.bigLine, Qt::red, 50, 150, QStringLiteral("ゲーム　オーバー"));
        line(fonts.status, Qt::green, 250, 20, QStringLiteral("ライフ  -10"));
        line(fonts.status, Qt::green, 250, 40, QStringLiteral("スコア  45"));
        line(fonts.status, Qt::green, 120, 20, QStringLiteral("ハイスコア  1234"));
        line(fonts.status, Qt::green, 20, 20, QStringLiteral("基礎 ローマ字入力"));
        line(fonts.status, Qt::green, 20, 40, QStringLiteral("中段"));
    }
    EXPECT_EQ(bitmap, expected);
}

TEST_F(FrameTest, EmptySlotsDrawNothing)
{
    core.Life = 100;
    draw();
    EXPECT_TRUE(blackIn(QRect(0, 60, 400, 240)));
    EXPECT_FALSE(blackIn(QRect(250, 20, 150, 40)));
}

TEST_F(FrameTest, FontsTurnPointSizesIntoPixelHeightsAtTheScreensDpi)
{
    const FrameFonts at96 = FrameFonts::forDpi(96);
    EXPECT_EQ(at96.target.pixelSize(), 19);
    EXPECT_EQ(at96.measure.pixelSize(), 21);
    EXPECT_EQ(at96.bigLine.pixelSize(), 37);
    EXPECT_EQ(at96.status.pixelSize(), 13);
    EXPECT_EQ(FrameFonts::forDpi(120).target.pixelSize(), 23);
}

TEST_F(FrameTest, ClearingOnlyWhatTheLastFrameDrewGivesTheSamePixelsAsAFullClear)
{
    const std::u16string texts[] = {u"",         u"FGD",     u"一石二鳥", u"ｱｲｳ",
                                    u"Wg|_()@j", u"■■■",     u"ゃ゜〜",   u"百人一首 秋の田の",
                                    u"Ω ÅÉ ñ",   u"12 + 345"};
    SeededRandom scene(7);
    auto pick = [&](int n) { return scene.Random(n); };
    QImage incremental(400, 300, QImage::Format_RGB32);
    incremental.fill(Qt::green);
    std::optional<QRegion> last;
    for (int frame = 0; frame < 200; ++frame) {
        for (int i = 1; i <= 9; ++i) {
            core.MojiView[i] = texts[pick(10)];
            core.MojiX[i] = pick(460) - 30;
            core.MojiY[i] = pick(360) - 30;
            core.TamaOn[i] = pick(3) != 0;
            core.TamaX[i] = pick(420) - 10;
            core.TamaY[i] = pick(330) - 15;
        }
        core.Life = pick(300) - 150;
        core.Score = pick(100000);
        core.GameHiScore = pick(100000);
        core.SyuruiName = texts[pick(10)];
        core.LebelName = texts[pick(10)];
        core.GameOverCaption = pick(2) == 0 ? std::u16string() : texts[pick(10)];
        const QPoint bigLine(pick(400) - 50, pick(300) - 20);

        const QRegion drawn =
            drawFrame(incremental, core, fonts, bullets, bigLine, last ? &*last : nullptr);
        last = drawn;
        drawFrame(bitmap, core, fonts, bullets, bigLine);
        ASSERT_EQ(incremental, bitmap) << "frame " << frame;
        // Everything outside the returned region is black.
        QImage outside = bitmap.copy();
        {
            QPainter p(&outside);
            p.setClipRegion(drawn);
            p.fillRect(outside.rect(), Qt::black);
        }
        ASSERT_TRUE(blackIn(outside, outside.rect())) << "frame " << frame;
    }
}
