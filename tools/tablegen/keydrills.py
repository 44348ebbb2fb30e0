"""The two key drills: three keys per entry, from the column patterns both tables share."""

from .rng import Lcg

# Columns 1 to 10 of each keyboard row.
ROMAJI_ROWS = {
    "home": "ASDFGHJKL;",
    "bottom": "ZXCVBNM,./",
    "top": "QWERTYUIOP",
}
KANA_ROWS = {
    "home": "ﾁﾄｼﾊｷｸﾏﾉﾘﾚ",
    "bottom": "ﾂｻｿﾋｺﾐﾓﾈﾙﾒ",
    "top": "ﾀﾃｲｽｶﾝﾅﾆﾗｾ",
    "number": "ﾇﾌｱｳｴｵﾔﾕﾖﾜ",
}


def mirror(block):
    return [tuple(11 - c for c in entry) for entry in block]


def _triples(text):
    return [tuple(int(c) for c in t.split(",")) for t in text.split()]


# The one-row pattern: 60 entries of three columns of one row.
_LEFT = _triples("4,5,3 4,3,5 3,4,2 3,2,4 2,3,1 2,1,3 1,2,3 5,4,3 1,3,5 5,2,4")
_MIRROR_PAIRS = [(4, 7), (3, 8), (2, 9), (1, 10), (5, 6)]
_BOTH_HANDS = _triples(
    "4,7,5 7,4,6 3,8,4 8,3,7 2,9,3 9,2,8 1,10,2 10,1,9 5,6,4 6,5,7 "
    "4,6,8 7,5,3 3,7,9 8,4,2 2,6,10 9,5,1 1,7,4 10,4,7 4,8,6 7,3,5 "
    "5,9,3 6,2,8 3,10,5 8,1,6 2,7,8 9,4,3 1,6,9 10,5,2 5,7,9 6,4,2")
ONE_ROW = (_LEFT + mirror(_LEFT)
           + [t for x, y in _MIRROR_PAIRS for t in ((x, y, x), (y, x, y))] + _BOTH_HANDS)


def _keyed(text):
    """'b4 s3 s4' -> (('b', 4), ('s', 3), ('s', 4)): b the base row, s the second row."""
    return [tuple((k[0], int(k[1:])) for k in e.split()) for e in text.split(";")]


def _base_then_second(text):
    return [(("b", b), ("s", s1), ("s", s2)) for b, s1, s2 in _triples(text)]


def _mirror_keyed(block):
    return [tuple((row, 11 - c) for row, c in entry) for entry in block]


# The two-row pattern: 60 entries of one base-row key and two second-row keys in blocks of
# ten (left hand, then mirrored), then 30 that mix the rows in every order.
_TWO_LEFT = [
    _base_then_second("4,3,4 4,3,5 3,2,4 3,4,2 2,1,3 2,3,1 5,4,3 1,2,3 4,5,3 5,3,4"),
    _base_then_second("4,4,5 4,5,4 3,3,4 3,4,3 2,2,3 2,3,2 1,1,2 1,2,1 5,5,4 5,4,5"),
    _base_then_second("4,2,3 3,5,4 2,4,5 1,3,4 5,1,2 4,1,5 3,1,5 2,5,1 1,5,4 5,2,1"),
]
_TWO_MIXED = _keyed(
    "b4 s7 s8;b7 s4 s3;b3 s8 s7;b8 s3 s4;b5 s6 s2;b6 s5 s9;b2 s9 s4;b9 s2 s7;b1 s6 s7;"
    "b10 s5 s4;"
    "s4 b7 s5;s7 b4 s6;s3 b5 s8;s8 b6 s3;s2 b4 s9;s9 b7 s2;s5 b1 s6;s6 b10 s5;s4 b3 s7;"
    "s4 s5 b7;s7 s6 b4;s3 s4 b8;s8 s7 b3;s2 s3 b9;"
    "b4 b7 s5;b7 b4 s6;s3 b4 b7;s8 b7 b4;b4 s5 b7;b7 s6 b4")
TWO_ROW = [e for block in _TWO_LEFT for e in block + _mirror_keyed(block)] + _TWO_MIXED


def one_row(keys):
    return ["".join(keys[c - 1] for c in entry) for entry in ONE_ROW]


def two_row(base, second):
    rows = {"b": base, "s": second}
    return ["".join(rows[r][c - 1] for r, c in entry) for entry in TWO_ROW]


def _all_rows(rows, kinds, samples, taken, seed):
    """90 entries of keys of several rows, no key twice: the samples, then one entry of each
    kind (a list of row names) in a fixed shuffled order, columns drawn at random."""
    rng = Lcg(seed)
    chosen = list(samples)
    seen = set(taken) | set(chosen)
    for kind in rng.shuffle(kinds):
        while True:
            entry = "".join(rows[r][rng.below(10)] for r in rng.shuffle(kind))
            if len(set(entry)) == 3 and entry not in seen:
                break
        chosen.append(entry)
        seen.add(entry)
    return chosen


def romaji_kiso():
    r = ROMAJI_ROWS
    table = one_row(r["home"]) + one_row(r["bottom"]) + one_row(r["top"])
    table += two_row(r["home"], r["bottom"]) + two_row(r["home"], r["top"])
    three = [("home", "bottom", "top")] * 73
    two = ([("home", "home", "bottom")] * 3 + [("home", "bottom", "bottom")] * 2
           + [("home", "home", "top")] * 3 + [("home", "top", "top")] * 2
           + [("bottom", "bottom", "top")] * 2 + [("bottom", "top", "top")] * 2)
    table += _all_rows(r, three + two, ["FEX", "FCW", "BDW"], table, seed=1101)
    return table


def kana_kiso():
    r = KANA_ROWS
    table = [e for row in ("home", "bottom", "top", "number") for e in one_row(r[row])]
    table += two_row(r["home"], r["bottom"]) + two_row(r["number"], r["top"])
    others = ("home", "bottom", "top")
    three = [("number", a, b) for a in others for b in others if a < b] * 16
    three = three[:46]
    two = [("number", o, o) for o in others] * 6
    double = [("number", "number", o) for o in others] * 8
    table += _all_rows(r, three + two + double, ["ﾊｳｿ", "ｼｱﾋ"], table, seed=1102)
    return table
