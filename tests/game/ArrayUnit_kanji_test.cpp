// JpKanjiArray: the school-year kanji, the idioms, phrases, proverbs and poems.

#include "content_support.h"
#include "game/ArrayUnit.h"
#include "game/categories.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace zelmo {
namespace {

using test::sectionTexts;
using test::toUtf16;

bool isKanji(char16_t c)
{
    return c >= u'\u4E00' && c <= u'\u9FFF';
}
bool isHiragana(char16_t c)
{
    return c >= u'\u3041' && c <= u'\u3096';
}
bool isKatakana(char16_t c)
{
    return c >= u'\u30A1' && c <= u'\u30FA';
}

std::vector<std::u16string> wideSection(std::int32_t level)
{
    std::vector<std::u16string> out;
    for (const auto text : sectionTexts(JpKanji, level)) {
        out.push_back(toUtf16(text));
    }
    return out;
}

TEST(JpKanji, SchoolYearsHold1005DifferentKanji)
{
    const std::vector<std::size_t> sizes = {80, 159, 200, 200, 185, 181};
    std::map<char16_t, int> yearOf;
    for (std::int32_t year = 0; year < 6; ++year) {
        const auto section = wideSection(year);
        EXPECT_EQ(section.size(), sizes[static_cast<std::size_t>(year)]);
        for (const std::u16string &k : section) {
            ASSERT_EQ(k.size(), 1u);
            EXPECT_TRUE(isKanji(k[0]));
            EXPECT_TRUE(yearOf.emplace(k[0], year).second) << "a kanji in two years";
        }
    }
    EXPECT_EQ(yearOf.size(), 1005u);
}

TEST(JpKanji, IdiomsAreFourKanji)
{
    for (const std::u16string &idiom : wideSection(6)) {
        EXPECT_EQ(idiom.size(), 4u);
        EXPECT_TRUE(std::all_of(idiom.begin(), idiom.end(), isKanji));
    }
}

struct PhraseRule
{
    std::int32_t level;
    std::size_t shortest;
    std::size_t longest;
    int withKatakana; // at most this many entries may hold katakana
    int withDigit;    // ... or the ASCII digit 1
};

TEST(JpKanji, PhrasesProverbsAndPoemsKeepTheirLengthsAndCharacters)
{
    const PhraseRule rules[] = {{7, 3, 12, 1, 0}, {8, 3, 19, 3, 1}, {9, 22, 30, 0, 0}};
    for (const PhraseRule &rule : rules) {
        SCOPED_TRACE(categories[JpKanji].levels[static_cast<std::size_t>(rule.level)]);
        int katakana = 0;
        int digit = 0;
        for (const std::u16string &text : wideSection(rule.level)) {
            EXPECT_GE(text.size(), rule.shortest);
            EXPECT_LE(text.size(), rule.longest);
            EXPECT_TRUE(std::any_of(text.begin(), text.end(), isKanji));
            for (const char16_t c : text) {
                EXPECT_TRUE(isKanji(c) || isHiragana(c) || isKatakana(c) || c == u'々' || c == u'1')
                    << "punctuation or another sign";
            }
            katakana += std::any_of(text.begin(), text.end(), isKatakana) ? 1 : 0;
            digit += text.find(u'1') != std::u16string::npos ? 1 : 0;
        }
        EXPECT_LE(katakana, rule.withKatakana);
        EXPECT_LE(digit, rule.withDigit);
    }
}

TEST(JpKanji, MostPhrasesAreOfFiveOrSixCharacters)
{
    const auto phrases = wideSection(7);
    const auto fiveOrSix = std::count_if(phrases.begin(), phrases.end(), [](const auto &p) {
        return p.size() == 5 || p.size() == 6;
    });
    EXPECT_GT(fiveOrSix * 2, static_cast<long>(phrases.size()));
}

TEST(JpKanji, PoemsAreTheHundredWithTheHistoricalKana)
{
    const auto poems = wideSection(9);
    ASSERT_EQ(poems.size(), 100u);
    EXPECT_EQ(poems.front(), u"秋の田のかりほの庵の苫をあらみわが衣手は露にぬれつつ");
    const auto holds = [&](char16_t kana) {
        return std::any_of(poems.begin(), poems.end(),
                           [&](const auto &p) { return p.find(kana) != std::u16string::npos; });
    };
    EXPECT_TRUE(holds(u'ゐ'));
    EXPECT_TRUE(holds(u'ゑ'));
}

TEST(JpKanji, OnlyOnePhraseMayStandInTwoSections)
{
    std::map<std::string_view, int> count;
    for (const auto text : test::tableTexts(JpKanji)) {
        ++count[text];
    }
    int twice = 0;
    for (const auto &[text, n] : count) {
        EXPECT_LE(n, 2) << text;
        if (n == 2) {
            const auto phrases = sectionTexts(JpKanji, 7);
            const auto proverbs = sectionTexts(JpKanji, 8);
            EXPECT_NE(std::find(phrases.begin(), phrases.end(), text), phrases.end()) << text;
            EXPECT_NE(std::find(proverbs.begin(), proverbs.end(), text), proverbs.end()) << text;
            ++twice;
        }
    }
    EXPECT_LE(twice, 1);
}

} // namespace
} // namespace zelmo
