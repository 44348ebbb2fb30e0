"""Everyday Japanese words from EDICT's common (P) entries: their readings in half-width
katakana (JpKanaArray) and in the drills' romaji (JpRomajiArray) with the written form of
each romaji word (JpRomajiKanjiArray)."""

import re

from .kana import is_hiragana, is_kanji, is_katakana, to_katakana
from .schoolkanji import YEAR_ENDS

# First-sense tags of entries that are no word of their own (affixes, counters, particles,
# phrases) or no everyday wording.
UNWANTED_FIRST = {"pref", "suf", "ctr", "prt", "conj", "aux", "aux-v", "aux-adj", "cop", "int",
                  "exp", "n-suf", "n-pref", "num", "pn", "hon", "hum", "pol", "male", "fem",
                  "on-mim", "id", "yoji", "proverb"}
UNWANTED_ANY = {"vulg", "derog", "sl", "col", "X", "arch", "obs", "obsc", "rare", "sens"}
NOUN_TAGS = {"n", "n-t", "n-adv", "adj-no"}
NUMERALS = set("一二三四五六七八九十百千万")
_LATIN_NAME = re.compile(r"\(([^()]*, )?[A-Z][a-z]+ [a-z]+( [a-z]+)?\)")


class Word:
    """A candidate word: an EDICT entry with the rank of how everyday it is (lower first)."""

    def __init__(self, entry, rank, written):
        self.entry = entry
        self.rank = rank
        self.written = written
        first = entry.headword[0]
        self.family = first if is_kanji(first) else None

    @property
    def reading(self):
        return self.entry.reading


def _school_year(kanjidic, c):
    k = kanjidic.get(c)
    if not k or not k.school_index:
        return None
    return next(y for y, end in enumerate(YEAR_ENDS, 1) if k.school_index <= end)


def candidates(entries, kanjidic, english_levels, unwanted_english):
    """Common words with their rank: words in school-year kanji by their highest year,
    loanwords by how common their English word is, kana words in between; nouns before
    other words; compounds of kanji, and most of all number compounds, later; more
    translations first."""
    readings_per_headword = {}
    for e in entries:
        if e.common:
            readings_per_headword[e.headword] = readings_per_headword.get(e.headword, 0) + 1
    words = []
    for e in entries:
        h = e.headword
        if not e.common or e.first_tags() & UNWANTED_FIRST or e.tags() & UNWANTED_ANY:
            continue
        if not all(is_kanji(c) or is_hiragana(c) or is_katakana(c) for c in h):
            continue
        usually_kana = "uk" in e.senses[0][0]
        if any(is_kanji(c) for c in h) and not usually_kana:
            years = [_school_year(kanjidic, c) for c in h if is_kanji(c)]
            if None in years:
                continue
            rank = max(years)
            if len(h) > 1 and all(is_kanji(c) for c in h):
                rank += 0.5
            if sum(is_kanji(c) for c in h) > 1 and NUMERALS & set(h):
                rank += 2
            written = h
        elif all(is_katakana(c) for c in h):
            gloss = re.sub(r"\(.*?\)", "", e.senses[0][1][0]).strip()
            if gloss.upper() in unwanted_english:
                continue
            level = english_levels.get(gloss.upper()) if gloss.isalpha() else None
            rank = {10: 2.5, 20: 3.5, 35: 5}.get(level, 8)
            written = h
        else:
            rank = 3
            written = _kana_form(e)
        if not e.first_tags() & NOUN_TAGS:
            rank += 1.5
        translations = min(len(e.gloss_text().split("/")), 5)
        order = (rank, readings_per_headword.get(h, 1), -translations, h, e.reading)
        words.append(Word(e, order, written))
    words.sort(key=lambda w: w.rank)
    return words


def _kana_form(entry):
    """How a word usually written in kana is written: names of animals and plants (with a
    Latin name in the gloss) in katakana, others as their reading."""
    if _LATIN_NAME.search(entry.gloss_text()):
        return to_katakana(entry.reading)
    return entry.reading


def written_form(entry):
    h = entry.headword
    if any(is_kanji(c) for c in h) and "uk" in entry.senses[0][0]:
        return _kana_form(entry)
    return h


def by_spelling(words, spell):
    """The best word for each spelling (spell(reading) -> text or None), one per meaning:
    spelling variants of one loanword share their glosses."""
    best = {}
    glosses = set()
    for w in words:
        text = spell(w.reading)
        if not text or text in best:
            continue
        gloss = w.entry.gloss_text()
        if all(is_katakana(c) for c in w.entry.headword) and gloss in glosses:
            continue
        glosses.add(gloss)
        best[text] = w
    return best


FAMILY_CAP = 3


def pick_section(pool, count, required=()):
    """count texts from pool (text -> Word, best first): the required texts, then the best,
    with at most FAMILY_CAP words that begin with the same kanji while others are left."""
    chosen = list(dict.fromkeys(required))
    families = {}
    for t in chosen:
        if t in pool and pool[t].family:
            families[pool[t].family] = families.get(pool[t].family, 0) + 1
    passed = []
    for t in pool:
        if len(chosen) >= count:
            break
        if t in chosen:
            continue
        family = pool[t].family
        if family and families.get(family, 0) >= FAMILY_CAP:
            passed.append(t)
            continue
        if family:
            families[family] = families.get(family, 0) + 1
        chosen.append(t)
    chosen.extend(passed[:max(0, count - len(chosen))])
    if len(chosen) != count:
        raise ValueError(f"{len(chosen)} words, {count} wanted")
    return sorted(chosen)


def pool_of(best, accept):
    """Texts of best (text -> Word) that accept() takes, best word first."""
    texts = [t for t in best if accept(t)]
    texts.sort(key=lambda t: best[t].rank)
    return {t: best[t] for t in texts}

