#pragma once
// The slot texts of the random-character, Morse and arithmetic drills: one call makes the text
// to type and the text drawn for one target slot, drawing from the game's random source.

#include "game/random.h"

#include <cstdint>
#include <string>

namespace zelmo {

// The two texts of a filled slot: MojiInput (what is typed) and MojiView (what is drawn).
struct SlotText
{
    std::u16string input;
    std::u16string view;
};

// Levels 0..4 give texts of 2 * level + 3 characters; any other level raises rangeCheckError()
// before anything is drawn. The view equals the input.
SlotText SujiRandomSet(RandomSource &rng, std::int32_t level);   // digits, never a leading 0
SlotText MojiRandomR1Set(RandomSource &rng, std::int32_t level); // capitals A..Z
SlotText MojiRandomR2Set(RandomSource &rng, std::int32_t level); // small 8/10, capital 2/10
SlotText MojiRandomKSet(RandomSource &rng, std::int32_t level);  // half-width kana U+FF66..U+FF9F

// One letter A..Z (or kana U+FF71..U+FF9D) to type, its Morse code drawn.
SlotText ObunSet(RandomSource &rng);
SlotText WabunSet(RandomSource &rng);

// Category Tasizan..Warizan, level 0..5 (operand ranges 9/9 up to 99999/999); the view is the
// problem ("12+7", "3-8", "25×4", "7÷2"), the input its answer. Others raise rangeCheckError().
SlotText KeisanSet(RandomSource &rng, std::int32_t category, std::int32_t level);

// Codes written with "・" (U+30FB) for a dot and "－" (U+FF0D) for a dash.
extern const char16_t *const ObunMorseArray[26];  // International Morse code, A..Z
extern const char16_t *const WabunMorseArray[45]; // Wabun code, ｱ..ﾝ in code order 0xB1..0xDD

// The code of a letter 'A'..'Z' / of a one-byte kana 0xB1..0xDD; others raise rangeCheckError().
std::u16string ObunMorse(char letter);
std::u16string WabunMorse(unsigned char kanaByte);

// a ÷ b rounded half up to hundredths and written as "0.##" ("2", "3.5", "0.33");
// needs a >= 0 and b >= 1, else rangeCheckError().
std::u16string quotientText(std::int32_t a, std::int32_t b);

} // namespace zelmo
