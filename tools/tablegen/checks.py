"""Checks every rule of the tables; each broken rule yields one line of text."""

import string
from collections import Counter

from .kana import is_hiragana, is_kanji
from .keydrills import KANA_ROWS, ROMAJI_ROWS
from .samples import FIRST, SAMPLES

ROMAJI_LETTERS = set(string.ascii_uppercase) - set("LQVX") | {"-"}
HALFWIDTH = {chr(cp) for cp in range(0xFF67, 0xFFA0)}
TAKES_DAKUTEN = set("ｳｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎ")
TAKES_HANDAKUTEN = set("ﾊﾋﾌﾍﾎ")
PUNCTUATION = set("、。，．・「」『』（）！？!?,.() \u3000")


class Problems(list):
    def expect(self, ok, message):
        if not ok:
            self.append(message)


def _section(table, bounds, level):
    start, end = bounds[level]
    return table[start:end]


def _columns(entry, rows):
    """(row, column) of each key of an entry."""
    where = {k: (name, c + 1) for name, keys in rows.items() for c, k in enumerate(keys)}
    return [where[k] for k in entry]


def check_common(p, name, table, bounds, counts):
    p.expect(len(table) == counts[name], f"{name}: {len(table)} entries, not {counts[name]}")
    for text in table:
        p.expect(text != "" and " " not in text and "\u3000" not in text,
                 f"{name}: empty entry or space in {text!r}")
        try:
            p.expect(text.encode("cp932").decode("cp932") == text,
                     f"{name}: {text} does not survive code page 932")
        except UnicodeError:
            p.append(f"{name}: {text} has no code page 932 form")
    if name not in bounds:
        return
    b = bounds[name]
    p.expect(b[0][0] == 0 and b[-1][1] == len(table), f"{name}: sections do not cover the table")
    p.expect(all(s < e for s, e in b) and all(b[i][1] == b[i + 1][0] for i in range(len(b) - 1)),
             f"{name}: sections not contiguous or one empty")
    for level, texts in SAMPLES.get(name, {}).items():
        section = _section(table, b, level)
        for t in texts:
            p.expect(t in section, f"{name}: sample {t} not in level {level}")
    for level, texts in FIRST.get(name, {}).items():
        section = _section(table, b, level)
        p.expect(section[:len(texts)] == texts, f"{name}: level {level} does not begin {texts}")


def check_key_drills(p, tables, bounds):
    layout = {
        "RomajiKisoArray": (ROMAJI_ROWS, ["home", "bottom", "top"],
                            [("home", "bottom"), ("home", "top")], 5),
        "KanaKisoArray": (KANA_ROWS, ["home", "bottom", "top", "number"],
                          [("home", "bottom"), ("number", "top")], 6),
    }
    one_row_columns, two_row_roles = [], []
    for name, (rows, one_rows, two_rows, all_level) in layout.items():
        table = tables[name]
        keys = set("".join(rows.values()))
        for e in table:
            p.expect(len(e) == 3 and set(e) <= keys, f"{name}: {e} is not three keys")
        repeating = {i for i, e in enumerate(table) if len(set(e)) < 3}
        allowed_repeats = set()
        for level, row in enumerate(one_rows):
            start = bounds[name][level][0]
            section = _section(table, bounds[name], level)
            allowed_repeats |= set(range(start + 20, start + 30))
            cols = [_columns(e, rows) for e in section]
            p.expect(all(r == row for c in cols for r, _ in c), f"{name}: level {level} leaves its row")
            one_row_columns.append([tuple(c for _, c in e) for e in cols])
            p.expect(len(set(section)) == len(section), f"{name}: level {level} repeats an entry")
        for level, (base, second) in enumerate(two_rows, len(one_rows)):
            section = _section(table, bounds[name], level)
            roles = []
            for e in section:
                cols = _columns(e, rows)
                p.expect({r for r, _ in cols} == {base, second} and len(set(e)) == 3,
                         f"{name}: {e} of level {level} is not of both its rows")
                roles.append(tuple(("b" if r == base else "s", c) for r, c in cols))
            two_row_roles.append(roles)
            p.expect(len(set(section)) == len(section), f"{name}: level {level} repeats an entry")
        p.expect(repeating == allowed_repeats, f"{name}: keys repeat outside entries 21-30")
        check_all_rows(p, name, _section(table, bounds[name], all_level), rows,
                       set(table[:bounds[name][all_level][0]]))
    p.expect(all(c == one_row_columns[0] for c in one_row_columns),
             "one-row sections differ in their columns")
    p.expect(all(r == two_row_roles[0] for r in two_row_roles),
             "two-row sections differ in their columns")
    check_one_row_pattern(p, one_row_columns[0])
    check_two_row_pattern(p, two_row_roles[0])


