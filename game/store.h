#pragma once
// The settings and records store: the two options and every category's best score, hit and
// miss counts and practice time, live from the load at start-up to the save at exit, and the
// text rules of the records page.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace platform {
class TRegistryIniFile;
}

namespace zelmo {

// The registry section of the settings and records, under HKEY_CURRENT_USER\Software.
inline constexpr std::string_view StoreKey = "Software";
inline constexpr std::string_view StoreSection = "zelmo_dan";

// Cumulative hits (A) and misses (H) of one category.
struct TSeikairituCount
{
    std::int32_t A = 0;
    std::int32_t H = 0;
};

// A × 100 / (A + H) as "#0.00" text: two decimals, halves away from zero. A == 0 gives "0.00"
// without looking at H. Raises the overflow error when A × 100 or A + H leaves 32 bits, and
// "Floating point division by zero" when A + H is 0 while A is not.
std::u16string accuracyText(std::int32_t A, std::int32_t H);

// An accumulated practice time in days as H:mm:ss: the hours are not wrapped at a day and have
// no leading zero, the milliseconds are dropped. Negative or non-finite times read "0:00:00".
std::u16string timeText(double days);

// The longest practice time the load accepts, in days; a longer stored time loads as 0.
inline constexpr double MaxStoredDays = 100 * 365.25;

class RecordStore
{
public:
    RecordStore();

    // The two options; the dialog's check boxes hold the same values.
    bool SoundPlay = true;
    bool ArrayJyunban = true;

    // The captions of category k's record labels: the best score as decimal text, the accuracy
    // text and the time text ("0" for each until the load reaches them).
    std::u16string hiScoreCaption(int k) const;
    std::u16string accuracyCaption(int k) const;
    std::u16string timeCaption(int k) const;
    // The exact accumulated practice time of category k, in days.
    double timeDays(int k) const;

    std::array<TSeikairituCount, 16> SeikairituCounts{};

    // Reads the 66 values of the section in their order: both options, 16 best scores,
    // 16 hit counts, 16 miss counts, 16 times, then computes the accuracies. A failing read
    // raises its error after what was read before has been taken; the rest keeps its state.
    void load(platform::TRegistryIniFile &ini);
    // Writes the 66 values in the load's order: the best scores parsed from their captions,
    // the exact practice times.
    void save(platform::TRegistryIniFile &ini) const;
    // Clears every record in memory: best scores "0", counts 0, accuracies "0.00", times 0.
    // The two options stay.
    void reset();
    // Books a finished game into category k: the best score caption, the hit and miss counts,
    // the accuracy and the exact elapsed time (days) added to the practice time. An overflow
    // raises its error; the steps done before it stay done. k outside 0..15 books nothing.
    void book(int k, std::int32_t gameHiScore, std::int32_t atariCount, std::int32_t hazureCount,
              double elapsedDays);

    // Called after every load, reset and booking, also after a failed one.
    std::function<void()> changed;

private:
    struct Row
    {
        std::u16string hiScore = u"0";
        std::u16string accuracy = u"0";
        std::u16string time = u"0";
        double days = 0;
    };
    const Row &row(int k) const;
    void notify() const;

    std::array<Row, 16> m_rows;
};

} // namespace zelmo
