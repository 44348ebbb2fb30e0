// The tick, the answer entry, the refill frame and the start and end of a game, driven through
// the rules with a fake host and a seeded or scripted random source.

#include "game/gamecore.h"

#include "game/ArrayUnit.h"
#include "game/categories.h"
#include "platform/errors.h"
#include "platform/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

using namespace zelmo;

namespace {

struct Booking
{
    std::int32_t k, hiScore, atari, hazure;
    double days;
};

class FakeHost : public GameHost
{
public:
    std::int32_t cat = 0, lvl = 0;
    bool random = true, sound = true;
    std::vector<std::string> sounds;
    std::vector<Booking> bookings;

    std::int32_t category() const override { return cat; }
    std::int32_t level() const override { return lvl; }
    bool randomOrder() const override { return random; }
    bool soundOn() const override { return sound; }
    std::u16string titleText() const override { return u"ゼ　ル　モ　団　３ｄ"; }
    void playSound(std::string_view name) override { sounds.emplace_back(name); }
    TextExtent measure(const std::u16string &text) override
    {
        return {static_cast<std::int32_t>(10 * text.size()), 21};
    }
    void book(std::int32_t k, std::int32_t hi, std::int32_t a, std::int32_t h, double d) override
    {
        bookings.push_back({k, hi, a, h, d});
    }
};

// Gives the scripted numbers first, then 0 (so no random direction flip at r == slot).
class ScriptedRandom : public RandomSource
{
public:
    std::deque<std::int32_t> next;
    std::int32_t Random(std::int32_t n) override
    {
        if (next.empty())
            return n > 0 ? 0 : 0;
        const std::int32_t r = next.front();
        next.pop_front();
        return r;
    }
};

class GameCoreTest : public ::testing::Test
{
protected:
    FakeHost host;
    ScriptedRandom random;
    platform::ManualClock clock;
    GameCore core{host, random, clock};

    void SetUp() override
    {
        core.FormCreateValues(800, 600);
        for (int i = 0; i < 41; ++i)
            core.TimerTimer();
        host.sounds.clear();
    }

    // A playing game whose slots hold the texts given, high above the field.
    void playWith(std::vector<std::u16string> texts)
    {
        host.cat = 99; // no generator: the test fills the slots itself
        core.StartGame();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const int slot = static_cast<int>(i) + 1;
            core.MojiInput[slot] = core.MojiView[slot] = texts[i];
            core.MojiViewWidth[slot] = 30;
            core.MojiViewHeight[slot] = 21;
        }
        host.sounds.clear();
    }

    bool enter(std::u16string text)
    {
        char16_t key = u'\r';
        return core.FormKeyPress(text, key);
    }
};

} // namespace

TEST_F(GameCoreTest, TitleIsDrawnInExactlyFortyFrames)
{
    GameCore fresh(host, random, clock);
    fresh.FormCreateValues(800, 600);
    int framesWithTitle = 0;
    for (int tick = 0; tick < 60; ++tick) {
        fresh.TimerTimer();
        if (!fresh.GameOverCaption.empty())
            ++framesWithTitle;
    }
    EXPECT_EQ(framesWithTitle, 40);
    EXPECT_EQ(fresh.GameState, StoppedState);
    EXPECT_EQ(fresh.TitleTicks, 41) << "counted in the title state only";
}

TEST_F(GameCoreTest, GeometryValues)
{
    struct Case
    {
        int w, h, fieldHeight, infoX, hiScoreX;
    };
    for (const Case c : {Case{800, 600, 529, 660, 320}, Case{1366, 768, 697, 1226, 603},
                         Case{1024, 768, 697, 884, 432}}) {
        GameCore g(host, random, clock);
        g.FormCreateValues(c.w, c.h);
        EXPECT_EQ(g.FieldHeight, c.fieldHeight);
        EXPECT_EQ(g.FieldWidth, c.w);
        EXPECT_EQ(g.InfoX, c.infoX);
        EXPECT_EQ(g.HiScoreX, c.hiScoreX);
    }
}

TEST_F(GameCoreTest, EnterIsOnlyAnswerEntryWhilePlayingWithText)
{
    std::u16string text = u"FGD";
    char16_t key = u'\r';
    EXPECT_FALSE(core.FormKeyPress(text, key)) << "stopped state";
    EXPECT_EQ(text, u"FGD");
    EXPECT_EQ(key, u'\r');

    playWith({u"FGD"});
    std::u16string empty;
    EXPECT_FALSE(core.FormKeyPress(empty, key));
    EXPECT_EQ(core.Life, 100);
    EXPECT_TRUE(host.sounds.empty());

    char16_t other = u'a';
    EXPECT_FALSE(core.FormKeyPress(text, other));
    EXPECT_EQ(text, u"FGD");
}

