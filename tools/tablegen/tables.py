"""Builds the seven tables from the sources, section by section."""

from . import english, keydrills, phrases, schoolkanji, words
from .kana import is_katakana, to_halfwidth, to_romaji
from .rng import Lcg
from .samples import ROMAJI_WRITTEN, SAMPLES

HALFWIDTH_KANA = {chr(cp) for cp in range(0xFF67, 0xFFA0)}


def _sizes(sections, table):
    return [end - start for start, end in sections[table]]


def _word_for(entries, spelling, spell):
    """The EDICT entry for a sample that is no common word: a katakana name first (animals
    and plants), then one written in kanji."""
    matches = [e for e in entries if spell(e.reading) == spelling]
    if not matches:
        raise ValueError(f"no EDICT entry reads {spelling}")
    return min(matches, key=lambda e: (not all(is_katakana(c) for c in e.headword),
                                       e.headword == e.reading, not e.common))


def jp_romaji(entries, word_list, sections):
    best = words.by_spelling(word_list, to_romaji)
    sizes = _sizes(sections, "JpRomajiArray")
    samples = SAMPLES["JpRomajiArray"]
    table = []
    first = [t for t in samples[0] if len(t) == 3]
    three = words.pick_section(words.pool_of(best, lambda t: len(t) == 3), 18, first)
    four = words.pick_section(words.pool_of(best, lambda t: len(t) == 4), sizes[0] - 18,
                              [t for t in samples[0] if len(t) == 4])
    table += three + four
    for level, length in enumerate((5, 6, 7, 8), 1):
        pool = words.pool_of(best, lambda t, n=length: len(t) == n)
        table += words.pick_section(pool, sizes[level], samples[level])
    written = []
    for text in table:
        if text in ROMAJI_WRITTEN:
            written.append(ROMAJI_WRITTEN[text])
        elif text in best:
            written.append(best[text].written)
        else:
            written.append(words.written_form(_word_for(entries, text, to_romaji)))
    return table, written


def jp_kana(word_list, sections):
    best = words.by_spelling(word_list, to_halfwidth)
    sizes = _sizes(sections, "JpKanaArray")
    samples = SAMPLES["JpKanaArray"]
    groups = [(2, 40), (3, sizes[0] - 40)] + [(n, sizes[level]) for level, n in
                                              enumerate((4, 5, 6, 7, 8), 1)]
    required = [[t for t in samples[0] if len(t) == 2], [t for t in samples[0] if len(t) == 3]]
    required += [list(samples[level]) for level in range(1, 6)]
    pools = [words.pool_of(best, lambda t, n=n: len(t) == n) for n, _ in groups]
    while True:
        picked = [words.pick_section(pool, count, req)
                  for pool, (_, count), req in zip(pools, groups, required)]
        used = set("".join(t for p in picked for t in p))
        missing = sorted(HALFWIDTH_KANA - used)
        if not missing:
            return [t for p in picked for t in p]
        c = missing[0]
        holders = [(pool[t].rank, g, t) for g, pool in enumerate(pools) for t in pool if c in t]
        if not holders:
            raise ValueError(f"no word holds {c}")
        _, g, t = min(holders)
        required[g].append(t)


def eigo(read_scowl, sections):
    level = english.levels(read_scowl)
    sizes = _sizes(sections, "EigoArray")
    rng = Lcg(1108)
    table = []
    for index, length in enumerate(range(3, 9)):
        chosen = english.section(level, read_scowl, length, sizes[index],
                                 SAMPLES["EigoArray"][index])
        table += english.order(chosen, level, length, rng.shuffle)
    return table


def _required_phrases(entries, headwords):
    readings = {}
    for h in headwords:
        readings[h] = next(e.reading for e in entries if e.headword == h)
    return readings


def jp_kanji(entries, kanjidic, poems, sections):
    sizes = _sizes(sections, "JpKanjiArray")
    table = [k for year in schoolkanji.school_years(kanjidic) for k in year]
    samples = SAMPLES["JpKanjiArray"]
    proverbs = phrases.ranked(entries, kanjidic, "proverb",
                              lambda h: 3 <= len(h) <= 19 and phrases.kanji_and_hiragana(h))
    proverb_list = phrases.pick(proverbs, sizes[8], _required_phrases(entries, samples[8]),
                                taken=set())
    idioms = phrases.ranked(entries, kanjidic, "yoji", phrases.four_kanji)
    idiom_list = phrases.pick(idioms, sizes[6], _required_phrases(entries, samples[6]),
                              taken=set(proverb_list))
    sayings = phrases.ranked(entries, kanjidic, "id",
                             lambda h: 3 <= len(h) <= 12 and phrases.kanji_and_hiragana(h))
    five_or_six = (lambda h: len(h) in (5, 6), sizes[7] * 5 // 8)
    saying_list = phrases.pick(sayings, sizes[7], _required_phrases(entries, samples[7]),
                               taken=set(proverb_list) | set(idiom_list), quota=five_or_six)
    table += idiom_list + saying_list + proverb_list + poems
    return table


def build(sources, sections, poems_path):
    entries = sources.read_edict()
    kanjidic = sources.read_kanjidic()
    english_levels = english.levels(sources.read_scowl)
    word_list = words.candidates(entries, kanjidic, english_levels, english.UNWANTED)
    romaji, romaji_written = jp_romaji(entries, word_list, sections)
    return {
        "RomajiKisoArray": keydrills.romaji_kiso(),
        "KanaKisoArray": keydrills.kana_kiso(),
        "JpRomajiArray": romaji,
        "JpKanaArray": jp_kana(word_list, sections),
        "EigoArray": eigo(sources.read_scowl, sections),
        "JpKanjiArray": jp_kanji(entries, kanjidic, sources.read_poems(poems_path), sections),
        "JpRomajiKanjiArray": romaji_written,
    }