def _mirrored(a, b):
    return all(tuple(11 - c for c in x) == y for x, y in zip(a, b))


def check_one_row_pattern(p, cols):
    p.expect(len(cols) == 60, "one-row sections are not 60 entries")
    p.expect(all(max(e) <= 5 and len(set(e)) == 3 for e in cols[:10]),
             "one-row entries 1-10 leave the left-hand columns")
    p.expect(_mirrored(cols[:10], cols[10:20]), "one-row entries 11-20 do not mirror 1-10")
    pairs = [(4, 7), (3, 8), (2, 9), (1, 10), (5, 6)]
    expected = [t for x, y in pairs for t in ((x, y, x), (y, x, y))]
    p.expect(cols[20:30] == expected, "one-row entries 21-30 are not the mirror pairs")
    p.expect(all(len(set(e)) == 3 and min(e) <= 5 < max(e) for e in cols[30:]),
             "one-row entries 31-60 are not three keys of both hands")


def check_two_row_pattern(p, roles):
    p.expect(len(roles) == 90, "two-row sections are not 90 entries")
    first = roles[:60]
    p.expect(all(tuple(r for r, _ in e) == ("b", "s", "s") for e in first),
             "two-row entries 1-60 are not one base key and two second-row keys")
    for block in (0, 20, 40):
        left = [tuple(c for _, c in e) for e in roles[block:block + 10]]
        right = [tuple(c for _, c in e) for e in roles[block + 10:block + 20]]
        p.expect(all(max(e) <= 5 for e in left), f"two-row block {block + 1} leaves the left hand")
        p.expect(_mirrored(left, right), f"two-row block {block + 11} does not mirror")
    orders = Counter("".join(r for r, _ in e) for e in roles[60:])
    p.expect(orders == Counter({"bss": 10, "sbs": 9, "ssb": 5, "bbs": 2, "sbb": 2, "bsb": 2}),
             f"two-row entries 61-90 mix the rows as {dict(orders)}")


def check_all_rows(p, name, section, rows, earlier):
    p.expect(len(set(section)) == len(section) and not set(section) & earlier,
             f"{name}: the all-rows level repeats an entry")
    p.expect(all(len(set(e)) == 3 for e in section), f"{name}: an all-rows entry repeats a key")
    row_counts = Counter(len({r for r, _ in _columns(e, rows)}) for e in section)
    if name == "RomajiKisoArray":
        p.expect(row_counts == Counter({3: 76, 2: 14}), f"{name}: all-rows mix {dict(row_counts)}")
    else:
        numbers = Counter(sum(r == "number" for r, _ in _columns(e, rows)) for e in section)
        p.expect(numbers == Counter({1: 66, 2: 24}), f"{name}: number-row kana {dict(numbers)}")
        p.expect(row_counts == Counter({3: 48, 2: 42}), f"{name}: all-rows mix {dict(row_counts)}")


def _sorted_runs(section, lengths):
    """Whether section is runs of the given lengths, each run ascending and duplicate-free."""
    i = 0
    for length, count in lengths:
        run = section[i:i + count]
        if len(run) != count or any(len(t) != length for t in run):
            return False
        if any(a >= b for a, b in zip(run, run[1:])):
            return False
        i += count
    return i == len(section)


def check_jp_romaji(p, table, written, bounds):
    name = "JpRomajiArray"
    b = bounds[name]
    p.expect(all(set(t) <= ROMAJI_LETTERS for t in table), f"{name}: a letter outside the set")
    forbidden = ("SHI", "CHI", "TSU", "FU", "ZI", "ZYA")
    p.expect(not [t for t in table if any(f in t for f in forbidden)],
             f"{name}: a spelling outside the drills' romaji")
    sizes = [e - s for s, e in b]
    p.expect(_sorted_runs(_section(table, b, 0), [(3, 18), (4, sizes[0] - 18)]),
             f"{name}: level 0 is not 18 three-letter words and then the four-letter ones")
    for level, length in enumerate((5, 6, 7, 8), 1):
        p.expect(_sorted_runs(_section(table, b, level), [(length, sizes[level])]),
                 f"{name}: level {level} is not ascending words of {length} letters")
    p.expect(len(set(table)) == len(table), f"{name}: a word twice")
    p.expect(len(written) == len(table), "JpRomajiKanjiArray does not match JpRomajiArray")


