#include "game/gamecore.h"

#include "game/ArrayUnit.h"
#include "game/categories.h"
#include "game/drills.h"
#include "platform/errors.h"
#include "platform/text.h"

namespace zelmo {

using platform::checkedAdd;
using platform::checkedSub;

GameCore::GameCore(GameHost &host, RandomSource &random, const platform::MonotonicClock &clock)
    : m_host(host), m_random(random), m_clock(clock)
{}

void GameCore::FormCreateValues(std::int32_t screenWidth, std::int32_t screenHeight)
{
    ScreenHeight = screenHeight;
    ScreenWidth = screenWidth;
    FieldHeight = checkedSub(ScreenHeight, 71);
    FieldWidth = ScreenWidth;
    InfoX = checkedSub(ScreenWidth, 140);
    HiScoreX = ScreenWidth / 2 - 80;
    for (int i = 1; i <= SlotCount; ++i) {
        TamaY[i] = ScreenHeight;
        TamaX[i] = 100;
        TamaOn[i] = false;
        MojiY[i] = -30;
        MojiX[i] = m_random.Random(ScreenWidth - 100);
    }
    SyuruiName = u"基礎 ローマ字入力";
    LebelName = u"中段";
    Life = 100;
    Score = 0;
    GameState = TitleState;
}

void GameCore::Sound(std::string_view name)
{
    if (m_host.soundOn())
        m_host.playSound(name);
}

void GameCore::emptySlot(std::int32_t slot)
{
    MojiInput[slot].clear();
    MojiView[slot].clear();
}

void GameCore::TimerTimer()
{
    if (GameState == PlayingState) {
        if (Life <= 0) {
            GameState = StoppedState;
            Sound("endbaan");
            StartCaption = u"START";
            GameOverCaption = u"ゲーム　オーバー";
            JyohouSet();
        }

        for (int i = 1; i <= SlotCount; ++i) {
            if (!TamaOn[i])
                continue;
            TamaX[i] = checkedAdd(MojiX[i], MojiViewWidth[i] / 2);
            TamaY[i] = checkedSub(TamaY[i], 15);
            if (checkedAdd(MojiY[i], MojiViewHeight[i]) > TamaY[i]) {
                Sound("atari");
                AtariCount = checkedAdd(AtariCount, 1);
                const std::int32_t points =
                    checkedAdd(checkedAdd(30, platform::checkedMul(10, FallSpeed)),
                               platform::checkedMul(5, checkedAdd(m_host.level(), 1)));
                Score = checkedAdd(Score, points);
                if (GameHiScore < Score)
                    GameHiScore = Score;
                emptySlot(i);
                MojiY[i] = -80;
                TamaY[i] = ScreenHeight;
                TamaOn[i] = false;
                MojiArray();
            }
        }

        if (Score > 4000) {
            FallSpeed = 2;
        } else if (Score > 2500 && !Over2500) {
            Over2500 = true;
            MojiArray();
        } else if (Score > 1000 && !Over1000) {
            Over1000 = true;
            MojiArray();
        }

        const int lastSlot = Score > 2500 ? 9 : Score > 1000 ? 6 : 3;
        for (int i = 1; i <= lastSlot; ++i) {
            MojiY[i] = checkedAdd(MojiY[i], FallSpeed);
            if (checkedAdd(MojiY[i], MojiViewHeight[i]) > FieldHeight) {
                Sound("baan");
                HazureCount = checkedAdd(HazureCount, 1);
                emptySlot(i);
                Life = checkedSub(Life, 10);
                MojiY[i] = -50;
                MojiArray();
            }
            if (checkedAdd(MojiX[i], MojiViewWidth[i]) > ScreenWidth) {
                MojiLeft[i] = true;
            } else if (MojiX[i] < 0) {
                MojiLeft[i] = false;
            } else if (m_random.Random(500) == i) {
                MojiLeft[i] = !MojiLeft[i];
            }
            MojiX[i] = MojiLeft[i] ? checkedSub(MojiX[i], MojiLeftStep[i])
                                   : checkedAdd(MojiX[i], MojiRightStep[i]);
        }
    } else if (GameState == TitleState) {
        GameOverCaption = m_host.titleText();
        TitleTicks = checkedAdd(TitleTicks, 1);
        if (TitleTicks > 40) {
            GameOverCaption.clear();
            GameState = StoppedState;
        }
    }
}

bool GameCore::FormKeyPress(std::u16string &text, char16_t &key)
{
    if (GameState != PlayingState || text.empty() || key != u'\r')
        return false;
    bool hit = false;
    for (int i = 1; i <= SlotCount; ++i) {
        if (text == MojiInput[i]) {
            TamaOn[i] = true;
            hit = true;
            break;
        }
    }
    if (!hit) {
        Sound("hazure");
        HazureCount = checkedAdd(HazureCount, 1);
        Life = checkedSub(Life, 20);
    }
    text.clear();
    key = u'\0';
    return true;
}

void GameCore::StartGame()
{
    if (auto section = levelSection(m_host.category(), m_host.level())) {
        ArrayPos = section->start;
        ArrayRange = section->size();
    }
    Life = 100;
    Score = 0;
    FallSpeed = 1;
    GameOverCaption.clear();
    for (int i = 1; i <= SlotCount; ++i) {
        TamaOn[i] = false;
        TamaY[i] = ScreenHeight;
        TamaX[i] = 100;
        MojiY[i] = MojiStartY[i];
        emptySlot(i);
        MojiX[i] = m_random.Random(ScreenWidth - 100);
        MojiLeft[i] = m_random.Random(2) == 1;
    }
    GameState = PlayingState;
    StartCaption = u"ストップ";
    Over1000 = false;
    Over2500 = false;
    AtariCount = 0;
    HazureCount = 0;
    PlayTime = m_clock.nowDays();
    MojiArray();
}

void GameCore::EndGame()
{
    GameState = StoppedState;
    StartCaption = u"スタート";
    JyohouSet();
}

void GameCore::JyohouSet()
{
    PlayTime = m_clock.nowDays() - PlayTime;
    const std::int32_t k = m_host.category();
    if (k >= 0 && k < CategoryCount)
        m_host.book(k, GameHiScore, AtariCount, HazureCount, PlayTime);
    PlayTime = 0;
    AtariCount = 0;
    HazureCount = 0;
}

void GameCore::MojiArray()
{
    const std::int32_t category = m_host.category();
    if (category < 0 || category >= CategoryCount)
        return;
    auto fillGroup = [&](int first) {
        for (int i = first; i < first + 3; ++i)
            if (MojiInput[i].empty())
                fillSlot(category, i);
    };
    fillGroup(1);
    if (Score > 1000)
        fillGroup(4);
    if (Score > 2500)
        fillGroup(7);
    MojiWidth();
}

void GameCore::fillSlot(std::int32_t category, std::int32_t slot)
{
    platform::checkRange(slot, 1, SlotCount);
    SlotText text;
    switch (category) {
    case RomajiKiso:
    case KanaKiso:
    case JpRomaji:
    case JpKana:
    case Eigo:
    case JpKanji:
        tableSet(category, slot);
        return;
    case SujiRandom:
        text = SujiRandomSet(m_random, m_host.level());
        break;
    case MojiRandomR1:
        text = MojiRandomR1Set(m_random, m_host.level());
        break;
    case MojiRandomR2:
        text = MojiRandomR2Set(m_random, m_host.level());
        break;
    case MojiRandomK:
        text = MojiRandomKSet(m_random, m_host.level());
        break;
    case Obun:
        text = ObunSet(m_random);
        break;
    case Wabun:
        text = WabunSet(m_random);
        break;
    default:
        text = KeisanSet(m_random, category, m_host.level());
        break;
    }
    MojiInput[slot] = std::move(text.input);
    MojiView[slot] = std::move(text.view);
}

void GameCore::tableSet(std::int32_t category, std::int32_t slot)
{
    const auto table = contentTable(category);
    if (!table)
        return;
    const bool random = m_host.randomOrder();
    const std::int32_t k = random ? checkedAdd(ArrayPos, m_random.Random(ArrayRange)) : ArrayPos;
    platform::checkRange(k, 0, table->count - 1);
    MojiInput[slot] = platform::utf8ToUtf16(table->entries[k]);
    MojiView[slot] = MojiInput[slot];
    if (!random) {
        ArrayPos = checkedAdd(ArrayPos, 1);
        posWrap(category);
    }
}

void GameCore::posWrap(std::int32_t category)
{
    if (auto section = levelSection(category, m_host.level()); section && ArrayPos >= section->end)
        ArrayPos = section->start;
}

void GameCore::MojiWidth()
{
    for (int i = 1; i <= SlotCount; ++i) {
        if (MojiInput[i].empty())
            continue;
        const TextExtent extent = m_host.measure(MojiView[i]);
        MojiViewWidth[i] = extent.width;
        MojiViewHeight[i] = extent.height;
    }
}

} // namespace zelmo
