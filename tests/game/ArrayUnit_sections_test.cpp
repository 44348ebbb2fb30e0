// The level sections: their bounds, their count per category and the look-up around them.

#include "game/ArrayUnit.h"
#include "game/categories.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <utility>
#include <vector>

namespace zelmo {
namespace {

struct TableCase
{
    TMojiSyurui category;
    std::int32_t count;
    std::vector<std::pair<std::int32_t, std::int32_t>> sections;
};

const std::vector<TableCase> tableCases = {
    {RomajiKiso, 450, {{0, 60}, {60, 120}, {120, 180}, {180, 270}, {270, 360}, {360, 450}}},
    {KanaKiso,
     510,
     {{0, 60}, {60, 120}, {120, 180}, {180, 240}, {240, 330}, {330, 420}, {420, 510}}},
    {JpRomaji, 809, {{0, 85}, {85, 198}, {198, 430}, {430, 592}, {592, 809}}},
    {JpKana, 1160, {{0, 230}, {230, 510}, {510, 760}, {760, 960}, {960, 1080}, {1080, 1160}}},
    {Eigo, 3100, {{0, 80}, {80, 180}, {180, 940}, {940, 1830}, {1830, 2590}, {2590, 3100}}},
    {JpKanji,
     1598,
     {{0, 80},
      {80, 239},
      {239, 439},
      {439, 639},
      {639, 824},
      {824, 1005},
      {1005, 1242},
      {1242, 1385},
      {1385, 1498},
      {1498, 1598}}},
};

TEST(LevelSections, EachTableCategoryHasItsCountAndBounds)
{
    for (const TableCase &c : tableCases) {
        SCOPED_TRACE(categories[c.category].word);
        const auto table = contentTable(c.category);
        ASSERT_TRUE(table.has_value());
        EXPECT_EQ(table->count, c.count);
        ASSERT_EQ(c.sections.size(), categories[c.category].levels.size());
        for (std::size_t level = 0; level < c.sections.size(); ++level) {
            const auto section = levelSection(c.category, static_cast<std::int32_t>(level));
            ASSERT_TRUE(section.has_value()) << "level " << level;
            EXPECT_EQ(std::make_pair(section->start, section->end), c.sections[level]);
        }
    }
}

TEST(LevelSections, AreContiguousNoneEmptyAndEndAtTheCount)
{
    for (const TableCase &c : tableCases) {
        SCOPED_TRACE(categories[c.category].word);
        const auto levels = static_cast<std::int32_t>(categories[c.category].levels.size());
        std::int32_t start = 0;
        for (std::int32_t level = 0; level < levels; ++level) {
            const auto section = levelSection(c.category, level);
            ASSERT_TRUE(section.has_value());
            EXPECT_EQ(section->start, start);
            EXPECT_GT(section->size(), 0);
            start = section->end;
        }
        EXPECT_EQ(start, contentTable(c.category)->count);
        EXPECT_FALSE(levelSection(c.category, levels).has_value()) << "level past the list";
        EXPECT_FALSE(levelSection(c.category, -1).has_value());
    }
}

TEST(LevelSections, LastSectionsEndAtTheLastEntry)
{
    const auto poems = levelSection(JpKanji, 9);
    ASSERT_TRUE(poems.has_value());
    EXPECT_EQ(poems->start, 1498);
    EXPECT_EQ(poems->end - 1, 1597);
    const auto eightLetters = levelSection(Eigo, 5);
    ASSERT_TRUE(eightLetters.has_value());
    EXPECT_EQ(eightLetters->end - 1, 3099);
    EXPECT_EQ(eightLetters->size(), 510);
}

TEST(LevelSections, CategoriesWithoutATableHaveNoneAtAnyLevel)
{
    for (const TMojiSyurui category : {SujiRandom, MojiRandomR1, MojiRandomR2, MojiRandomK, Obun,
                                       Wabun, Tasizan, Hikizan, Kakezan, Warizan}) {
        SCOPED_TRACE(categories[category].word);
        EXPECT_FALSE(contentTable(category).has_value());
        for (const std::int32_t level : {0, 1, 5, -1}) {
            EXPECT_FALSE(levelSection(category, level).has_value()) << "level " << level;
        }
    }
    for (const std::int32_t category : {-1, 16, 1000}) {
        EXPECT_FALSE(contentTable(category).has_value());
        EXPECT_FALSE(levelSection(category, 0).has_value());
    }
    EXPECT_FALSE(levelSection(JpKanji, std::numeric_limits<std::int32_t>::min()).has_value());
    EXPECT_FALSE(levelSection(JpKanji, std::numeric_limits<std::int32_t>::max()).has_value());
}

TEST(ContentTables, AreTheUnitsArraysAndStayAfterTheExitStep)
{
    ArrayUnitInitialization();
    EXPECT_EQ(contentTable(RomajiKiso)->entries, RomajiKisoArray);
    EXPECT_EQ(contentTable(KanaKiso)->entries, KanaKisoArray);
    EXPECT_EQ(contentTable(JpRomaji)->entries, JpRomajiArray);
    EXPECT_EQ(contentTable(JpKana)->entries, JpKanaArray);
    EXPECT_EQ(contentTable(Eigo)->entries, EigoArray);
    EXPECT_EQ(contentTable(JpKanji)->entries, JpKanjiArray);
    static_assert(std::size(JpRomajiKanjiArray) == std::size(JpRomajiArray));
    ArrayUnitFinalization();
    EXPECT_STREQ(RomajiKisoArray[0], "FGD");
}

} // namespace
} // namespace zelmo
