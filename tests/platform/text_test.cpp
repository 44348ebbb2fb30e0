#include "platform/errors.h"
#include "platform/text.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Cp932, ConvertsKnownCharactersBothWays)
{
    struct Case
    {
        std::u16string text;
        std::string bytes;
    };
    const Case cases[] = {
        {u"A\\~ 1", "A\\~ 1"},
        {u"ゼルモ団", "\x83\x5b\x83\x8b\x83\x82\x92\x63"},
        {u"－", "\x81\x7c"},
        {u"～", "\x81\x60"},
        {u"￢∥", "\x81\xca\x81\x61"},
        {u"①", "\x87\x40"},
        {u"｡ｦﾟ", "\xa1\xa6\xdf"},
        {u"\uE000", "\xf0\x40"},
        {u"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(fromCp932(c.bytes), c.text) << c.bytes;
        EXPECT_EQ(toCp932(c.text), c.bytes) << c.bytes;
    }
}

TEST(Cp932, HalfWidthKatakanaMapOneToOne)
{
    for (int k = 0; k <= 0xdf - 0xa6; ++k) {
        std::string byte(1, static_cast<char>(0xa6 + k));
        std::u16string wide(1, static_cast<char16_t>(0xff66 + k));
        EXPECT_EQ(fromCp932(byte), wide) << k;
        EXPECT_EQ(toCp932(wide), byte) << k;
    }
}

TEST(Cp932, EveryDoubleByteCharacterRoundTrips)
{
    int converted = 0;
    for (int lead = 0x81; lead <= 0xfc; ++lead) {
        if (lead > 0x9f && lead < 0xe0)
            continue;
        for (int trail = 0x40; trail <= 0xfc; ++trail) {
            if (trail == 0x7f)
                continue;
            std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            std::u16string text;
            try {
                text = fromCp932(bytes);
            } catch (const Error &) {
                continue;
            }
            ASSERT_EQ(text.size(), 1u);
            // Characters with two codes (NEC and IBM duplicates) come back as one of them.
            EXPECT_EQ(fromCp932(toCp932(text)), text) << lead << ' ' << trail;
            ++converted;
        }
    }
    EXPECT_GT(converted, 7000);
}

TEST(Cp932, RejectsWhatItCannotConvert)
{
    for (const std::u16string &text :
         {std::u16string(u"é"), std::u16string(u"a😀"), std::u16string(1, char16_t{0xd800})}) {
        try {
            toCp932(text);
            ADD_FAILURE() << "no error";
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        }
    }
    for (const std::string &bytes :
         {std::string("\x81"), std::string("ab\x85\x40"), std::string("\x80")}) {
        try {
            fromCp932(bytes);
            ADD_FAILURE() << "no error";
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        }
    }
}

TEST(Utf8, ConvertsToAndFromUtf16)
{
    const std::string utf8 = "ゼルモ団 ｱ😀 abc";
    const std::u16string utf16 = u"ゼルモ団 ｱ😀 abc";
    EXPECT_EQ(utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(utf16ToUtf8(utf16), utf8);
    EXPECT_EQ(utf8ToUtf16("a\xff"), u"a\uFFFD");
}
