#include "platform/errors.h"
#include "platform/jpeg.h"
#include "platform/jpeg_qt.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

using namespace platform;

namespace {

std::vector<std::uint8_t> versionPicture()
{
    std::ifstream in(std::string(ZELMO_GAME_RESOURCES) + "/VersionKeyImg.jpg", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Rgb
{
    int r, g, b;
};

Rgb pixelAt(const RgbImage &image, int x, int y)
{
    const auto at = static_cast<std::size_t>((y * image.width + x) * 3);
    return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

} // namespace

TEST(VersionPicture, IsABaselineJfifOf128x53At120Dpi)
{
    const auto data = versionPicture();
    ASSERT_GT(data.size(), 5000u);
    EXPECT_LT(data.size(), 5800u);
    const std::vector<std::uint8_t> header(data.begin(), data.begin() + 18);
    const std::vector<std::uint8_t> expected{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F',  'I',
                                             'F',  0x00, 0x01, 0x01, 0x01, 0x00, 120, 0x00, 120};
    EXPECT_EQ(header, expected); // SOI, APP0 "JFIF" 1.01, dots per inch, 120 x 120

    std::size_t sof = 2;
    while (sof + 4 < data.size() && !(data[sof] == 0xFF && data[sof + 1] >= 0xC0 &&
                                      data[sof + 1] <= 0xCF && data[sof + 1] != 0xC4))
        sof += 2 + (std::size_t{data[sof + 2]} << 8 | data[sof + 3]);
    ASSERT_LT(sof + 10, data.size());
    EXPECT_EQ(data[sof + 1], 0xC0) << "baseline frame";
    EXPECT_EQ(data[sof + 4], 8) << "bits per sample";
    EXPECT_EQ(data[sof + 5] << 8 | data[sof + 6], 53);
    EXPECT_EQ(data[sof + 7] << 8 | data[sof + 8], 128);
    EXPECT_EQ(data[sof + 9], 3) << "components";
}

TEST(DecodeJpeg, DecodesTheVersionPicture)
{
    const RgbImage image = decodeJpeg(versionPicture());
    ASSERT_EQ(image.width, 128);
    ASSERT_EQ(image.height, 53);
    ASSERT_EQ(image.rgb.size(), 128u * 53u * 3u);
    struct Point
    {
        int x, y;
        Rgb drawn;
    };
    // Flat areas of the drawing: the space bar, the large key at the right, the lower edge of the
    // case, the status lamp strip.
    for (const Point &p : {Point{57, 45, {238, 238, 232}}, Point{120, 21, {200, 216, 240}},
                           Point{60, 50, {92, 94, 100}}, Point{108, 5, {120, 122, 128}}}) {
        const Rgb got = pixelAt(image, p.x, p.y);
        EXPECT_NEAR(got.r, p.drawn.r, 16) << p.x << "," << p.y;
        EXPECT_NEAR(got.g, p.drawn.g, 16) << p.x << "," << p.y;
        EXPECT_NEAR(got.b, p.drawn.b, 16) << p.x << "," << p.y;
    }
}

TEST(DecodeJpeg, ToQImageKeepsEveryPixel)
{
    const RgbImage image = decodeJpeg(versionPicture());
    const QImage picture = toQImage(image);
    ASSERT_EQ(picture.size(), QSize(128, 53));
    for (const auto &[x, y] : {std::pair{0, 0}, {57, 45}, {127, 52}}) {
        const Rgb want = pixelAt(image, x, y);
        EXPECT_EQ(picture.pixel(x, y), qRgb(want.r, want.g, want.b));
    }
    EXPECT_TRUE(toQImage(RgbImage{}).isNull());
}

TEST(DecodeJpeg, DamagedDataRaisesTheLibraryError)
{
    const auto whole = versionPicture();
    ASSERT_FALSE(whole.empty());
    struct Case
    {
        const char *what;
        std::vector<std::uint8_t> data;
        int code;
        std::string message;
    };
    const std::string notJpeg = "not a picture";
    const std::vector<Case> cases{
        {"empty", {}, JERR_INPUT_EMPTY, "Empty input file"},
        {"not a JPEG",
         {notJpeg.begin(), notJpeg.end()},
         JERR_NO_SOI,
         "Not a JPEG file: starts with 0x6e 0x6f"},
        {"cut in the tables",
         {whole.begin(), whole.begin() + 100},
         JWRN_JPEG_EOF,
         "Premature end of JPEG file"},
        {"cut in the image data",
         {whole.begin(), whole.begin() + whole.size() / 2},
         JWRN_JPEG_EOF,
         "Premature end of JPEG file"},
    };
    for (const Case &c : cases) {
        try {
            decodeJpeg(c.data);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), ErrorKind::Jpeg) << c.what;
            EXPECT_EQ(e.code(), c.code) << c.what;
            EXPECT_EQ(e.what(), c.message) << c.what;
        }
    }
}

TEST(DecodeJpeg, DecodesAgainAfterAnError)
{
    const auto whole = versionPicture();
    EXPECT_THROW(decodeJpeg(std::span(whole).first(whole.size() - 10)), Error);
    EXPECT_EQ(decodeJpeg(whole).width, 128);
}
