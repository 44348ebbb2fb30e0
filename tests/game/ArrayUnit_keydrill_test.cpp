// The two key drills: three keys of the keyboard rows per entry, the one-row and two-row
// column patterns the sections share, and the mix of the two all-rows sections.

#include "content_support.h"
#include "game/ArrayUnit.h"
#include "game/categories.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zelmo {
namespace {

using test::sectionTexts;
using test::toUtf16;

enum Row { Home, Bottom, Top, Number };

struct Key
{
    Row row;
    int column; // 1 to 10 from the left
    bool operator==(const Key &) const = default;
};

using Keys = std::vector<Key>;

// Columns 1 to 10 of each row: the letter rows, and the kana of the JIS kana layout.
const std::map<Row, std::u16string> romajiRows = {
    {Home, u"ASDFGHJKL;"}, {Bottom, u"ZXCVBNM,./"}, {Top, u"QWERTYUIOP"}};
const std::map<Row, std::u16string> kanaRows = {
    {Home, u"ﾁﾄｼﾊｷｸﾏﾉﾘﾚ"}, {Bottom, u"ﾂｻｿﾋｺﾐﾓﾈﾙﾒ"}, {Top, u"ﾀﾃｲｽｶﾝﾅﾆﾗｾ"}, {Number, u"ﾇﾌｱｳｴｵﾔﾕﾖﾜ"}};

Keys keysOf(std::string_view entry, const std::map<Row, std::u16string> &rows)
{
    Keys keys;
    for (const char16_t c : toUtf16(entry)) {
        bool found = false;
        for (const auto &[row, chars] : rows) {
            if (const auto at = chars.find(c); at != std::u16string::npos) {
                keys.push_back({row, static_cast<int>(at) + 1});
                found = true;
            }
        }
        if (!found) {
            keys.push_back({Home, 0});
        }
    }
    return keys;
}

std::vector<Keys> sectionKeys(TMojiSyurui category, std::int32_t level)
{
    const auto &rows = category == RomajiKiso ? romajiRows : kanaRows;
    std::vector<Keys> out;
    for (const auto text : sectionTexts(category, level)) {
        out.push_back(keysOf(text, rows));
    }
    return out;
}

std::vector<int> columnsOf(const Keys &keys)
{
    std::vector<int> columns;
    for (const Key &k : keys) {
        columns.push_back(k.column);
    }
    return columns;
}

std::vector<int> mirrored(std::vector<int> columns)
{
    for (int &c : columns) {
        c = 11 - c;
    }
    return columns;
}

bool distinct(const Keys &keys)
{
    std::set<std::pair<int, int>> seen;
    for (const Key &k : keys) {
        seen.insert({k.row, k.column});
    }
    return seen.size() == keys.size();
}

std::set<Row> rowsOf(const Keys &keys)
{
    std::set<Row> rows;
    for (const Key &k : keys) {
        rows.insert(k.row);
    }
    return rows;
}

struct RowSection
{
    TMojiSyurui category;
    std::int32_t level;
    Row row;
};

const std::vector<RowSection> oneRowSections = {
    {RomajiKiso, 0, Home}, {RomajiKiso, 1, Bottom}, {RomajiKiso, 2, Top}, {KanaKiso, 0, Home},
    {KanaKiso, 1, Bottom}, {KanaKiso, 2, Top},      {KanaKiso, 3, Number}};

struct TwoRowSection
{
    TMojiSyurui category;
    std::int32_t level;
    Row base;
    Row second;
};

const std::vector<TwoRowSection> twoRowSections = {{RomajiKiso, 3, Home, Bottom},
                                                   {RomajiKiso, 4, Home, Top},
                                                   {KanaKiso, 4, Home, Bottom},
                                                   {KanaKiso, 5, Number, Top}};

TEST(KeyDrills, EveryEntryIsThreeKeysOfTheRows)
{
    for (const TMojiSyurui category : {RomajiKiso, KanaKiso}) {
        const auto &rows = category == RomajiKiso ? romajiRows : kanaRows;
        for (const auto text : test::tableTexts(category)) {
            const Keys keys = keysOf(text, rows);
            ASSERT_EQ(keys.size(), 3u) << text;
            for (const Key &k : keys) {
                EXPECT_GE(k.column, 1) << text;
            }
        }
    }
}

TEST(KeyDrills, OneRowSectionsShareTheirColumnsEntryForEntry)
{
    const auto reference = sectionKeys(RomajiKiso, 0);
    ASSERT_EQ(reference.size(), 60u);
    for (const RowSection &s : oneRowSections) {
        SCOPED_TRACE(std::string(categories[s.category].word) + " level " +
                     std::to_string(s.level));
        const auto keys = sectionKeys(s.category, s.level);
        ASSERT_EQ(keys.size(), 60u);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            EXPECT_EQ(rowsOf(keys[k]), std::set<Row>{s.row}) << "entry " << k + 1;
            EXPECT_EQ(columnsOf(keys[k]), columnsOf(reference[k])) << "entry " << k + 1;
        }
    }
}

