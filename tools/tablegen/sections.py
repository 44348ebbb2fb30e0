"""The level sections, read from their one definition in game/ArrayUnit.cpp."""

import re

TABLES = {  # table -> the name of its section ends in ArrayUnit.cpp
    "RomajiKisoArray": "romajiKisoEnds",
    "KanaKisoArray": "kanaKisoEnds",
    "JpRomajiArray": "jpRomajiEnds",
    "JpKanaArray": "jpKanaEnds",
    "EigoArray": "eigoEnds",
    "JpKanjiArray": "jpKanjiEnds",
}


def read_sections(source_path):
    """table -> [(start, end)] in level order."""
    text = source_path.read_text(encoding="utf-8")
    sections = {}
    for table, name in TABLES.items():
        m = re.search(r"constexpr std::int32_t " + name + r"\[\] = \{([^}]*)\};", text)
        if not m:
            raise ValueError(f"{name} not found in {source_path}")
        ends = [int(x) for x in m.group(1).split(",")]
        sections[table] = list(zip([0] + ends[:-1], ends))
    return sections


def read_counts(header_path):
    """table -> entry count, from the declarations in game/ArrayUnit.h."""
    text = header_path.read_text(encoding="utf-8")
    return {m.group(1): int(m.group(2))
            for m in re.finditer(r"extern const char \*const (\w+)\[(\d+)\];", text)}
