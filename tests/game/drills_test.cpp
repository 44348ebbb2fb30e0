#include "game/categories.h"
#include "game/drills.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

using namespace zelmo;

namespace {

// Answers the draws from a script (cycling through it) and records every n asked for.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<std::int32_t> script = {0}) : m_script(std::move(script)) {}
    std::int32_t Random(std::int32_t n) override
    {
        asked.push_back(n);
        return m_script[m_next++ % m_script.size()];
    }
    std::vector<std::int32_t> asked;

private:
    std::vector<std::int32_t> m_script;
    std::size_t m_next = 0;
};

using RandomMaker = SlotText (*)(RandomSource &, std::int32_t);

void expectRangeError(const std::function<void()> &call)
{
    try {
        call();
        FAIL() << "no range check error";
    } catch (const platform::Error &e) {
        EXPECT_EQ(e.kind(), platform::ErrorKind::Range);
    }
}

// A code written with '.' and '-', as the published tables write it.
std::u16string morse(const std::string &dotsAndDashes)
{
    std::u16string code;
    for (char symbol : dotsAndDashes)
        code += symbol == '.' ? u'\u30FB' : u'\uFF0D';
    return code;
}

// International Morse code (ITU-R M.1677-1), letters A to Z.
const char *const internationalCodes[26] = {
    ".-",   "-...", "-.-.", "-..",  ".",   "..-.", "--.",  "....", "..",
    ".---", "-.-",  ".-..", "--",   "-.",  "---",  ".--.", "--.-", ".-.",
    "...",  "-",    "..-",  "...-", ".--", "-..-", "-.--", "--..",
};

// The Wabun code in its usual iroha listing, without ヰ, ヱ and ヲ (which are not drilled).
const std::pair<char16_t, const char *> wabunCodes[45] = {
    {u'ｲ', ".-"},    {u'ﾛ', ".-.-"},  {u'ﾊ', "-..."},  {u'ﾆ', "-.-."},  {u'ﾎ', "-.."},
    {u'ﾍ', "."},     {u'ﾄ', "..-.."}, {u'ﾁ', "..-."},  {u'ﾘ', "--."},   {u'ﾇ', "...."},
    {u'ﾙ', "-.--."}, {u'ﾜ', "-.-"},   {u'ｶ', ".-.."},  {u'ﾖ', "--"},    {u'ﾀ', "-."},
    {u'ﾚ', "---"},   {u'ｿ', "---."},  {u'ﾂ', ".--."},  {u'ﾈ', "--.-"},  {u'ﾅ', ".-."},
    {u'ﾗ', "..."},   {u'ﾑ', "-"},     {u'ｳ', "..-"},   {u'ﾉ', "..--"},  {u'ｵ', ".-..."},
    {u'ｸ', "...-"},  {u'ﾔ', ".--"},   {u'ﾏ', "-..-"},  {u'ｹ', "-.--"},  {u'ﾌ', "--.."},
    {u'ｺ', "----"},  {u'ｴ', "-.---"}, {u'ﾃ', ".-.--"}, {u'ｱ', "--.--"}, {u'ｻ', "-.-.-"},
    {u'ｷ', "-.-.."}, {u'ﾕ', "-..--"}, {u'ﾒ', "-...-"}, {u'ﾐ', "..-.-"}, {u'ｼ', "--.-."},
    {u'ﾋ', "--..-"}, {u'ﾓ', "-..-."}, {u'ｾ', ".---."}, {u'ｽ', "---.-"}, {u'ﾝ', ".-.-."},
};

// a ÷ b rounded half up to hundredths by long division, written without trailing zeros.
std::u16string expectedQuotient(std::int64_t a, std::int64_t b)
{
    const std::int64_t remainder = a % b;
    const std::int64_t hundredths = remainder * 100 / b;
    const bool up = 2 * (remainder * 100 % b) >= b;
    const std::int64_t total = (a / b) * 100 + hundredths + (up ? 1 : 0);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld.%02lld", static_cast<long long>(total / 100),
                  static_cast<long long>(total % 100));
    std::string text = buffer;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return std::u16string(text.begin(), text.end());
}

} // namespace

