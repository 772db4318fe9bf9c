#!/usr/bin/env python3
"""Cuts the window's caption font out of Noto Sans CJK JP (Debian's fonts-noto-cjk).

The window's own captions and texts include full-width operators ("＋", "－", "＝") and Japanese
words ("税込", "閉じる", ...) that fonts like DejaVu lack. This script collects every non-ASCII
character of the string literals in the window's sources (ui/ and model/) and of the design's
Japanese texts kept in the Japanese translation (translations/zemtrix_ja.ts), adds the full-width
forms a Japanese input method types (U+FF01 to U+FF5E and U+3000), keeps exactly those
glyphs of the regular and bold Japanese faces, renames the family so that it never stands in for
the full system font, and writes the two faces and their licence to ui/resources/fonts/.

Usage: python3 scripts/subset-caption-font.py   (needs python3-fonttools and fonts-noto-cjk)
"""

import pathlib
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE_FOLDERS = ("ui", "model")
OUTPUT = ROOT / "ui" / "resources" / "fonts"
NOTO_FOLDER = pathlib.Path("/usr/share/fonts/opentype/noto")
NOTO_LICENCE = pathlib.Path("/usr/share/doc/fonts-noto-cjk/copyright")
SOURCE_FAMILY = "Noto Sans CJK JP"
FAMILY = "Zemtrix Captions"
WEIGHTS = ("Regular", "Bold")

# The design's Japanese texts that moved into the Japanese translation (the about box): they read
# on machines without a CJK font, as they did before the window was translated.
DESIGN_TRANSLATIONS = ("バージョン情報", "閉じる", "に書き込めません")

# Literals that name fonts are never drawn.
NOT_SHOWN = {"メイリオ"}

# What a Japanese input method types into the line and the variable fields besides: the
# full-width forms of ASCII (U+FF01 to U+FF5E) and the ideographic space, which the formula
# language accepts; the window draws them with this font where the system has no CJK font.
TYPED = "".join(chr(c) for c in range(0xFF01, 0xFF5F)) + "\u3000"

# Character literals, string literals and comments, in the order a compiler meets them.
TOKEN = re.compile(r"'(?:[^'\\\n]|\\.)*'|\"(?:[^\"\\\n]|\\.)*\"|//[^\n]*|/\*.*?\*/", re.S)


def literals(text):
    """The contents of the string literals of a C++ source (a quote in a comment is no literal)."""
    return [token[1:-1] for token in TOKEN.findall(text) if token.startswith('"')]


def shown_characters():
    characters = set()
    for folder in SOURCE_FOLDERS:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            for literal in literals(path.read_text(encoding="utf-8")):
                if literal in NOT_SHOWN:
                    continue
                characters.update(c for c in literal if ord(c) > 0x7F)
    characters.update(c for text in DESIGN_TRANSLATIONS for c in text)
    return "".join(sorted(characters))


def face_index(collection_path):
    collection = TTCollection(str(collection_path))
    for index, face in enumerate(collection.fonts):
        if face["name"].getDebugName(1) == SOURCE_FAMILY or face["name"].getDebugName(16) == SOURCE_FAMILY:
            return index
    sys.exit(f"error: {SOURCE_FAMILY} not found in {collection_path}")


def rename(font, weight):
    postscript = FAMILY.replace(" ", "") + "-" + weight
    version = font["name"].getDebugName(5) or ""
    names = {1: FAMILY, 2: weight, 3: f"{postscript};subset of {SOURCE_FAMILY} {version}",
             4: f"{FAMILY} {weight}", 6: postscript}
    table = font["name"]
    table.names = [record for record in table.names if record.nameID not in (1, 2, 3, 4, 6, 16, 17)]
    for name_id, value in names.items():
        table.setName(value, name_id, 3, 1, 0x409)
        table.setName(value, name_id, 1, 0, 0)
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        top.FamilyName = FAMILY
        top.FullName = f"{FAMILY} {weight}"


def cut(weight, characters):
    source = NOTO_FOLDER / f"NotoSansCJK-{weight}.ttc"
    options = subset.Options()
    options.font_number = face_index(source)
    options.layout_features = []
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.drop_tables += ["vhea", "vmtx", "VORG", "BASE", "GDEF", "GPOS", "GSUB"]
    font = subset.load_font(str(source), options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters)
    subsetter.subset(font)
    rename(font, weight)
    target = OUTPUT / f"{FAMILY.replace(' ', '')}-{weight}.otf"
    subset.save_font(font, str(target), options)
    return target


def write_licence(copyright_notice):
    """The OFL text as Debian ships it with the font, under the font's own copyright line."""
    text = NOTO_LICENCE.read_text(encoding="utf-8")
    block = text.split("License: SIL-1.1\n", 2)[-1].split("\nLicense:", 1)[0]
    lines = [line[1:] if line.startswith(" ") else line for line in block.splitlines()]
    body = "\n".join("" if line == "." else line for line in lines).strip("\n")
    header = (f"{FAMILY} is a subset of {SOURCE_FAMILY} (Noto CJK fonts), cut by\n"
              "scripts/subset-caption-font.py to the characters the Zemtrix window shows.\n\n"
              f"{copyright_notice}\n\n")
    (OUTPUT / "OFL.txt").write_text(header + body + "\n", encoding="utf-8")


def main():
    characters = "".join(sorted(set(shown_characters()) | set(TYPED)))
    OUTPUT.mkdir(parents=True, exist_ok=True)
    for weight in WEIGHTS:
        target = cut(weight, characters)
        print(f"{target.relative_to(ROOT)}: {target.stat().st_size} bytes")
    notice = TTCollection(str(NOTO_FOLDER / "NotoSansCJK-Regular.ttc")).fonts[0]["name"].getDebugName(0)
    write_licence(notice)
    print(f"{len(characters)} characters: {characters}")


if __name__ == "__main__":
    main()