TEST_F(GameCoreTest, ATextThatIsNotExactlyAnAnswerIsAMiss)
{
    playWith({u"FGD"});
    for (const std::u16string wrong : {u"FGD ", u"fgd", u"ＦＧＤ", u"FG"}) {
        const std::int32_t life = core.Life;
        EXPECT_TRUE(enter(wrong));
        EXPECT_EQ(core.Life, life - 20);
        EXPECT_FALSE(core.TamaOn[1]);
    }
    EXPECT_EQ(core.HazureCount, 4);
    EXPECT_EQ(host.sounds, std::vector<std::string>(4, "hazure"));
}

TEST_F(GameCoreTest, TwoSlotsWithOneAnswerArmTheLowerAndASecondEnterOnlyClears)
{
    playWith({u"X", u"AB", u"AB"});
    std::u16string text = u"AB";
    char16_t key = u'\r';
    EXPECT_TRUE(core.FormKeyPress(text, key));
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(key, u'\0');
    EXPECT_TRUE(core.TamaOn[2]);
    EXPECT_FALSE(core.TamaOn[3]);
    core.TimerTimer();
    const std::int32_t y = core.TamaY[2];
    EXPECT_TRUE(enter(u"AB"));
    EXPECT_EQ(core.TamaY[2], y);
    EXPECT_FALSE(core.TamaOn[3]);
    EXPECT_EQ(core.Life, 100);
    EXPECT_EQ(core.HazureCount, 0);
}

TEST_F(GameCoreTest, GameOverComesAtTheNextTickAndLifeIsShownNegative)
{
    playWith({u"A"});
    host.cat = MojiRandomR1;
    core.Life = 10;
    EXPECT_TRUE(enter(u"nope"));
    EXPECT_EQ(core.Life, -10);
    EXPECT_EQ(core.GameState, PlayingState);
    const std::int32_t y = core.MojiY[1];
    core.TimerTimer();
    EXPECT_EQ(core.GameState, StoppedState);
    EXPECT_EQ(core.StartCaption, u"START");
    EXPECT_EQ(core.GameOverCaption, u"ゲーム　オーバー");
    EXPECT_EQ(core.Life, -10);
    ASSERT_EQ(host.bookings.size(), 1u);
    EXPECT_EQ(host.bookings[0].hazure, 1);
    // The game-over tick still moves the targets once; later ticks change nothing.
    EXPECT_EQ(core.MojiY[1], y + 1);
    core.TimerTimer();
    EXPECT_EQ(core.MojiY[1], y + 1);
    EXPECT_EQ(host.bookings.size(), 1u);
    EXPECT_EQ(host.sounds.front(), "hazure");
    EXPECT_EQ(host.sounds.back(), "endbaan");
}

TEST_F(GameCoreTest, AHitInTheGameOverTickScoresButIsNotBooked)
{
    playWith({u"A"});
    host.cat = MojiRandomR1;
    core.MojiY[1] = 500;
    core.TamaOn[1] = true;
    core.TamaY[1] = 530;
    core.Life = 0;
    core.TimerTimer();
    ASSERT_EQ(host.bookings.size(), 1u);
    EXPECT_EQ(host.bookings[0].atari, 0);
    EXPECT_EQ(core.Score, 45);
    EXPECT_EQ(core.GameHiScore, 45);
    EXPECT_EQ(core.AtariCount, 1);
}

TEST_F(GameCoreTest, ABulletClimbsAndHitsForThePointsOfLevelAndSpeed)
{
    host.lvl = 9;
    playWith({u"A"});
    core.MojiY[1] = -600; // still above the field
    EXPECT_TRUE(enter(u"A"));
    int ticks = 0;
    while (core.TamaOn[1] && ticks < 200) {
        core.TimerTimer();
        ++ticks;
    }
    EXPECT_FALSE(core.TamaOn[1]);
    EXPECT_EQ(core.Score, 30 + 10 * 1 + 5 * 10);
    EXPECT_EQ(core.AtariCount, 1);
    EXPECT_EQ(core.MojiY[1], -80 + 1) << "refilled slot starts 80 above the field and falls";
    EXPECT_EQ(core.TamaY[1], 600);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"atari"});
}

