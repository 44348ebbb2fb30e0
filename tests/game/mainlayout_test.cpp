#include "game/mainlayout.h"

#include <gtest/gtest.h>

using namespace zelmo;

TEST(MainLayout, ControlsKeepTheirAnchors)
{
    struct Case
    {
        int w, h;
        Box edit, gameOver;
    };
    for (const Case c : {Case{800, 600, {292, 550, 216, 24}, {245, 249, 232, 30}},
                         Case{1024, 768, {292, 718, 440, 24}, {347, 323, 232, 30}},
                         Case{1366, 768, {292, 718, 782, 24}, {501, 323, 232, 30}}}) {
        const MainLayout l = mainLayout(c.w, c.h);
        EXPECT_EQ(l.Edit1, c.edit) << c.w;
        EXPECT_EQ(l.GameOverLbl, c.gameOver) << c.w;
        EXPECT_EQ(l.MainBarImg, (Box{0, c.h - 71, c.w, 72}));
        EXPECT_EQ(l.StartBtn, (Box{36, c.h - 52, 100, 35}));
        EXPECT_EQ(l.EndBtn, (Box{164, c.h - 52, 100, 35}));
        EXPECT_EQ(l.SetteiBtn, (Box{c.w - 264, c.h - 52, 100, 35}));
        EXPECT_EQ(l.HelpBtn, (Box{c.w - 136, c.h - 52, 100, 35}));
    }
}

TEST(MainLayout, ScreenCheck)
{
    EXPECT_TRUE(screenLargeEnough(800, 600));
    EXPECT_FALSE(screenLargeEnough(799, 600));
    EXPECT_FALSE(screenLargeEnough(800, 599));
}
