"""The data the tables are made from: Debian dictionary packages and the poems file."""

import os
import re
import subprocess
from dataclasses import dataclass, field
from pathlib import Path

PACKAGES = ("scowl", "kanjidic", "edict")
EDICT = Path("/usr/share/edict/edict")
KANJIDIC = Path("/usr/share/edict/kanjidic")
SCOWL = Path("/usr/share/dict/scowl")
COPYRIGHT = {p: Path(f"/usr/share/doc/{p}/copyright") for p in PACKAGES}


def ensure_packages():
    """Installs the dictionary packages that are missing (needs root or sudo)."""
    missing = []
    for name in PACKAGES:
        status = subprocess.run(["dpkg-query", "-W", "-f=${Status}", name],
                                capture_output=True, text=True)
        if "install ok installed" not in status.stdout:
            missing.append(name)
    if not missing:
        return
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    install = sudo + ["apt-get", "install", "-y", "-qq", *missing]
    if subprocess.run(install, env=env).returncode != 0:
        subprocess.run(sudo + ["apt-get", "update", "-qq"], env=env, check=True)
        subprocess.run(install, env=env, check=True)


def package_version(name):
    out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", name],
                         capture_output=True, text=True, check=True)
    return out.stdout.strip()


@dataclass
class Kanji:
    char: str
    grade: int          # KANJIDIC G: 1-6 school years (2020 list), 8 joyo, 9-10 jinmeiyo, 0 none
    school_index: int   # KANJIDIC DH: position in the older school-year list, 0 when absent
    strokes: int
    on: list = field(default_factory=list)    # on-yomi in katakana, in dictionary order
    kun: list = field(default_factory=list)   # kun-yomi in hiragana, okurigana dots removed


def read_kanjidic():
    table = {}
    with open(KANJIDIC, encoding="euc_jp") as f:
        for line in f:
            if line.startswith("#"):
                continue
            fields = line.split("{", 1)[0].split()
            k = Kanji(fields[0], 0, 0, 0)
            for x in fields[2:]:
                if x in ("T1", "T2"):
                    break  # name readings follow
                if m := re.fullmatch(r"G(\d+)", x):
                    k.grade = int(m.group(1))
                elif m := re.fullmatch(r"DH(\d+)", x):
                    k.school_index = int(m.group(1))
                elif (m := re.fullmatch(r"S(\d+)", x)) and not k.strokes:
                    k.strokes = int(m.group(1))
                elif re.fullmatch(r"[\u30a1-\u30fa\u30fc]+", x):
                    k.on.append(x)
                elif re.fullmatch(r"-?[\u3041-\u3096.]+-?", x):
                    k.kun.append(x.strip("-").replace(".", ""))
            table[k.char] = k
    return table


@dataclass
class Entry:
    headword: str
    reading: str        # kana; equal to the headword for entries written in kana
    senses: list        # [(tags, glosses)]: tags of each sense, its glosses
    common: bool        # marked (P)

    def tags(self):
        return {t for tags, _ in self.senses for t in tags}

    def first_tags(self):
        return set(self.senses[0][0]) if self.senses else set()

    def gloss_text(self):
        return "/".join(g for _, gl in self.senses for g in gl)


_LINE = re.compile(r"(\S+) (?:\[(\S+)\] )?/(.*)/$")
_TAG = re.compile(r"^\(([^()]*)\)\s*")


def _split_tags(text):
    tags = []
    while m := _TAG.match(text):
        tags.extend(t.strip() for t in m.group(1).split(","))
        text = text[m.end():]
    return tags, text


def read_edict():
    entries = []
    with open(EDICT, encoding="euc_jp") as f:
        for line in f:
            m = _LINE.match(line.rstrip("\n"))
            if not m:
                continue
            headword, reading, body = m.groups()
            fields = body.split("/")
            common = fields[-1] == "(P)"
            if common:
                fields = fields[:-1]
            fields = [x for x in fields if not x.startswith("EntL")]
            senses = []
            for x in fields:
                tags, gloss = _split_tags(x)
                numbered = any(t.isdigit() for t in tags)
                tags = [t for t in tags if not t.isdigit()]
                if not senses or numbered:
                    senses.append((tags, [gloss]))
                else:
                    senses[-1][0].extend(tags)
                    senses[-1][1].append(gloss)
            entries.append(Entry(headword, reading or headword, senses, common))
    return entries


def read_scowl(kind, size):
    """Words of one SCOWL list (kind 'words' or 'upper'), upper-cased, letters A-Z only."""
    path = SCOWL / f"english-{kind}.{size}"
    if not path.exists():
        return []
    with open(path, encoding="iso-8859-1") as f:
        words = [w.strip() for w in f]
    return [w.upper() for w in words if re.fullmatch(r"[A-Za-z]+", w)]


def read_poems(path):
    with open(path, encoding="utf-8") as f:
        return [line.strip() for line in f if line.strip()]