TEST_F(GameCoreTest, ABulletGoesOnToTheSlotsNextTargetAfterAFall)
{
    playWith({u"A"});
    core.MojiY[1] = 508;
    EXPECT_TRUE(enter(u"A"));
    core.TimerTimer(); // bullet at 585; the target falls through the bottom (509 + 21 > 529)
    EXPECT_EQ(core.Life, 90);
    EXPECT_EQ(core.HazureCount, 1);
    EXPECT_EQ(core.MojiY[1], -50);
    EXPECT_TRUE(core.TamaOn[1]);
    core.MojiInput[1] = core.MojiView[1] = u"B";
    int ticks = 0;
    while (core.TamaOn[1] && ticks < 100) {
        core.TimerTimer();
        ++ticks;
    }
    EXPECT_EQ(core.AtariCount, 1);
    EXPECT_EQ(core.Score, 45);
}

TEST_F(GameCoreTest, SlotGroupsMoveOnlyPastTheirScores)
{
    playWith({u"A", u"B", u"C"});
    struct Case
    {
        std::int32_t score;
        bool group2, group3;
    };
    for (const Case c : {Case{1000, false, false}, Case{1001, true, false}, Case{2500, true, false},
                         Case{2501, true, true}}) {
        core.Score = c.score;
        const auto before = core.MojiY;
        core.TimerTimer();
        EXPECT_EQ(core.MojiY[4] != before[4], c.group2) << c.score;
        EXPECT_EQ(core.MojiY[7] != before[7], c.group3) << c.score;
    }
    EXPECT_TRUE(core.Over1000);
    EXPECT_TRUE(core.Over2500);
    core.Score = 4001;
    core.TimerTimer();
    EXPECT_EQ(core.FallSpeed, 2);
}

TEST_F(GameCoreTest, DirectionIsForcedAtTheEdgesAndFlipsOnlyInside)
{
    playWith({u"A"});
    core.MojiX[1] = 790; // box right edge 820 > 800
    core.MojiLeft[1] = false;
    random.next = {1}; // a draw equal to the slot number would flip, but none is made here
    core.TimerTimer();
    EXPECT_TRUE(core.MojiLeft[1]);
    EXPECT_EQ(core.MojiX[1], 789);

    core.MojiX[1] = -1;
    core.TimerTimer();
    EXPECT_FALSE(core.MojiLeft[1]);
    EXPECT_EQ(core.MojiX[1], 1);

    core.MojiX[1] = 100;
    random.next = {1, 0, 0}; // slot 1 draws 1: flip; slots 2 and 3 draw 0
    core.TimerTimer();
    EXPECT_TRUE(core.MojiLeft[1]);
}

TEST_F(GameCoreTest, StartSetsEverySlotAndDrawsInOrder)
{
    host.cat = 99;
    random.next = {11, 1, 22, 0, 33, 1, 44, 0, 55, 1, 66, 0, 77, 1, 88, 0, 99, 1};
    core.StartGame();
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(core.MojiY[i], MojiStartY[i]);
        EXPECT_EQ(core.MojiX[i], 11 * i);
        EXPECT_EQ(core.MojiLeft[i], i % 2 == 1);
        EXPECT_EQ(core.TamaY[i], 600);
        EXPECT_EQ(core.TamaX[i], 100);
    }
    EXPECT_EQ(core.StartCaption, u"ストップ");
    EXPECT_EQ(core.FallSpeed, 1);
    EXPECT_EQ(core.GameState, PlayingState);
}

TEST_F(GameCoreTest, EndingAGameBooksItsElapsedTimeAndClearsTheCounters)
{
    host.cat = 3;
    playWith({});
    host.cat = 3;
    core.AtariCount = 1;
    core.HazureCount = 3;
    clock.advanceMs(1600);
    core.EndGame();
    ASSERT_EQ(host.bookings.size(), 1u);
    EXPECT_EQ(host.bookings[0].k, 3);
    EXPECT_EQ(host.bookings[0].atari, 1);
    EXPECT_EQ(host.bookings[0].hazure, 3);
    EXPECT_NEAR(host.bookings[0].days * 86'400'000.0, 1600.0, 1e-3);
    EXPECT_EQ(core.AtariCount, 0);
    EXPECT_EQ(core.HazureCount, 0);
    EXPECT_EQ(core.PlayTime, 0);
    EXPECT_EQ(core.StartCaption, u"スタート");
    EXPECT_EQ(core.GameState, StoppedState);
}

TEST_F(GameCoreTest, OverflowRaisesAndAbandonsTheTick)
{
    playWith({u"A"});
    core.Score = 2147483647 - 10;
    core.MojiY[1] = 0;
    core.TamaOn[1] = true;
    core.TamaY[1] = 30;
    EXPECT_THROW(core.TimerTimer(), platform::Error);
}

