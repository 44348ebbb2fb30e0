// The texts of all seven tables: code page 932 safe, no spaces, and the quoted samples in
// their sections.

#include "content_support.h"
#include "game/ArrayUnit.h"
#include "game/categories.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

namespace zelmo {
namespace {

using test::sectionTexts;
using test::throughCodePage932;
using test::toUtf16;

struct NamedTable
{
    const char *name;
    std::span<const char *const> entries;
};

const NamedTable allTables[] = {
    {"RomajiKisoArray", RomajiKisoArray},
    {"KanaKisoArray", KanaKisoArray},
    {"JpRomajiArray", JpRomajiArray},
    {"JpKanaArray", JpKanaArray},
    {"EigoArray", EigoArray},
    {"JpKanjiArray", JpKanjiArray},
    {"JpRomajiKanjiArray", JpRomajiKanjiArray},
};

TEST(ContentText, EveryEntrySurvivesCodePage932Unchanged)
{
    for (const NamedTable &table : allTables) {
        for (std::size_t i = 0; i < table.entries.size(); ++i) {
            const std::string_view text = table.entries[i];
            const auto back = throughCodePage932(text);
            ASSERT_TRUE(back.has_value()) << table.name << "[" << i << "] " << text;
            EXPECT_EQ(*back, text) << table.name << "[" << i << "]";
        }
    }
}

TEST(ContentText, EntriesAreNonEmptyValidUtf8WithoutSpaces)
{
    for (const NamedTable &table : allTables) {
        for (std::size_t i = 0; i < table.entries.size(); ++i) {
            ASSERT_NE(table.entries[i], nullptr) << table.name << "[" << i << "]";
            const std::u16string wide = toUtf16(table.entries[i]);
            EXPECT_FALSE(wide.empty()) << table.name << "[" << i << "]";
            EXPECT_EQ(wide.find_first_of(u" \u3000"), std::u16string::npos)
                << table.name << "[" << i << "] " << table.entries[i];
        }
    }
}

TEST(ContentText, VoicedHalfWidthKanaCountsTwoCharacters)
{
    const std::u16string akebi = toUtf16("ｱｹﾋﾞ");
    ASSERT_EQ(akebi.size(), 4u);
    EXPECT_EQ(akebi.back(), u'\uFF9E');
    const auto section = sectionTexts(JpKana, 1);
    EXPECT_NE(std::find(section.begin(), section.end(), "ｱｹﾋﾞ"), section.end());
}

struct Samples
{
    TMojiSyurui category;
    std::int32_t level;
    std::vector<std::string_view> texts;
};

const std::vector<Samples> quotedSamples = {
    {RomajiKiso, 0, {"FGD", "FDG", "DFS"}},
    {RomajiKiso, 1, {"VBC", "VCB"}},
    {RomajiKiso, 2, {"RTE", "RET"}},
    {RomajiKiso, 3, {"FCV", "FCB", "DXV"}},
    {RomajiKiso, 4, {"FER", "FET", "DWR"}},
    {RomajiKiso, 5, {"FEX", "FCW", "BDW"}},
    {KanaKiso, 0, {"ﾊｷｼ", "ﾊｼｷ"}},
    {KanaKiso, 1, {"ﾋｺｿ"}},
    {KanaKiso, 2, {"ｽｶｲ"}},
    {KanaKiso, 3, {"ｳｴｱ", "ｳｱｴ"}},
    {KanaKiso, 4, {"ﾊｿﾋ", "ﾊｿｺ"}},
    {KanaKiso, 5, {"ｳｲｽ", "ｳｲｶ"}},
    {KanaKiso, 6, {"ﾊｳｿ", "ｼｱﾋ"}},
    {JpRomaji, 0, {"ANE", "ANI", "INE"}},
    {JpRomaji, 1, {"ABURA", "ATAMA", "ASITA"}},
    {JpRomaji, 2, {"ABEKKU", "ARIKUI", "ASATTE"}},
    {JpRomaji, 3, {"ABURANA", "AMEMASU"}},
    {JpRomaji, 4, {"BENNGOSI", "YUUENNTI", "ZENNSOKU"}},
    {JpKana, 0, {"ｱｼ", "ｲｽ", "ｲﾇ"}},
    {JpKana, 1, {"ｱｹﾋﾞ", "ｱｻｯﾃ"}},
    {JpKana, 2, {"ｱﾌﾞﾗﾅ", "ｱﾒｼｽﾄ"}},
    {JpKana, 3, {"ｱｸｱﾏﾘﾝ", "ｱｺﾞﾊｾﾞ"}},
    {JpKana, 4, {"ﾓｸｽﾞｶﾞﾆ"}},
    {JpKana, 5, {"ｳﾏﾉｽｽﾞｸｻ"}},
    {Eigo, 0, {"ART", "FLY", "FOG"}},
    {Eigo, 1, {"BOLD", "CAVE", "CODE"}},
    {Eigo, 2, {"ADMIT", "AFTER", "AGAIN"}},
    {Eigo, 3, {"AERIAL", "AFRAID", "AMOUNT"}},
    {Eigo, 4, {"ACCOUNT", "AGAINST", "ALLOWED"}},
    {Eigo, 5, {"ADVANCED", "ADDITION", "AIRCRAFT"}},
    {JpKanji, 0, {"一", "右", "雨"}},
    {JpKanji, 1, {"引", "羽", "雲"}},
    {JpKanji, 2, {"悪", "安", "暗"}},
    {JpKanji, 3, {"愛", "案", "以"}},
    {JpKanji, 4, {"圧", "易", "移"}},
    {JpKanji, 5, {"異", "遺", "域"}},
    {JpKanji, 6, {"安心立命", "以心伝心"}},
    {JpKanji, 7, {"兜を脱ぐ", "襟を正す"}},
    {JpKanji, 8, {"糠に釘", "三日坊主"}},
};

TEST(ContentText, QuotedSamplesStandInTheirSections)
{
    for (const Samples &s : quotedSamples) {
        const auto section = sectionTexts(s.category, s.level);
        for (const std::string_view text : s.texts) {
            EXPECT_NE(std::find(section.begin(), section.end(), text), section.end())
                << categories[s.category].word << " level " << s.level << ": " << text;
        }
    }
}

TEST(ContentText, SchoolYearsAndKeyRowsBeginWithTheirSamples)
{
    const std::vector<Samples> firsts = {
        {RomajiKiso, 0, {"FGD", "FDG", "DFS"}},
        {RomajiKiso, 1, {"VBC", "VCB"}},
        {RomajiKiso, 2, {"RTE", "RET"}},
        {RomajiKiso, 3, {"FCV", "FCB", "DXV"}},
        {RomajiKiso, 4, {"FER", "FET", "DWR"}},
        {KanaKiso, 0, {"ﾊｷｼ", "ﾊｼｷ"}},
        {KanaKiso, 1, {"ﾋｺｿ"}},
        {KanaKiso, 2, {"ｽｶｲ"}},
        {KanaKiso, 3, {"ｳｴｱ", "ｳｱｴ"}},
        {KanaKiso, 4, {"ﾊｿﾋ", "ﾊｿｺ"}},
        {KanaKiso, 5, {"ｳｲｽ", "ｳｲｶ"}},
        {JpKanji, 0, {"一", "右", "雨"}},
        {JpKanji, 1, {"引", "羽", "雲"}},
        {JpKanji, 2, {"悪", "安", "暗"}},
        {JpKanji, 3, {"愛", "案", "以"}},
        {JpKanji, 4, {"圧", "易", "移"}},
        {JpKanji, 5, {"異", "遺", "域"}},
    };
    for (const Samples &s : firsts) {
        const auto section = sectionTexts(s.category, s.level);
        ASSERT_GE(section.size(), s.texts.size());
        EXPECT_TRUE(std::equal(s.texts.begin(), s.texts.end(), section.begin()))
            << categories[s.category].word << " level " << s.level << " begins " << section[0];
    }
}

TEST(ContentText, RomajiWordsHaveTheirWrittenFormAtTheSameIndex)
{
    const auto romaji = std::span(JpRomajiArray);
    const auto abura = std::find(romaji.begin(), romaji.end(), std::string_view("ABURA"));
    ASSERT_NE(abura, romaji.end());
    EXPECT_STREQ(JpRomajiKanjiArray[abura - romaji.begin()], "油");
}

} // namespace
} // namespace zelmo