struct RandomDrillCase
{
    const char *name;
    RandomMaker make;
    std::function<bool(std::size_t, char16_t)> allowed; // position, character
};

void PrintTo(const RandomDrillCase &drill, std::ostream *out)
{
    *out << drill.name;
}

class RandomDrill : public testing::TestWithParam<RandomDrillCase>
{};

TEST_P(RandomDrill, LengthCharactersAndViewPerLevel)
{
    const RandomDrillCase &drill = GetParam();
    SeededRandom rng(7);
    for (std::int32_t level = 0; level <= 4; ++level) {
        for (int n = 0; n < 300; ++n) {
            const SlotText slot = drill.make(rng, level);
            ASSERT_EQ(slot.input.size(), static_cast<std::size_t>(2 * level + 3));
            EXPECT_EQ(slot.view, slot.input);
            for (std::size_t i = 0; i < slot.input.size(); ++i)
                ASSERT_TRUE(drill.allowed(i, slot.input[i]))
                    << "level " << level << " position " << i << " code " << +slot.input[i];
        }
    }
}

TEST_P(RandomDrill, LevelOutsideItsRangeDrawsNothing)
{
    for (std::int32_t level : {-1, 5, 1000000}) {
        ScriptedRandom rng;
        expectRangeError([&] { GetParam().make(rng, level); });
        EXPECT_TRUE(rng.asked.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drills, RandomDrill,
    testing::Values(RandomDrillCase{"Digits", SujiRandomSet,
                                    [](std::size_t i, char16_t c) {
                                        return c >= (i == 0 ? u'1' : u'0') && c <= u'9';
                                    }},
                    RandomDrillCase{"Capitals", MojiRandomR1Set,
                                    [](std::size_t, char16_t c) { return c >= u'A' && c <= u'Z'; }},
                    RandomDrillCase{"MixedCase", MojiRandomR2Set,
                                    [](std::size_t, char16_t c) {
                                        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
                                    }},
                    RandomDrillCase{
                        "Kana", MojiRandomKSet,
                        [](std::size_t, char16_t c) { return c >= u'\uFF66' && c <= u'\uFF9F'; }}),
    [](const testing::TestParamInfo<RandomDrillCase> &caseInfo) { return caseInfo.param.name; });

TEST(RandomDrills, DrawOrder)
{
    struct Case
    {
        RandomMaker make;
        std::int32_t level;
        std::vector<std::int32_t> asked;
    };
    const Case cases[] = {
        {SujiRandomSet, 0, {9, 10, 10}},           {SujiRandomSet, 1, {9, 10, 10, 10, 10}},
        {MojiRandomR1Set, 0, {26, 26, 26}},        {MojiRandomR2Set, 0, {10, 26, 10, 26, 10, 26}},
        {MojiRandomKSet, 1, {58, 58, 58, 58, 58}},
    };
    for (const Case &c : cases) {
        ScriptedRandom rng;
        c.make(rng, c.level);
        EXPECT_EQ(rng.asked, c.asked);
    }
}

TEST(RandomDrills, ScriptedDrawsGiveExactTexts)
{
    struct Case
    {
        RandomMaker make;
        std::vector<std::int32_t> script;
        std::u16string text;
    };
    const Case cases[] = {
        {SujiRandomSet, {0, 0, 9}, u"109"},
        {SujiRandomSet, {8, 0, 0}, u"900"},
        {MojiRandomR1Set, {0, 25, 12}, u"AZM"},
        {MojiRandomR2Set, {7, 0, 8, 25, 9, 1}, u"aZB"},
        {MojiRandomR2Set, {0, 25, 7, 25, 0, 12}, u"zzm"},
        {MojiRandomKSet, {0, 1, 9}, u"ｦｧｯ"},
        {MojiRandomKSet, {10, 11, 55}, u"ｰｱﾝ"},
        {MojiRandomKSet, {56, 57, 56}, u"ﾞﾟﾞ"},
    };
    for (const Case &c : cases) {
        ScriptedRandom rng(c.script);
        const SlotText slot = c.make(rng, 0);
        EXPECT_EQ(slot.input, c.text);
        EXPECT_EQ(slot.view, c.text);
    }
}

TEST(RandomDrills, KanaCodesMapOneToOneAndSkipThePunctuation)
{
    std::set<char16_t> seen;
    for (std::int32_t r = 0; r < 58; ++r) {
        ScriptedRandom rng({r});
        const std::u16string text = MojiRandomKSet(rng, 0).input;
        EXPECT_EQ(text, std::u16string(3, static_cast<char16_t>(0xFF66 + r)));
        seen.insert(text[0]);
    }
    EXPECT_EQ(seen.size(), 58u);
    for (char16_t punctuation : u"｡｢｣､･")
        EXPECT_EQ(seen.count(punctuation), 0u);
}

TEST(RandomDrills, SeededDrawsReachEveryKanaAndZeroInEveryLaterDigit)
{
    SeededRandom rng(11);
    std::set<char16_t> kana;
    std::vector<bool> zeroAt(11, false);
    for (int n = 0; n < 2000; ++n) {
        for (char16_t c : MojiRandomKSet(rng, 4).input)
            kana.insert(c);
        const std::u16string digits = SujiRandomSet(rng, 4).input;
        for (std::size_t i = 0; i < digits.size(); ++i)
            zeroAt[i] = zeroAt[i] || digits[i] == u'0';
    }
    EXPECT_EQ(kana.size(), 58u);
    EXPECT_FALSE(zeroAt[0]);
    for (std::size_t i = 1; i < zeroAt.size(); ++i)
        EXPECT_TRUE(zeroAt[i]) << i;
}

TEST(RandomDrills, MixedCaseIsSmallFourTimesInFive)
{
    SeededRandom rng(3);
    int small = 0;
    int total = 0;
    int allSmall = 0;
    int allCapital = 0;
    for (int n = 0; n < 20000; ++n) {
        int smallHere = 0;
        for (char16_t c : MojiRandomR2Set(rng, 0).input) {
            smallHere += c >= u'a' ? 1 : 0;
            ++total;
        }
        small += smallHere;
        allSmall += smallHere == 3 ? 1 : 0;
        allCapital += smallHere == 0 ? 1 : 0;
    }
    EXPECT_NEAR(static_cast<double>(small) / total, 0.8, 0.01);
    EXPECT_GT(allSmall, 0);
    EXPECT_GT(allCapital, 0);
}

TEST(RandomDrills, SourceAnsweringOutsideTheDrawRaises)
{
    for (std::int32_t bad : {-1, 58}) {
        ScriptedRandom rng({bad});
        expectRangeError([&] { MojiRandomKSet(rng, 0); });
    }
}

TEST(MorseTables, InternationalCodesAreThePublishedOnes)
{
    std::set<std::u16string> codes;
    for (int i = 0; i < 26; ++i) {
        const char letter = static_cast<char>('A' + i);
        EXPECT_EQ(ObunMorse(letter), morse(internationalCodes[i])) << letter;
        EXPECT_EQ(std::u16string(ObunMorseArray[i]), morse(internationalCodes[i])) << letter;
        codes.insert(ObunMorseArray[i]);
        const std::size_t length = std::u16string(ObunMorseArray[i]).size();
        EXPECT_TRUE(length >= 1 && length <= 4) << letter;
    }
    EXPECT_EQ(codes.size(), 26u);
    EXPECT_EQ(ObunMorse('E'), u"・");
    EXPECT_EQ(ObunMorse('T'), u"－");
    for (char outside : {'@', '[', 'a', '\0'})
        expectRangeError([&] { ObunMorse(outside); });
}

TEST(MorseTables, WabunCodesAreThePublishedOnes)
{
    std::set<std::u16string> codes;
    for (const auto &[kana, code] : wabunCodes) {
        const auto byte = static_cast<unsigned char>(kana - 0xFF71 + 0xB1);
        EXPECT_EQ(WabunMorse(byte), morse(code)) << +kana;
        codes.insert(WabunMorse(byte));
    }
    EXPECT_EQ(codes.size(), 45u);
    for (const char16_t *code : WabunMorseArray) {
        const std::u16string text = code;
        EXPECT_TRUE(text.size() >= 1 && text.size() <= 5);
        EXPECT_EQ(text.find_first_not_of(u"・－"), std::u16string::npos);
    }
    EXPECT_EQ(WabunMorse(0xCD), u"・");         // ﾍ
    EXPECT_EQ(WabunMorse(0xD1), u"－");         // ﾑ
    EXPECT_EQ(WabunMorse(0xB1), u"－－・－－"); // ｱ
    EXPECT_EQ(WabunMorse(0xDD), u"・－・－・"); // ﾝ
    for (int outside : {0xA6, 0xB0, 0xDE, 0xDF, 0x41})
        expectRangeError([&] { WabunMorse(static_cast<unsigned char>(outside)); });
}

TEST(MorseDrills, AnswerIsTheLetterOrKanaAndViewItsCode)
{
    for (std::int32_t r = 0; r < 26; ++r) {
        ScriptedRandom rng({r});
        const SlotText slot = ObunSet(rng);
        EXPECT_EQ(slot.input, std::u16string(1, static_cast<char16_t>(u'A' + r)));
        EXPECT_EQ(slot.view, morse(internationalCodes[r]));
        EXPECT_EQ(rng.asked, std::vector<std::int32_t>{26});
    }
    for (const auto &[kana, code] : wabunCodes) {
        ScriptedRandom rng({kana - 0xFF71});
        const SlotText slot = WabunSet(rng);
        EXPECT_EQ(slot.input, std::u16string(1, kana));
        EXPECT_EQ(slot.view, morse(code));
        EXPECT_EQ(rng.asked, std::vector<std::int32_t>{45});
    }
}

TEST(Keisan, ScriptedProblemsAndAnswers)
{
    struct Case
    {
        std::int32_t category;
        std::int32_t level;
        std::int32_t a;
        std::int32_t b;
        std::u16string view;
        std::u16string input;
    };
    const Case cases[] = {
        {Tasizan, 3, 12, 7, u"12+7", u"19"},
        {Tasizan, 5, 99999, 999, u"99999+999", u"100998"},
        {Hikizan, 0, 3, 8, u"3-8", u"-5"},
        {Hikizan, 0, 3, 7, u"3-7", u"-4"},
        {Hikizan, 0, 5, 5, u"5-5", u"0"},
        {Hikizan, 5, 1, 999, u"1-999", u"-998"},
        {Kakezan, 3, 25, 4, u"25×4", u"100"},
        {Kakezan, 5, 99999, 999, u"99999×999", u"99899001"},
        {Warizan, 0, 7, 2, u"7÷2", u"3.5"},
        {Warizan, 0, 6, 3, u"6÷3", u"2"},
        {Warizan, 5, 57, 200, u"57÷200", u"0.29"},
        {Warizan, 5, 99999, 1, u"99999÷1", u"99999"},
    };
    for (const Case &c : cases) {
        ScriptedRandom rng({c.a - 1, c.b - 1});
        const SlotText slot = KeisanSet(rng, c.category, c.level);
        EXPECT_EQ(slot.view, c.view);
        EXPECT_EQ(slot.input, c.input);
    }
}

TEST(Keisan, DrawsOperandRangesOfTheLevel)
{
    const std::vector<std::int32_t> ranges[] = {{9, 9},   {99, 9},   {999, 9},
                                                {99, 99}, {999, 99}, {99999, 999}};
    for (std::int32_t category = Tasizan; category <= Warizan; ++category)
        for (std::int32_t level = 0; level <= 5; ++level) {
            ScriptedRandom rng;
            KeisanSet(rng, category, level);
            EXPECT_EQ(rng.asked, ranges[level]) << category << " " << level;
        }
}

TEST(Keisan, SeededAnswersMatchTheProblemShown)
{
    SeededRandom rng(5);
    const std::int64_t maxA[] = {9, 99, 999, 99, 999, 99999};
    const std::int64_t maxB[] = {9, 9, 9, 99, 99, 999};
    for (std::int32_t category = Tasizan; category <= Warizan; ++category)
        for (std::int32_t level = 0; level <= 5; ++level)
            for (int n = 0; n < 200; ++n) {
                const SlotText slot = KeisanSet(rng, category, level);
                const std::string view(slot.view.begin(),
                                       slot.view.end()); // the sign becomes one non-digit byte
                const std::size_t sign = view.find_first_not_of("0123456789");
                ASSERT_NE(sign, std::string::npos);
                const std::int64_t a = std::stoll(view.substr(0, sign));
                const std::int64_t b = std::stoll(view.substr(sign + 1));
                ASSERT_TRUE(a >= 1 && a <= maxA[level] && b >= 1 && b <= maxB[level]) << view;
                std::u16string answer;
                auto digits = [](std::int64_t v) {
                    const std::string s = std::to_string(v);
                    return std::u16string(s.begin(), s.end());
                };
                switch (category) {
                case Tasizan:
                    answer = digits(a + b);
                    break;
                case Hikizan:
                    answer = digits(a - b);
                    break;
                case Kakezan:
                    answer = digits(a * b);
                    break;
                default:
                    answer = expectedQuotient(a, b);
                }
                ASSERT_EQ(slot.input, answer) << view;
            }
}

TEST(Keisan, CategoryOrLevelOutsideItsRangeDrawsNothing)
{
    const std::pair<std::int32_t, std::int32_t> bad[] = {
        {Wabun, 0}, {Warizan + 1, 0}, {-1, 0}, {Tasizan, -1}, {Warizan, 6}};
    for (const auto &[category, level] : bad) {
        ScriptedRandom rng;
        expectRangeError([&] { KeisanSet(rng, category, level); });
        EXPECT_TRUE(rng.asked.empty());
    }
}

TEST(QuotientText, RoundsHalfUpToHundredths)
{
    const std::tuple<std::int32_t, std::int32_t, std::u16string> cases[] = {
        {6, 3, u"2"},      {7, 2, u"3.5"},       {1, 3, u"0.33"},
        {2, 3, u"0.67"},   {22, 7, u"3.14"},     {1, 8, u"0.13"},
        {5, 8, u"0.63"},   {57, 200, u"0.29"},   {1, 201, u"0"},
        {1, 200, u"0.01"}, {99999, 1, u"99999"}, {1, 20, u"0.05"},
        {0, 7, u"0"},      {21, 20, u"1.05"},    {2147483647, 1, u"2147483647"},
    };
    for (const auto &[a, b, text] : cases)
        EXPECT_EQ(quotientText(a, b), text) << a << "/" << b;
    expectRangeError([] { quotientText(1, 0); });
    expectRangeError([] { quotientText(-1, 2); });
}

TEST(QuotientText, AgreesWithExactRoundingOverTheOperandRanges)
{
    for (std::int32_t a = 1; a <= 999; ++a)
        for (std::int32_t b = 1; b <= 99; ++b)
            ASSERT_EQ(quotientText(a, b), expectedQuotient(a, b)) << a << "/" << b;
    SeededRandom rng(9);
    for (int n = 0; n < 200000; ++n) {
        const std::int32_t a = 1 + rng.Random(99999);
        const std::int32_t b = 1 + rng.Random(999);
        ASSERT_EQ(quotientText(a, b), expectedQuotient(a, b)) << a << "/" << b;
    }
}