TEST_F(GameCoreTest, SoundIsPlayedOnlyWhileTheBoxIsChecked)
{
    playWith({u"A"});
    host.sound = false;
    EXPECT_TRUE(enter(u"B"));
    EXPECT_TRUE(host.sounds.empty());
    host.sound = true;
    EXPECT_TRUE(enter(u"B"));
    EXPECT_EQ(host.sounds, std::vector<std::string>{"hazure"});
}

// The refill frame with the real content tables.
class RefillTest : public GameCoreTest
{};

TEST_F(RefillTest, TableOrderPlaysTheSectionAndWraps)
{
    host.cat = RomajiKiso;
    host.lvl = 0;
    host.random = false;
    core.StartGame();
    EXPECT_EQ(core.MojiInput[1], u"FGD");
    EXPECT_EQ(core.MojiInput[2], u"FDG");
    EXPECT_EQ(core.MojiInput[3], u"DFS");
    for (int i = 4; i <= 9; ++i)
        EXPECT_TRUE(core.MojiInput[i].empty());
    EXPECT_EQ(core.ArrayPos, 3);
    EXPECT_EQ(core.MojiViewWidth[1], 30);

    core.ArrayPos = 59;
    core.MojiInput[1].clear();
    core.MojiInput[2].clear();
    core.MojiArray();
    EXPECT_EQ(core.MojiInput[1], platform::utf8ToUtf16(RomajiKisoArray[59]));
    EXPECT_EQ(core.MojiInput[2], u"FGD");
    EXPECT_EQ(core.ArrayPos, 1);

    core.EndGame();
    core.StartGame();
    EXPECT_EQ(core.MojiInput[1], u"FGD") << "a new game starts at the section's first entry";
}

TEST_F(RefillTest, RandomOrderStaysInsideTheSection)
{
    host.cat = Eigo;
    host.lvl = 2;
    SeededRandom seeded(7);
    GameCore g(host, seeded, clock);
    g.FormCreateValues(800, 600);
    g.GameState = StoppedState;
    g.StartGame();
    const auto section = *levelSection(Eigo, 2);
    std::vector<std::u16string> allowed;
    for (int k = section.start; k < section.end; ++k)
        allowed.push_back(platform::utf8ToUtf16(EigoArray[k]));
    for (int round = 0; round < 200; ++round) {
        for (int i = 1; i <= 3; ++i) {
            EXPECT_NE(std::find(allowed.begin(), allowed.end(), g.MojiInput[i]), allowed.end());
            EXPECT_EQ(g.MojiView[i], g.MojiInput[i]);
            g.MojiInput[i].clear();
        }
        g.MojiArray();
        EXPECT_EQ(g.ArrayPos, section.start);
    }
}

TEST_F(RefillTest, GroupsOpenStrictlyPastTheirScoresAndEveryCallMeasures)
{
    host.cat = SujiRandom;
    core.StartGame();
    struct Case
    {
        std::int32_t score;
        int filled;
    };
    for (const Case c : {Case{1000, 3}, Case{1001, 6}, Case{2500, 6}, Case{2501, 9}}) {
        core.Score = c.score;
        core.MojiArray();
        int filled = 0;
        for (int i = 1; i <= 9; ++i)
            filled += core.MojiInput[i].empty() ? 0 : 1;
        EXPECT_EQ(filled, c.filled) << c.score;
    }
    core.MojiViewWidth[1] = 0;
    core.MojiArray();
    EXPECT_EQ(core.MojiViewWidth[1], 30) << "no free slot, still measured";
}

TEST_F(RefillTest, TheHitPastAThousandFillsTheSecondGroupInItsOwnRefill)
{
    host.cat = MojiRandomR1;
    core.StartGame();
    core.Score = 1000 - 45 + 1;
    core.MojiY[1] = 0;
    core.TamaOn[1] = true;
    core.TamaY[1] = 25;
    core.TimerTimer();
    EXPECT_TRUE(core.Over1000);
    for (int i = 4; i <= 6; ++i)
        EXPECT_FALSE(core.MojiInput[i].empty());
    EXPECT_EQ(core.MojiY[4], -49);
    EXPECT_EQ(core.MojiY[5], -299);
    EXPECT_EQ(core.MojiY[6], -499);
}

TEST_F(RefillTest, ArithmeticCategoriesShareOneGeneratorAndOthersFillNothing)
{
    for (std::int32_t cat : {Tasizan, Hikizan, Kakezan, Warizan}) {
        host.cat = cat;
        core.StartGame();
        EXPECT_FALSE(core.MojiInput[1].empty()) << cat;
        EXPECT_NE(core.MojiView[1], core.MojiInput[1]) << cat;
        core.EndGame();
    }
    host.cat = 16;
    core.StartGame();
    EXPECT_TRUE(core.MojiInput[1].empty());
}
