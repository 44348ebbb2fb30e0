#include "game/drills.h"

#include "game/categories.h"
#include "platform/errors.h"

#include <iterator>
#include <limits>
#include <string>
#include <utility>

namespace zelmo {

const char16_t *const ObunMorseArray[26] = {
    u"・－",     u"－・・・", u"－・－・", u"－・・",   u"・",       u"・・－・", u"－－・",
    u"・・・・", u"・・",     u"・－－－", u"－・－",   u"・－・・", u"－－",     u"－・",
    u"－－－",   u"・－－・", u"－－・－", u"・－・",   u"・・・",   u"－",       u"・・－",
    u"・・・－", u"・－－",   u"－・・－", u"－・－－", u"－－・・",
};

// ｱ ｲ ｳ ｴ ｵ, ｶ ... ｺ, ｻ ... ｿ, ﾀ ... ﾄ, ﾅ ... ﾉ, ﾊ ... ﾎ, ﾏ ... ﾓ, ﾔ ﾕ ﾖ, ﾗ ... ﾛ, ﾜ, ﾝ
const char16_t *const WabunMorseArray[45] = {
    u"－－・－－", u"・－",       u"・・－",     u"－・－－－", u"・－・・・", u"・－・・",
    u"－・－・・", u"・・・－",   u"－・－－",   u"－－－－",   u"－・－・－", u"－－・－・",
    u"－－－・－", u"・－－－・", u"－－－・",   u"－・",       u"・・－・",   u"・－－・",
    u"・－・－－", u"・・－・・", u"・－・",     u"－・－・",   u"・・・・",   u"－－・－",
    u"・・－－",   u"－・・・",   u"－－・・－", u"－－・・",   u"・",         u"－・・",
    u"－・・－",   u"・・－・－", u"－",         u"－・・・－", u"－・・－・", u"・－－",
    u"－・・－－", u"－－",       u"・・・",     u"－－・",     u"－・－－・", u"－－－",
    u"・－・－",   u"－・－",     u"・－・－・",
};

namespace {

constexpr std::int32_t RandomLevelCount = 5;

// A draw from 0..n-1; a source that answers outside that range raises instead of making a
// character from it.
std::int32_t draw(RandomSource &rng, std::int32_t n)
{
    const std::int32_t r = rng.Random(n);
    platform::checkRange(r, 0, n - 1);
    return r;
}

std::int32_t textLength(std::int32_t level)
{
    platform::checkRange(level, 0, RandomLevelCount - 1);
    return 2 * level + 3;
}

char16_t offset(char16_t base, std::int32_t r)
{
    return static_cast<char16_t>(base + r);
}

std::u16string decimal(std::int64_t value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

SlotText same(std::u16string text)
{
    SlotText slot{std::move(text), {}};
    slot.view = slot.input;
    return slot;
}

struct OperandRange
{
    std::int32_t a;
    std::int32_t b;
};

constexpr OperandRange KeisanRanges[] = {{9, 9},   {99, 9},   {999, 9},
                                         {99, 99}, {999, 99}, {99999, 999}};

} // namespace

SlotText SujiRandomSet(RandomSource &rng, std::int32_t level)
{
    const std::int32_t length = textLength(level);
    std::u16string text(1, offset(u'1', draw(rng, 9)));
    for (std::int32_t i = 1; i < length; ++i)
        text += offset(u'0', draw(rng, 10));
    return same(std::move(text));
}

SlotText MojiRandomR1Set(RandomSource &rng, std::int32_t level)
{
    const std::int32_t length = textLength(level);
    std::u16string text;
    for (std::int32_t i = 0; i < length; ++i)
        text += offset(u'A', draw(rng, 26));
    return same(std::move(text));
}

SlotText MojiRandomR2Set(RandomSource &rng, std::int32_t level)
{
    const std::int32_t length = textLength(level);
    std::u16string text;
    for (std::int32_t i = 0; i < length; ++i) {
        const char16_t base = draw(rng, 10) <= 7 ? u'a' : u'A';
        text += offset(base, draw(rng, 26));
    }
    return same(std::move(text));
}

SlotText MojiRandomKSet(RandomSource &rng, std::int32_t level)
{
    const std::int32_t length = textLength(level);
    std::u16string text;
    for (std::int32_t i = 0; i < length; ++i)
        text += offset(u'\uFF66', draw(rng, 58));
    return same(std::move(text));
}

SlotText ObunSet(RandomSource &rng)
{
    const std::int32_t r = draw(rng, 26);
    return {std::u16string(1, offset(u'A', r)), ObunMorse(static_cast<char>('A' + r))};
}

SlotText WabunSet(RandomSource &rng)
{
    const std::int32_t r = draw(rng, 45);
    return {std::u16string(1, offset(u'\uFF71', r)),
            WabunMorse(static_cast<unsigned char>(0xB1 + r))};
}

SlotText KeisanSet(RandomSource &rng, std::int32_t category, std::int32_t level)
{
    platform::checkRange(category, Tasizan, Warizan);
    platform::checkRange(level, 0, std::ssize(KeisanRanges) - 1);
    const OperandRange range = KeisanRanges[level];
    const std::int32_t a = 1 + draw(rng, range.a);
    const std::int32_t b = 1 + draw(rng, range.b);
    SlotText slot;
    char16_t sign = u'+';
    switch (category) {
    case Tasizan:
        slot.input = decimal(platform::checkedAdd(a, b));
        break;
    case Hikizan:
        slot.input = decimal(platform::checkedSub(a, b));
        sign = u'-';
        break;
    case Kakezan:
        slot.input = decimal(platform::checkedMul(a, b));
        sign = u'\u00D7';
        break;
    default:
        slot.input = quotientText(a, b);
        sign = u'\u00F7';
        break;
    }
    slot.view = decimal(a) + sign + decimal(b);
    return slot;
}

std::u16string ObunMorse(char letter)
{
    platform::checkRange(letter, 'A', 'Z');
    return ObunMorseArray[letter - 'A'];
}

std::u16string WabunMorse(unsigned char kanaByte)
{
    platform::checkRange(kanaByte, 0xB1, 0xDD);
    return WabunMorseArray[kanaByte - 0xB1];
}

std::u16string quotientText(std::int32_t a, std::int32_t b)
{
    constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
    platform::checkRange(a, 0, max);
    platform::checkRange(b, 1, max);
    const std::int64_t q = (200 * std::int64_t{a} + b) / (2 * std::int64_t{b});
    std::u16string text = decimal(q / 100);
    const std::int64_t hundredths = q % 100;
    if (hundredths == 0)
        return text;
    text += u'.';
    text += offset(u'0', static_cast<std::int32_t>(hundredths / 10));
    if (hundredths % 10 != 0)
        text += offset(u'0', static_cast<std::int32_t>(hundredths % 10));
    return text;
}

} // namespace zelmo
