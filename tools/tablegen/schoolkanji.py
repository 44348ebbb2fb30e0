"""The school-year kanji: the older six-year list (KANJIDIC's DH numbers in year order),
each year in the syllabary order of its readings."""

from .kana import syllabary_key

# DH numbers of the last kanji of each school year in the older list.
YEAR_ENDS = (80, 240, 440, 640, 825, 1006)
LEFT_OUT = "弓"  # year 2 counts 159 here, one less than the list

# Kanji that school lists file under another reading than their first on-yomi: under a kun
# reading, or a kanji without on-yomi.
READING_OVERRIDES = {
    "貝": "かい", "皿": "さら", "箱": "はこ", "畑": "はた", "株": "かぶ", "届": "とどく",
    "易": "イ",
}


def reading_of(k):
    if k.char in READING_OVERRIDES:
        return READING_OVERRIDES[k.char]
    if k.on:
        return k.on[0]
    raise ValueError(f"kanji {k.char} has no on-yomi and no override")


def school_years(kanjidic):
    """Six lists of kanji characters, year 1 to year 6, in reading order."""
    years = [[] for _ in YEAR_ENDS]
    for k in kanjidic.values():
        if not k.school_index or k.char == LEFT_OUT:
            continue
        year = next(y for y, end in enumerate(YEAR_ENDS) if k.school_index <= end)
        years[year].append(k)
    for y in years:
        y.sort(key=lambda k: (syllabary_key(reading_of(k)), k.strokes, k.school_index))
    return [[k.char for k in y] for y in years]
