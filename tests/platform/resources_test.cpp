#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Is (x, y) inside the bullet's shape, and is it in the red flame?
bool inBullet(int x, int y, bool &flame)
{
    struct Rows
    {
        int top, bottom, left, right;
    };
    static constexpr Rows shape[] = {{0, 1, 3, 3},   {2, 7, 2, 4},   {8, 13, 1, 5}, {14, 14, 2, 4},
                                     {15, 16, 1, 5}, {17, 18, 2, 4}, {19, 19, 3, 3}};
    flame = y >= 14;
    for (const Rows &r : shape)
        if (y >= r.top && y <= r.bottom)
            return x >= r.left && x <= r.right;
    return false;
}

QImage image(const char *path)
{
    QImage picture(QString::fromUtf8(path));
    EXPECT_FALSE(picture.isNull()) << path;
    return picture;
}

bool isLighter(QRgb edge, QRgb face)
{
    return qRed(edge) + qGreen(edge) + qBlue(edge) > qRed(face) + qGreen(face) + qBlue(face);
}

} // namespace

TEST(BulletPictures, MatchTheirPixelTable)
{
    const QImage main = image(":/images/TamaMainImg.png");
    const QImage back = image(":/images/TamaBackImg.png");
    for (const QImage *picture : {&main, &back}) {
        ASSERT_EQ(picture->size(), QSize(7, 20));
        EXPECT_EQ(picture->colorCount(), 16) << "a 16-colour picture";
    }
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 7; ++x) {
            bool flame = false;
            const bool inside = inBullet(x, y, flame);
            const QRgb wantMain = !inside ? qRgb(0, 255, 0)
                                  : flame ? qRgb(255, 0, 0)
                                          : qRgb(0, 0, 255);
            const QRgb wantBack = inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            EXPECT_EQ(main.pixel(x, y) & 0xFFFFFFu, wantMain & 0xFFFFFFu) << x << "," << y;
            EXPECT_EQ(back.pixel(x, y) & 0xFFFFFFu, wantBack & 0xFFFFFFu) << x << "," << y;
        }
    }
}

TEST(BarAndButtonPictures, SizesColoursAndLighterEdges)
{
    struct Case
    {
        const char *path;
        QSize size;
        QRgb face;
    };
    for (const Case &c : {Case{":/images/MainBarImg.png", {788, 72}, qRgb(0, 0, 128)},
                          Case{":/images/BtnOffImg.png", {100, 35}, qRgb(0, 0, 128)},
                          Case{":/images/BtnOnImg.png", {100, 35}, qRgb(0, 0, 255)}}) {
        const QImage picture = image(c.path);
        EXPECT_EQ(picture.size(), c.size) << c.path;
        EXPECT_FALSE(picture.hasAlphaChannel()) << c.path;
        const int midX = c.size.width() / 2;
        const int midY = c.size.height() / 2;
        EXPECT_EQ(picture.pixel(midX, midY), c.face) << c.path;
        EXPECT_TRUE(isLighter(picture.pixel(midX, 0), c.face)) << c.path << " top edge";
        EXPECT_TRUE(isLighter(picture.pixel(0, midY), c.face)) << c.path << " left edge";
    }
}

TEST(Icons, GameIsTrueColourAndUninstallerHas16Colours)
{
    const QImage game = image(":/icon.png");
    EXPECT_EQ(game.size(), QSize(32, 32));
    EXPECT_EQ(game.colorCount(), 0) << "24-bit, no palette";
    EXPECT_FALSE(game.hasAlphaChannel());

    const QImage uninstaller = image(ZELMO_UNINSTALLER_RESOURCES "/unzelmo_icon.png");
    EXPECT_EQ(uninstaller.size(), QSize(32, 32));
    EXPECT_EQ(uninstaller.colorCount(), 16);
}

TEST(VersionPictureResource, IsCompiledInUnderImages)
{
    QFile file(QStringLiteral(":/images/VersionKeyImg.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("\xFF\xD8\xFF\xE0"));
}

namespace {

std::uint32_t le32(const QByteArray &data, qsizetype at)
{
    std::uint32_t v = 0;
    std::memcpy(&v, data.constData() + at, 4);
    return v;
}

std::uint16_t le16(const QByteArray &data, qsizetype at)
{
    std::uint16_t v = 0;
    std::memcpy(&v, data.constData() + at, 2);
    return v;
}

} // namespace

TEST(Sounds, AreUncompressed8BitMonoPcmOfTheirRateAndLength)
{
    struct Case
    {
        const char *name;
        std::uint32_t rate;
        int centiseconds;
        std::uint32_t samples;
    };
    for (const Case &c : {Case{"atari", 22050, 149, 32855}, Case{"baan", 22050, 139, 30650},
                          Case{"endbaan", 22050, 239, 52700}, Case{"hazure", 44100, 14, 6174},
                          Case{"botan", 44100, 98, 43218}}) {
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(c.name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
        const QByteArray wav = file.readAll();
        ASSERT_EQ(wav.size(), 44 + qsizetype{c.samples}) << c.name;
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(le32(wav, 4), wav.size() - 8);
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(le32(wav, 16), 16u) << "plain PCM format chunk";
        EXPECT_EQ(le16(wav, 20), 1) << c.name << ": uncompressed PCM";
        EXPECT_EQ(le16(wav, 22), 1) << c.name << ": mono";
        EXPECT_EQ(le32(wav, 24), c.rate) << c.name;
        EXPECT_EQ(le32(wav, 28), c.rate) << c.name << ": bytes per second";
        EXPECT_EQ(le16(wav, 32), 1) << c.name << ": block size";
        EXPECT_EQ(le16(wav, 34), 8) << c.name << ": bits per sample";
        EXPECT_EQ(wav.mid(36, 4), "data");
        EXPECT_EQ(le32(wav, 40), c.samples) << c.name;
        const double seconds = static_cast<double>(c.samples) / c.rate;
        EXPECT_EQ(std::lround(seconds * 100), c.centiseconds) << c.name;
    }
}