TEST(KeyDrills, OneRowPatternHasItsFourBlocks)
{
    const auto keys = sectionKeys(RomajiKiso, 0);
    for (std::size_t k = 0; k < 10; ++k) {
        const auto columns = columnsOf(keys[k]);
        EXPECT_TRUE(distinct(keys[k])) << "entry " << k + 1;
        for (const int c : columns) {
            EXPECT_LE(c, 5) << "entry " << k + 1;
        }
        EXPECT_EQ(columnsOf(keys[k + 10]), mirrored(columns)) << "entry " << k + 11;
    }
    const std::array<std::pair<int, int>, 5> pairs{{{4, 7}, {3, 8}, {2, 9}, {1, 10}, {5, 6}}};
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        const auto [x, y] = pairs[p];
        EXPECT_EQ(columnsOf(keys[20 + 2 * p]), (std::vector<int>{x, y, x}));
        EXPECT_EQ(columnsOf(keys[21 + 2 * p]), (std::vector<int>{y, x, y}));
    }
    for (std::size_t k = 30; k < 60; ++k) {
        const auto columns = columnsOf(keys[k]);
        EXPECT_TRUE(distinct(keys[k])) << "entry " << k + 1;
        const bool left = std::any_of(columns.begin(), columns.end(), [](int c) { return c <= 5; });
        const bool right = std::any_of(columns.begin(), columns.end(), [](int c) { return c > 5; });
        EXPECT_TRUE(left && right) << "entry " << k + 1 << " is not of both hands";
    }
}

TEST(KeyDrills, OnlyOneRowEntries21To30RepeatAKey)
{
    for (const TMojiSyurui category : {RomajiKiso, KanaKiso}) {
        std::set<std::int32_t> allowed;
        for (const RowSection &s : oneRowSections) {
            if (s.category == category) {
                const std::int32_t start = levelSection(category, s.level)->start;
                for (std::int32_t i = start + 20; i < start + 30; ++i) {
                    allowed.insert(i);
                }
            }
        }
        const auto &rows = category == RomajiKiso ? romajiRows : kanaRows;
        const auto texts = test::tableTexts(category);
        std::set<std::int32_t> repeating;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (!distinct(keysOf(texts[i], rows))) {
                repeating.insert(static_cast<std::int32_t>(i));
            }
        }
        EXPECT_EQ(repeating, allowed) << categories[category].word;
    }
}

// The two-row pattern as roles: 'b' a base-row key, 's' a second-row key, with its column.
std::vector<std::pair<std::string, std::vector<int>>> roles(const TwoRowSection &s)
{
    std::vector<std::pair<std::string, std::vector<int>>> out;
    for (const Keys &keys : sectionKeys(s.category, s.level)) {
        std::string pattern;
        for (const Key &k : keys) {
            pattern += k.row == s.base ? 'b' : k.row == s.second ? 's' : '?';
        }
        out.push_back({pattern, columnsOf(keys)});
    }
    return out;
}

TEST(KeyDrills, TwoRowSectionsShareTheirPattern)
{
    const auto reference = roles(twoRowSections[0]);
    ASSERT_EQ(reference.size(), 90u);
    for (const TwoRowSection &s : twoRowSections) {
        SCOPED_TRACE(std::string(categories[s.category].word) + " level " +
                     std::to_string(s.level));
        const auto pattern = roles(s);
        EXPECT_EQ(pattern, reference);
        for (const Keys &keys : sectionKeys(s.category, s.level)) {
            EXPECT_EQ(rowsOf(keys), (std::set<Row>{s.base, s.second}));
            EXPECT_TRUE(distinct(keys));
        }
    }
}

TEST(KeyDrills, TwoRowPatternHasItsBlocksAndMixes)
{
    const auto pattern = roles(twoRowSections[0]);
    for (std::size_t k = 0; k < 60; ++k) {
        EXPECT_EQ(pattern[k].first, "bss") << "entry " << k + 1;
    }
    for (const std::size_t block : {0u, 20u, 40u}) {
        for (std::size_t k = block; k < block + 10; ++k) {
            for (const int c : pattern[k].second) {
                EXPECT_LE(c, 5) << "entry " << k + 1;
            }
            EXPECT_EQ(pattern[k + 10].second, mirrored(pattern[k].second)) << "entry " << k + 11;
        }
    }
    std::map<std::string, int> mixes;
    for (std::size_t k = 60; k < 90; ++k) {
        ++mixes[pattern[k].first];
    }
    const std::map<std::string, int> expected = {{"bss", 10}, {"sbs", 9}, {"ssb", 5},
                                                 {"bbs", 2},  {"sbb", 2}, {"bsb", 2}};
    EXPECT_EQ(mixes, expected);
}

TEST(KeyDrills, AllRowsSectionsMixTheRows)
{
    std::map<std::size_t, int> romajiRowCounts;
    const auto romaji = sectionKeys(RomajiKiso, 5);
    for (const Keys &keys : romaji) {
        EXPECT_TRUE(distinct(keys));
        ++romajiRowCounts[rowsOf(keys).size()];
    }
    EXPECT_EQ(romajiRowCounts, (std::map<std::size_t, int>{{2, 14}, {3, 76}}));

    std::map<std::size_t, int> kanaRowCounts;
    std::map<long, int> numberKeys;
    for (const Keys &keys : sectionKeys(KanaKiso, 6)) {
        EXPECT_TRUE(distinct(keys));
        ++kanaRowCounts[rowsOf(keys).size()];
        ++numberKeys[std::count_if(keys.begin(), keys.end(),
                                   [](const Key &k) { return k.row == Number; })];
    }
    EXPECT_EQ(kanaRowCounts, (std::map<std::size_t, int>{{2, 42}, {3, 48}}));
    EXPECT_EQ(numberKeys, (std::map<long, int>{{1, 66}, {2, 24}}));
}

TEST(KeyDrills, NoSectionRepeatsAnEntry)
{
    for (const TMojiSyurui category : {RomajiKiso, KanaKiso}) {
        const auto levels = static_cast<std::int32_t>(categories[category].levels.size());
        for (std::int32_t level = 0; level < levels; ++level) {
            const auto texts = sectionTexts(category, level);
            const std::set<std::string_view> unique(texts.begin(), texts.end());
            EXPECT_EQ(unique.size(), texts.size()) << categories[category].word << " " << level;
        }
    }
}

} // namespace
} // namespace zelmo
