"""Kana helpers: katakana, half-width katakana, the romaji spelling of the drills, and the
Japanese syllabary order."""

import unicodedata

HIRAGANA = range(0x3041, 0x3097)
DAKUTEN, HANDAKUTEN = "\uff9e", "\uff9f"


def is_hiragana(c):
    return ord(c) in HIRAGANA


def is_katakana(c):
    return "\u30a1" <= c <= "\u30fa" or c == "\u30fc"


def is_kanji(c):
    return "\u4e00" <= c <= "\u9fff"


def to_katakana(text):
    return "".join(chr(ord(c) + 0x60) if is_hiragana(c) else c for c in text)


# Full-width katakana -> half-width katakana, from the compatibility mapping of U+FF67..U+FF9D
# (ｦ and the half-width punctuation stay out: the drills never use them).
_HALF = {unicodedata.normalize("NFKC", chr(cp)): chr(cp) for cp in range(0xFF67, 0xFF9E)}


def to_halfwidth(text):
    """Half-width katakana of a kana text (voiced kana become two characters), or None when
    a character has no half-width form."""
    out = []
    for ch in to_katakana(text):
        base, *marks = unicodedata.normalize("NFD", ch)
        if base not in _HALF:
            return None
        out.append(_HALF[base])
        for m in marks:
            if m == "\u3099":
                out.append(DAKUTEN)
            elif m == "\u309a":
                out.append(HANDAKUTEN)
            else:
                return None
    return "".join(out)


def _build_romaji():
    rows = {
        "": "アイウエオ", "K": "カキクケコ", "S": "サシスセソ", "T": "タチツテト",
        "N": "ナニヌネノ", "H": "ハヒフヘホ", "M": "マミムメモ", "R": "ラリルレロ",
        "G": "ガギグゲゴ", "Z": "ザジズゼゾ", "D": "ダヂヅデド", "B": "バビブベボ",
        "P": "パピプペポ",
    }
    table = {}
    for consonant, kana in rows.items():
        for k, vowel in zip(kana, "AIUEO"):
            table[k] = consonant + vowel
    table.update({"ヤ": "YA", "ユ": "YU", "ヨ": "YO", "ワ": "WA", "ン": "NN", "ー": "-",
                  "シ": "SI", "チ": "TI", "ツ": "TU", "フ": "HU", "ヅ": "DU", "ジ": "JI"})
    del table["ヂ"]  # ぢ never occurs
    for k, stem in (("キ", "KY"), ("ギ", "GY"), ("ニ", "NY"), ("ヒ", "HY"), ("ビ", "BY"),
                    ("ピ", "PY"), ("ミ", "MY"), ("リ", "RY"), ("シ", "SY"), ("チ", "TY"),
                    ("ジ", "JY")):
        for small, vowel in zip("ャュョ", "AUO"):
            table[k + small] = stem + vowel
    table.update({"ファ": "FA", "フィ": "FI", "フォ": "FO", "チェ": "CHE", "シェ": "SYE",
                  "ジェ": "JE", "ティ": "THI", "テュ": "THU", "ウェ": "WE", "トゥ": "TWU",
                  "グァ": "GWA"})
    return table


ROMAJI = _build_romaji()


def to_romaji(text):
    """The drills' upper-case romaji of a kana text, or None when it holds a kana the
    spelling does not cover (を, ぢ, ヴ, small kana outside the listed pairs ...)."""
    kata = to_katakana(text)
    out = []
    i = 0
    double = False
    while i < len(kata):
        if kata[i] == "ッ":
            if double:
                return None
            double = True
            i += 1
            continue
        pair = kata[i:i + 2]
        if len(pair) == 2 and pair in ROMAJI:
            syllable, i = ROMAJI[pair], i + 2
        elif kata[i] in ROMAJI:
            syllable, i = ROMAJI[kata[i]], i + 1
        else:
            return None
        if double:
            if syllable[0] in "AIUEON-" or syllable.startswith("CH"):
                return None
            syllable = syllable[0] + syllable
            double = False
        out.append(syllable)
    if double:
        return None
    return "".join(out)


_SMALL = str.maketrans("ァィゥェォャュョッヮ", "アイウエオヤユヨツワ")
_GOJUON = ("アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモ"
           "ヤユヨラリルレロワヰヱヲン")


def syllabary_key(text):
    """Sort key for the Japanese syllabary order: first by the kana with voicing and size
    ignored, then unvoiced before voiced before half-voiced, then small kana after large."""
    kata = to_katakana(text).replace("ヴ", "ウ\u3099")
    plain, voicing, size = [], [], []
    for ch in kata:
        base, *marks = unicodedata.normalize("NFD", ch)
        small = base.translate(_SMALL)
        if base == "ー":
            plain.append(0)
        else:
            plain.append(_GOJUON.index(small) + 1 if small in _GOJUON else 100 + ord(small))
        voicing.append(1 if "\u3099" in marks else 2 if "\u309a" in marks else 0)
        size.append(1 if small != base else 0)
    return (tuple(plain), tuple(voicing), tuple(size))
