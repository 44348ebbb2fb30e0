#!/usr/bin/env python3
"""Generates game/ArrayUnit_data.cpp, the drill tables of ArrayUnit, from Debian's scowl,
kanjidic and edict packages (installed when missing) and the hundred poems of the Hyakunin
Isshu. Checks every rule of the tables before it writes; the same sources give the same file.

    tools/gen_tables.py [--poems PATH] [--check]

--check compares the generated text with the committed file instead of writing it."""

import argparse
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from tablegen import checks, emit, sections, sources, tables  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "game" / "ArrayUnit_data.cpp"
DEFAULT_POEMS = ROOT / "tools" / "data" / "hyakunin-isshu.txt"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--poems", type=Path, default=DEFAULT_POEMS,
                        help="the hundred poems, one a line (default: %(default)s)")
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed file instead of writing it")
    args = parser.parse_args()

    sources.ensure_packages()
    bounds = sections.read_sections(ROOT / "game" / "ArrayUnit.cpp")
    counts = sections.read_counts(ROOT / "game" / "ArrayUnit.h")
    built = tables.build(sources, bounds, args.poems)
    problems = checks.check_all(built, bounds, counts)
    if problems:
        for p in problems:
            print("gen_tables:", p, file=sys.stderr)
        return 1
    versions = {p: sources.package_version(p) for p in sources.PACKAGES}
    text = emit.source(built, bounds, versions)
    if args.check:
        same = OUTPUT.exists() and OUTPUT.read_text(encoding="utf-8") == text
        print("gen_tables: " + ("up to date" if same else f"{OUTPUT} differs"))
        return 0 if same else 1
    OUTPUT.write_text(text, encoding="utf-8")
    print(f"gen_tables: wrote {OUTPUT} ({sum(len(t) for t in built.values())} entries)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
