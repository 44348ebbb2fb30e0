#include "platform/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

using namespace platform;

TEST(PointsToPixels, RoundsSizeTimesDpiOver72)
{
    struct Case
    {
        int points;
        double dpi;
        int pixels;
    };
    for (const Case &c : {Case{14, 96, 19},
                          {16, 96, 21},
                          {28, 96, 37},
                          {10, 96, 13},
                          {14, 120, 23},
                          {16, 120, 27},
                          {28, 120, 47},
                          {10, 120, 17},
                          {9, 96, 12},
                          {3, 60, 3},
                          {0, 96, 0}}) {
        EXPECT_EQ(pointsToPixels(c.points, c.dpi), c.pixels) << c.points << " pt at " << c.dpi;
    }
}

TEST(Fonts, ThePreferredFaceOrTheInstalledFallback)
{
    const QStringList families = QFontDatabase::families();
    const QString family = uiFontFamily();
    if (families.contains(QStringLiteral("ＭＳ Ｐゴシック")))
        EXPECT_EQ(family, QStringLiteral("ＭＳ Ｐゴシック"));
    else
        EXPECT_EQ(family, QStringLiteral("IPAPGothic"));
    EXPECT_TRUE(families.contains(family)) << "install fonts-ipafont-gothic";
}

TEST(Fonts, PixelFontHasThatCharacterHeightInTheChosenFace)
{
    const QFont font = pixelFont(20, true);
    EXPECT_EQ(font.pixelSize(), 20);
    EXPECT_TRUE(font.bold());
    const QFontInfo used(font);
    EXPECT_EQ(used.family(), uiFontFamily()) << "the face is really used, not substituted";
    EXPECT_EQ(used.pixelSize(), 20);
    EXPECT_FALSE(pixelFont(15).bold());
}
