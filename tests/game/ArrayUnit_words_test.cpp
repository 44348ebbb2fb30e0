// The word tables: characters, lengths and order of every section of JpRomajiArray,
// JpKanaArray and EigoArray.

#include "content_support.h"
#include "game/ArrayUnit.h"
#include "game/categories.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zelmo {
namespace {

using test::sectionTexts;
using test::toUtf16;

std::vector<std::u16string> wideSection(TMojiSyurui category, std::int32_t level)
{
    std::vector<std::u16string> out;
    for (const auto text : sectionTexts(category, level)) {
        out.push_back(toUtf16(text));
    }
    return out;
}

// Whether the texts are runs of (length, count), each run strictly ascending by code.
bool ascendingRuns(const std::vector<std::u16string> &texts,
                   const std::vector<std::pair<std::size_t, std::size_t>> &runs)
{
    std::size_t i = 0;
    for (const auto &[length, count] : runs) {
        for (std::size_t k = 0; k < count; ++k, ++i) {
            if (i >= texts.size() || texts[i].size() != length) {
                return false;
            }
            if (k > 0 && !(texts[i - 1] < texts[i])) {
                return false;
            }
        }
    }
    return i == texts.size();
}

TEST(JpRomajiWords, UseOnlyTheDrillLettersAndSpellings)
{
    const std::u16string allowed = u"ABCDEFGHIJKMNOPRSTUWYZ-";
    for (const auto text : test::tableTexts(JpRomaji)) {
        const std::u16string wide = toUtf16(text);
        EXPECT_EQ(wide.find_first_not_of(allowed), std::u16string::npos) << text;
        for (const std::u16string_view form : {u"SHI", u"CHI", u"TSU", u"FU", u"ZI", u"ZYA"}) {
            EXPECT_EQ(wide.find(form), std::u16string::npos) << text;
        }
    }
}

TEST(JpRomajiWords, SectionsHoldTheirLengthsInAscendingOrder)
{
    EXPECT_TRUE(ascendingRuns(wideSection(JpRomaji, 0), {{3, 18}, {4, 67}}));
    for (std::int32_t level = 1; level <= 4; ++level) {
        const auto section = wideSection(JpRomaji, level);
        EXPECT_TRUE(ascendingRuns(section, {{static_cast<std::size_t>(level) + 4, section.size()}}))
            << "level " << level;
    }
}

TEST(JpRomajiWords, EveryWordHasAWrittenFormInKanjiOrKana)
{
    for (std::size_t i = 0; i < std::size(JpRomajiKanjiArray); ++i) {
        const std::u16string written = toUtf16(JpRomajiKanjiArray[i]);
        EXPECT_FALSE(written.empty());
        EXPECT_TRUE(std::all_of(written.begin(), written.end(),
                                [](char16_t c) {
                                    return (c >= u'\u3041' && c <= u'\u30FC') ||
                                           (c >= u'\u4E00' && c <= u'\u9FFF');
                                }))
            << i << " " << JpRomajiArray[i] << " " << JpRomajiKanjiArray[i];
    }
}

TEST(JpKanaWords, UseEveryHalfWidthKanaAndNothingElse)
{
    std::set<char16_t> used;
    for (const auto text : test::tableTexts(JpKana)) {
        const std::u16string wide = toUtf16(text);
        used.insert(wide.begin(), wide.end());
        EXPECT_FALSE(wide.front() == u'ﾞ' || wide.front() == u'ﾟ' || wide.front() == u'ｰ') << text;
        for (std::size_t i = 1; i < wide.size(); ++i) {
            if (wide[i] == u'ﾞ') {
                EXPECT_NE(std::u16string_view(u"ｳｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎ").find(wide[i - 1]),
                          std::u16string_view::npos)
                    << text;
            } else if (wide[i] == u'ﾟ') {
                EXPECT_NE(std::u16string_view(u"ﾊﾋﾌﾍﾎ").find(wide[i - 1]),
                          std::u16string_view::npos)
                    << text;
            }
        }
    }
    std::set<char16_t> expected;
    for (char16_t c = u'\uFF67'; c <= u'\uFF9F'; ++c) {
        expected.insert(c);
    }
    EXPECT_EQ(expected.size(), 57u);
    EXPECT_EQ(used, expected);
}

TEST(JpKanaWords, SectionsHoldTheirLengthsInAscendingOrder)
{
    EXPECT_TRUE(ascendingRuns(wideSection(JpKana, 0), {{2, 40}, {3, 190}}));
    for (std::int32_t level = 1; level <= 5; ++level) {
        const auto section = wideSection(JpKana, level);
        EXPECT_TRUE(ascendingRuns(section, {{static_cast<std::size_t>(level) + 3, section.size()}}))
            << "level " << level;
    }
}

TEST(EigoWords, SectionsHoldWordsOfTheirLengthAndLetters)
{
    for (std::int32_t level = 0; level <= 5; ++level) {
        const std::size_t length = static_cast<std::size_t>(level) + 3;
        std::set<char> letters;
        for (const auto word : sectionTexts(Eigo, level)) {
            EXPECT_EQ(word.size(), length) << word;
            for (const char c : word) {
                EXPECT_TRUE(c >= 'A' && c <= 'Z') << word;
                letters.insert(c);
            }
        }
        std::set<char> expected;
        for (char c = 'A'; c <= 'Z'; ++c) {
            if (!(level <= 1 && c == 'Q') && !(level == 0 && c == 'Z')) {
                expected.insert(c);
            }
        }
        EXPECT_EQ(letters, expected) << "level " << level;
    }
}

TEST(EigoWords, FromFourLettersUpEachSectionRunsOnceThroughTheAlphabet)
{
    for (std::int32_t level = 1; level <= 5; ++level) {
        const auto words = sectionTexts(Eigo, level);
        std::string firsts;
        for (const auto word : words) {
            firsts += word.front();
        }
        EXPECT_TRUE(std::is_sorted(firsts.begin(), firsts.end())) << "level " << level;
        const std::set<char> starting(firsts.begin(), firsts.end());
        EXPECT_EQ(starting.size(), level == 1 ? 25u : 26u) << "level " << level;
    }
}

TEST(EigoWords, AWordTwiceStandsTwiceInOneSectionOnly)
{
    std::map<std::string_view, std::set<std::int32_t>> sections;
    std::map<std::string_view, int> count;
    for (std::int32_t level = 0; level <= 5; ++level) {
        for (const auto word : sectionTexts(Eigo, level)) {
            sections[word].insert(level);
            ++count[word];
        }
    }
    int twice = 0;
    for (const auto &[word, n] : count) {
        EXPECT_LE(n, 2) << word;
        EXPECT_EQ(sections[word].size(), 1u) << word;
        twice += n - 1;
    }
    EXPECT_LE(twice, 29);
    EXPECT_GE(count.size(), 3071u);
}

TEST(WordTables, NoWordStandsTwice)
{
    for (const TMojiSyurui category : {JpRomaji, JpKana}) {
        const auto texts = test::tableTexts(category);
        const std::set<std::string_view> unique(texts.begin(), texts.end());
        EXPECT_EQ(unique.size(), texts.size()) << categories[category].word;
    }
}

} // namespace
} // namespace zelmo
