"""English words from SCOWL, the most common lists first (sizes 10, 20, 35)."""

import string

SIZES = (10, 20, 35)
# No common word starts with X: these come from SCOWL's capitalised lists.
X_WORDS = {4: "XMAS", 5: "XEROX", 6: "XMASES", 7: "XEROXES", 8: "XEROXING"}
UPPER_SIZES = (10, 35, 40, 50, 60, 70, 80)
# Words a typing drill for all ages leaves out (crude words; "hes" is he's without its
# apostrophe).
UNWANTED = {"ASS", "ASSES", "BASTARD", "BASTARDS", "BITCH", "BITCHES", "CRAP", "DAMN",
            "DAMNED", "DICK", "HES", "NAZI", "NAZIS", "NUDE", "PENIS", "PISS", "PORN", "RAPE",
            "RAPED", "RAPES", "RAPING", "RAPIST", "SEX", "SEXES", "SEXUAL", "SEXY", "SLUT",
            "VAGINA", "WHORE", "WHORES"}


def letters_allowed(length):
    """Letters a section of words of this length may hold."""
    if length == 3:
        return set(string.ascii_uppercase) - {"Q", "Z"}
    if length == 4:
        return set(string.ascii_uppercase) - {"Q"}
    return set(string.ascii_uppercase)


def levels(read_scowl):
    """word -> the smallest SCOWL size that lists it."""
    level = {}
    for size in SIZES:
        for w in read_scowl("words", size):
            level.setdefault(w, size)
    return level


def _spread(words, n):
    """n words evenly spread over words (keeps the mix of first letters)."""
    if n <= 0:
        return []
    return [words[(2 * i + 1) * len(words) // (2 * n)] for i in range(n)]


def section(level, read_scowl, length, count, required):
    """count words of the given length: the required ones, one for every first letter that
    can start one (from 4 letters up), then the smaller SCOWL sizes first; a size taken in
    part is taken evenly over the alphabet."""
    allowed = letters_allowed(length)
    chosen = list(required)
    if length in X_WORDS:
        upper = set()
        for size in UPPER_SIZES:
            upper.update(read_scowl("upper", size))
        if X_WORDS[length] not in upper:
            raise ValueError(f"{X_WORDS[length]} is in no SCOWL list")
        chosen.append(X_WORDS[length])
    by_size = {size: sorted(w for w, s in level.items() if s == size and len(w) == length
                            and set(w) <= allowed and w not in UNWANTED) for size in SIZES}
    if length >= 4:
        for letter in sorted(allowed):
            if any(w[0] == letter for w in chosen):
                continue
            for size in SIZES:
                starting = [w for w in by_size[size] if w[0] == letter]
                if starting:
                    chosen.append(starting[0])
                    break
    for size in SIZES:
        rest = [w for w in by_size[size] if w not in chosen]
        room = count - len(chosen)
        if room <= 0:
            break
        chosen.extend(rest if len(rest) <= room else _spread(rest, room))
    if len(chosen) != count:
        raise ValueError(f"{len(chosen)} English words of {length} letters, {count} wanted")
    return chosen


def order(words, level, length, shuffle):
    """From 4 letters up: by first letter, the more common words first within a letter;
    the 3-letter section in a fixed shuffled order."""
    if length == 3:
        return shuffle(sorted(words))
    size = {w: level.get(w, 99) for w in words}
    return sorted(words, key=lambda w: (w[0], size[w], w))
