#pragma once
// ArrayUnit: the compiled-in drill tables and their level sections, the one place that says
// which index range of a table each level of a table category plays.

#include <cstdint>
#include <optional>

namespace zelmo {

// Entries are UTF-8 texts; each is both what is drawn and what must be typed.
extern const char *const RomajiKisoArray[450];
extern const char *const KanaKisoArray[510];
extern const char *const JpRomajiArray[809];
extern const char *const JpKanaArray[1160];
extern const char *const EigoArray[3100];
extern const char *const JpKanjiArray[1598];
// The written form of the word at the same index of JpRomajiArray; no game reads it.
extern const char *const JpRomajiKanjiArray[809];

// The half-open index range [start, end) of a table that one level plays; never empty.
struct LevelSection
{
    std::int32_t start;
    std::int32_t end;
    std::int32_t size() const { return end - start; }
};

// The section that a level of a table category plays; none for the ten categories without a
// table, a category outside 0..15 or a level outside the category's level list (negative
// included).
std::optional<LevelSection> levelSection(std::int32_t category, std::int32_t level);

struct ContentTable
{
    const char *const *entries;
    std::int32_t count;
};

// The table of categories 0, 1, 6, 7, 8 and 9; none for the others.
std::optional<ContentTable> contentTable(std::int32_t category);

// Start-up and exit steps of the unit: the tables are part of the program image, so there is
// nothing to build and nothing to release.
void ArrayUnitInitialization();
void ArrayUnitFinalization();

} // namespace zelmo
