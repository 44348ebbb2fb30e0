#pragma once
// The game's rules in plain C++: the nine target slots and the globals of the main window's
// unit, the 30 ms tick, the answer entry, the refill frame with its generators, and the start,
// stop and booking of a game. The main window owns one GameCore and draws what it holds.

#include "game/random.h"
#include "platform/clock.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zelmo {

inline constexpr int SlotCount = 9;

// Per-slot values are indexed 1 to 9; index 0 is unused.
template <typename T> using SlotArray = std::array<T, SlotCount + 1>;

inline constexpr SlotArray<std::int32_t> MojiStartY{0,    -30,  -200, -600, -50,
                                                    -300, -500, -100, -400, -550};
inline constexpr SlotArray<std::int32_t> MojiRightStep{0, 2, 1, 1, 1, 2, 1, 1, 1, 2};
inline constexpr SlotArray<std::int32_t> MojiLeftStep{0, 1, 2, 1, 1, 1, 2, 2, 1, 1};

struct TextExtent
{
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// What the rules read of the settings dialog and ask of the window and the platform.
class GameHost
{
public:
    virtual ~GameHost() = default;
    virtual std::int32_t category() const = 0;    // Moji_Syurui's item index
    virtual std::int32_t level() const = 0;       // Moji_Lebel's item index
    virtual bool randomOrder() const = 0;         // ArrayJyunban checked
    virtual bool soundOn() const = 0;             // SoundPlay checked, read at every play
    virtual std::u16string titleText() const = 0; // AppTitleVerLbl's caption
    virtual void playSound(std::string_view name) = 0;
    // The extent of a target text in the drawing surface's current font.
    virtual TextExtent measure(const std::u16string &text) = 0;
    // Books a finished game into category k's live records; may raise.
    virtual void book(std::int32_t k, std::int32_t gameHiScore, std::int32_t atariCount,
                      std::int32_t hazureCount, double elapsedDays) = 0;
};

enum GameStates : std::int32_t { TitleState = 0, StoppedState = 1, PlayingState = 2 };

class GameCore
{
public:
    GameCore(GameHost &host, RandomSource &random, const platform::MonotonicClock &clock);

    // Creation: geometry of the primary screen, the slots' first values, captions and state.
    void FormCreateValues(std::int32_t screenWidth, std::int32_t screenHeight);

    // One 30 ms tick without the drawing; may raise (overflow, range).
    void TimerTimer();
    // A typed character; returns true when it was consumed (text emptied, key swallowed).
    bool FormKeyPress(std::u16string &text, char16_t &key);

    // Start action of the start button from the stopped state.
    void StartGame();
    // Ends a running game: stopped state, start caption "スタート", booking.
    void EndGame();
    void JyohouSet();

    // Refills every free slot of the open groups from the chosen category, then measures.
    void MojiArray();
    void MojiWidth();

    // Geometry values, fixed for the run.
    std::int32_t ScreenWidth = 0, ScreenHeight = 0, FieldWidth = 0, FieldHeight = 0;
    std::int32_t InfoX = 0, HiScoreX = 0;

    // Game globals.
    std::int32_t GameState = TitleState;
    std::int32_t TitleTicks = 0;
    std::int32_t Life = 100;
    std::int32_t Score = 0;
    std::int32_t FallSpeed = 0;
    std::int32_t AtariCount = 0;
    std::int32_t HazureCount = 0;
    bool Over1000 = false, Over2500 = false;
    std::int32_t GameHiScore = 0;
    double PlayTime = 0; // the start moment of the game, in days of the monotonic clock
    std::u16string SyuruiName = u"基礎 ローマ字入力";
    std::u16string LebelName = u"中段";
    std::int32_t ArrayPos = 0, ArrayRange = 0;

    // Captions of the main window's labels that the rules set.
    std::u16string StartCaption = u"スタート";
    std::u16string GameOverCaption;

    // The nine target slots.
    SlotArray<std::u16string> MojiInput, MojiView;
    SlotArray<std::int32_t> MojiX{}, MojiY{}, MojiViewWidth{}, MojiViewHeight{};
    SlotArray<bool> MojiLeft{}, TamaOn{};
    SlotArray<std::int32_t> TamaX{}, TamaY{};

private:
    void Sound(std::string_view name);
    void fillSlot(std::int32_t category, std::int32_t slot);
    void tableSet(std::int32_t category, std::int32_t slot);
    void posWrap(std::int32_t category);
    void emptySlot(std::int32_t slot);

    GameHost &m_host;
    RandomSource &m_random;
    const platform::MonotonicClock &m_clock;
};

} // namespace zelmo
