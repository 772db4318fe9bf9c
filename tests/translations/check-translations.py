#!/usr/bin/env python3
"""Fails when a translation is missing: the translation sources are brought up to date with the
code's texts in a temporary copy (as scripts/update-translations.sh does), and every entry of
every language must then be finished, non-empty and keep the source text's placeholders.

Usage: check-translations.py SOURCE_DIR LUPDATE
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%L?(\d)")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text or "")))


def problems_of(path):
    found = []
    root = ElementTree.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{os.path.basename(path)}: {name}: {source!r}"
            kind = translation.get("type") if translation is not None else "missing"
            if kind:
                found.append(f"{where}: {kind}")
                continue
            forms = translation.findall("numerusform")
            texts = [form.text or "" for form in forms] if forms else [translation.text or ""]
            if any(not text.strip() for text in texts):
                found.append(f"{where}: empty translation")
                continue
            for text in texts:
                if placeholders(text) != placeholders(source):
                    found.append(f"{where}: placeholders differ in {text!r}")
    return found


def main():
    source_dir, lupdate = sys.argv[1], sys.argv[2]
    folder = os.path.join(source_dir, "translations")
    names = sorted(n for n in os.listdir(folder) if re.fullmatch(r"zemtrix_\w+\.ts", n))
    if not names:
        print("check-translations: no translation sources in", folder)
        return 1
    with tempfile.TemporaryDirectory() as temporary:
        copies = []
        for name in names:
            copies.append(os.path.join(temporary, name))
            shutil.copyfile(os.path.join(folder, name), copies[-1])
        subprocess.run(
            ["bash", os.path.join(source_dir, "scripts", "update-translations.sh"), *copies],
            env={**os.environ, "LUPDATE": lupdate}, check=True)
        problems = [problem for copy in copies for problem in problems_of(copy)]
    for problem in problems:
        print(problem)
    if problems:
        print(f"check-translations: {len(problems)} entries need a translator; "
              "run scripts/update-translations.sh and translate them")
        return 1
    print(f"check-translations: {', '.join(names)} are complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