def check_jp_kana(p, table, bounds):
    name = "JpKanaArray"
    b = bounds[name]
    used = set("".join(table))
    p.expect(used == HALFWIDTH, f"{name}: characters {sorted(HALFWIDTH ^ used)} off")
    for t in table:
        ok = t[0] not in "ﾞﾟｰ" and all(
            (c != "ﾞ" or prev in TAKES_DAKUTEN) and (c != "ﾟ" or prev in TAKES_HANDAKUTEN)
            for prev, c in zip(t, t[1:]))
        p.expect(ok, f"{name}: {t} misplaces a mark")
    sizes = [e - s for s, e in b]
    p.expect(_sorted_runs(_section(table, b, 0), [(2, 40), (3, sizes[0] - 40)]),
             f"{name}: level 0 is not 40 two-character words and then the three-character ones")
    for level, length in enumerate((4, 5, 6, 7, 8), 1):
        p.expect(_sorted_runs(_section(table, b, level), [(length, sizes[level])]),
                 f"{name}: level {level} is not ascending words of {length} characters")
    p.expect(len(set(table)) == len(table), f"{name}: a word twice")


def check_eigo(p, table, bounds):
    name = "EigoArray"
    everything = set(string.ascii_uppercase)
    for level, length in enumerate(range(3, 9)):
        section = _section(table, bounds[name], level)
        p.expect(all(len(w) == length and w.isascii() and w.isupper() for w in section),
                 f"{name}: level {level} holds a word not of {length} letters A-Z")
        letters = everything - ({"Q", "Z"} if length == 3 else {"Q"} if length == 4 else set())
        p.expect(set("".join(section)) == letters, f"{name}: level {level} letters are off")
        if length >= 4:
            firsts = [w[0] for w in section]
            p.expect(firsts == sorted(firsts) and set(firsts) == letters,
                     f"{name}: level {level} does not run once through the alphabet")
    p.expect(len(set(table)) == len(table), f"{name}: a word twice")


def check_jp_kanji(p, table, bounds):
    name = "JpKanjiArray"
    b = bounds[name]
    years = [_section(table, b, y) for y in range(6)]
    school = [k for y in years for k in y]
    p.expect([len(y) for y in years] == [80, 159, 200, 200, 185, 181]
             and all(len(k) == 1 and is_kanji(k) for k in school) and len(set(school)) == 1005,
             f"{name}: the school years are not 1005 different kanji")
    idioms, sayings, proverbs, poems = (_section(table, b, level) for level in range(6, 10))
    p.expect(all(len(t) == 4 and all(is_kanji(c) for c in t) for t in idioms),
             f"{name}: an idiom that is not four kanji")

    def kanji_kana(t):
        return all(is_kanji(c) or is_hiragana(c) or c == "々" for c in t)

    p.expect(all(3 <= len(t) <= 12 and kanji_kana(t) for t in sayings),
             f"{name}: a phrase off 3-12 kanji and hiragana")
    p.expect(sum(len(t) in (5, 6) for t in sayings) * 2 > len(sayings),
             f"{name}: most phrases are not of 5 or 6 characters")
    p.expect(all(3 <= len(t) <= 19 and kanji_kana(t) for t in proverbs),
             f"{name}: a proverb off 3-19 kanji and hiragana")
    p.expect(all(22 <= len(t) <= 30 and kanji_kana(t) for t in poems),
             f"{name}: a poem off 22-30 kanji and hiragana")
    p.expect("ゐ" in "".join(poems) and "ゑ" in "".join(poems), f"{name}: poems lack ゐ or ゑ")
    p.expect(not any(set(t) & PUNCTUATION for t in table), f"{name}: punctuation in an entry")
    p.expect(len(set(table)) == len(table), f"{name}: a text twice")


def check_all(tables, bounds, counts):
    p = Problems()
    for name, table in tables.items():
        check_common(p, name, table, bounds, counts)
    check_key_drills(p, tables, bounds)
    check_jp_romaji(p, tables["JpRomajiArray"], tables["JpRomajiKanjiArray"], bounds)
    check_jp_kana(p, tables["JpKanaArray"], bounds)
    check_eigo(p, tables["EigoArray"], bounds)
    check_jp_kanji(p, tables["JpKanjiArray"], bounds)
    return p
