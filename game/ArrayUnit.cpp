#include "game/ArrayUnit.h"

#include "game/categories.h"

#include <array>
#include <iterator>
#include <span>

namespace zelmo {
namespace {

// The end of each level section of a table, in level order; each section starts where the
// one before it ends, the first at 0. tools/gen_tables.py reads these lines.
constexpr std::int32_t romajiKisoEnds[] = {60, 120, 180, 270, 360, 450};
constexpr std::int32_t kanaKisoEnds[] = {60, 120, 180, 240, 330, 420, 510};
constexpr std::int32_t jpRomajiEnds[] = {85, 198, 430, 592, 809};
constexpr std::int32_t jpKanaEnds[] = {230, 510, 760, 960, 1080, 1160};
constexpr std::int32_t eigoEnds[] = {80, 180, 940, 1830, 2590, 3100};
constexpr std::int32_t jpKanjiEnds[] = {80, 239, 439, 639, 824, 1005, 1242, 1385, 1498, 1598};

struct PlayedTable
{
    std::int32_t category;
    const char *const *entries;
    std::int32_t count;
    std::span<const std::int32_t> ends;
};

constexpr std::int32_t countOf(const auto &array)
{
    return static_cast<std::int32_t>(std::size(array));
}

constexpr std::array<PlayedTable, 6> playedTables{{
    {RomajiKiso, RomajiKisoArray, countOf(RomajiKisoArray), romajiKisoEnds},
    {KanaKiso, KanaKisoArray, countOf(KanaKisoArray), kanaKisoEnds},
    {JpRomaji, JpRomajiArray, countOf(JpRomajiArray), jpRomajiEnds},
    {JpKana, JpKanaArray, countOf(JpKanaArray), jpKanaEnds},
    {Eigo, EigoArray, countOf(EigoArray), eigoEnds},
    {JpKanji, JpKanjiArray, countOf(JpKanjiArray), jpKanjiEnds},
}};

// One section per level, none empty, the last ending at the table's count.
constexpr bool sectionsFit(const PlayedTable &table)
{
    const auto &levels = categories[static_cast<std::size_t>(table.category)].levels;
    if (table.ends.size() != levels.size() || table.ends.back() != table.count) {
        return false;
    }
    std::int32_t start = 0;
    for (const std::int32_t end : table.ends) {
        if (end <= start) {
            return false;
        }
        start = end;
    }
    return true;
}

static_assert(sectionsFit(playedTables[0]) && sectionsFit(playedTables[1]) &&
              sectionsFit(playedTables[2]) && sectionsFit(playedTables[3]) &&
              sectionsFit(playedTables[4]) && sectionsFit(playedTables[5]));
static_assert(std::size(JpRomajiKanjiArray) == std::size(JpRomajiArray));

const PlayedTable *playedTable(std::int32_t category)
{
    for (const PlayedTable &table : playedTables) {
        if (table.category == category) {
            return &table;
        }
    }
    return nullptr;
}

} // namespace

std::optional<LevelSection> levelSection(std::int32_t category, std::int32_t level)
{
    const PlayedTable *table = playedTable(category);
    if (table == nullptr || level < 0 || static_cast<std::size_t>(level) >= table->ends.size()) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(level);
    return LevelSection{index == 0 ? 0 : table->ends[index - 1], table->ends[index]};
}

std::optional<ContentTable> contentTable(std::int32_t category)
{
    const PlayedTable *table = playedTable(category);
    if (table == nullptr) {
        return std::nullopt;
    }
    return ContentTable{table->entries, table->count};
}

void ArrayUnitInitialization()
{}

void ArrayUnitFinalization()
{}

} // namespace zelmo
