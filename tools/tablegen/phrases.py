"""Four-kanji idioms, idiomatic phrases and proverbs from EDICT's (yoji), (id) and (proverb)
entries, the well-known ones first."""

from .kana import is_hiragana, is_kanji, syllabary_key
from .schoolkanji import YEAR_ENDS

# Tags that keep an entry out: crude, slang or obsolete wording.
UNWANTED = {"vulg", "derog", "sl", "col", "X", "arch", "obs", "obsc", "rare", "sens"}

# Crude or insulting words a phrase must not hold.
UNWANTED_PARTS = ("うんこ", "乞食", "馬鹿")

# Kanji that everyday writing leaves in kana (ある, ない, なり, べし ...): a variant that
# spells them in kanji is the less usual one.
USUALLY_KANA = set("有無也可為様如猶程迄然其此居又且乍則宜位迚呉彼")


def _joyo(kanjidic, c):
    return c in kanjidic and 1 <= kanjidic[c].grade <= 8


def _taught(kanji):
    """The school year (older list) a kanji is taught in; 7 for the other joyo kanji."""
    if not kanji.school_index:
        return 7
    return next(y for y, end in enumerate(YEAR_ENDS, 1) if kanji.school_index <= end)


def _variant_order(entry, index):
    h = entry.headword
    return (not entry.common, sum(c in USUALLY_KANA for c in h),
            -sum(is_kanji(c) for c in h), index)


def ranked(entries, kanjidic, tag, accept):
    """Phrases of one tag whose headword passes accept() and whose kanji are all joyo, one
    per meaning (variants share their glosses), best known first: marked common first, then
    those with more translations, then those of kanji taught earlier."""
    groups = {}
    for index, e in enumerate(entries):
        if tag not in e.tags() or e.tags() & UNWANTED or not accept(e.headword):
            continue
        if any(part in e.headword for part in UNWANTED_PARTS):
            continue
        if not all(_joyo(kanjidic, c) for c in e.headword if is_kanji(c)):
            continue
        groups.setdefault(e.gloss_text(), []).append((index, e))
    scored = []
    for gloss, variants in groups.items():
        index, best = min(variants, key=lambda v: _variant_order(v[1], v[0]))
        kanji = [c for c in best.headword if is_kanji(c)]
        taught = sum(_taught(kanjidic[c]) for c in kanji) / len(kanji)
        translations = min(len(gloss.split("/")), 5)
        common = any(e.common for _, e in variants)
        scored.append(((not common, -translations, taught, syllabary_key(best.reading),
                        best.headword), best))
    scored.sort(key=lambda s: s[0])
    return [e for _, e in scored]


def pick(candidates, count, required, taken, quota=None):
    """count phrases: the required ones (headword -> reading) and then the best candidates
    that are no variant of one already chosen (same kanji, or one holding the other) and not
    in taken. quota = (predicate, n) asks for n chosen phrases that satisfy predicate."""
    chosen = dict(required)
    kanji_sets = {frozenset(c for c in h if is_kanji(c)) for h in chosen}

    def fits(e):
        h = e.headword
        if h in chosen or h in taken or e.reading in chosen.values():
            return False
        if frozenset(c for c in h if is_kanji(c)) in kanji_sets:
            return False
        return not any(h in other or other in h for other in chosen)

    def take(e):
        chosen[e.headword] = e.reading
        kanji_sets.add(frozenset(c for c in e.headword if is_kanji(c)))

    if quota:
        predicate, n = quota
        have = sum(predicate(h) for h in chosen)
        for e in candidates:
            if have >= n:
                break
            if predicate(e.headword) and fits(e):
                take(e)
                have += 1
    for e in candidates:
        if len(chosen) >= count:
            break
        if fits(e) and (not quota or not quota[0](e.headword)):
            take(e)
    if len(chosen) != count:
        raise ValueError(f"only {len(chosen)} phrases, {count} wanted")
    return sorted(chosen, key=lambda h: (syllabary_key(chosen[h]), h))


def kanji_and_hiragana(h):
    return all(is_kanji(c) or is_hiragana(c) for c in h) and any(is_kanji(c) for c in h) \
        and any(is_hiragana(c) for c in h)


def four_kanji(h):
    return len(h) == 4 and all(is_kanji(c) for c in h)
