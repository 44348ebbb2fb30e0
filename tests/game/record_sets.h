#pragma once
// Two sets of settings and records in which every one of the 66 stored values differs, for the
// tests that interrupt a save: whatever a value holds afterwards must be one set's or the other's.

#include "game/categories.h"
#include "game/store.h"

namespace testing_support {

// Fills a fresh store with set 0 or set 1.
inline void fillRecordSet(zelmo::RecordStore &store, int set)
{
    const bool first = set == 0;
    store.SoundPlay = first;
    store.ArrayJyunban = !first;
    for (int k = 0; k < zelmo::CategoryCount; ++k) {
        const std::int32_t base = first ? 100 : 7000;
        store.book(k, base + k, base + 2 * k + 1, base + 3 * k, (first ? 1 + k : 40 + k) / 86400.0);
    }
}

} // namespace testing_support
