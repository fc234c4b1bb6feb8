#!/usr/bin/env python3
"""Keeps translations/quillfen_*.ts in step with the texts in src/.

  tools/translations.py update [LUPDATE]   bring every .ts up to date with the sources (new
                                           texts come in unfinished, texts no longer used go)
  tools/translations.py check  [LUPDATE]   fail when a text of the sources has no finished
                                           translation, or a translation is of a text no longer
                                           used, or loses a placeholder, accelerator or the
                                           blanks and separators its text is joined by

`check` runs lupdate on a copy, so it sees what `update` would change without changing it.
LUPDATE defaults to Qt 6's lupdate.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDER = os.path.join(ROOT, "translations")
# No line numbers in the .ts: branches that add texts in parallel then merge cleanly.
OPTIONS = ["-locations", "none", "-source-language", "en", "-silent"]


def lupdate_program(arguments):
    if arguments:
        return arguments[0]
    for candidate in ("/usr/lib/qt6/bin/lupdate", shutil.which("lupdate6"), shutil.which("lupdate")):
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    sys.exit("lupdate not found: install qt6-l10n-tools (bash tools/setup.sh)")


def ts_files():
    return sorted(os.path.join(FOLDER, name) for name in os.listdir(FOLDER)
                  if name.startswith("quillfen_") and name.endswith(".ts"))


def language_of(path):
    return os.path.basename(path)[len("quillfen_"):-len(".ts")]


def run_lupdate(lupdate, ts, extra):
    subprocess.run([lupdate, *OPTIONS, *extra, "-target-language", language_of(ts),
                    os.path.join(ROOT, "src"), "-ts", ts], check=True)


def text_of(element):
    # lupdate writes a carriage return as <byte value="xd"/>.
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def placeholders(text):
    return sorted(re.findall(r"%(?:L?\d+|n)", text))


def accelerators(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def faults(ts):
    found = []
    for message in ET.parse(ts).getroot().iter("message"):
        source = text_of(message.find("source"))
        translation = message.find("translation")
        kind = translation.get("type")
        forms = translation.findall("numerusform") or [translation]
        texts = [text_of(form) for form in forms]
        short = source if len(source) < 60 else source[:57] + "..."
        if kind in ("vanished", "obsolete"):
            found.append(f"no longer in the sources, remove it: {short!r}")
        elif kind == "unfinished" or any(not t for t in texts):
            found.append(f"not translated: {short!r}")
        else:
            for text in texts:
                if placeholders(text) != placeholders(source) and "%n" not in source:
                    found.append(f"placeholders {placeholders(source)} became "
                                 f"{placeholders(text)}: {short!r}")
                if accelerators(text) != accelerators(source):
                    found.append(f"the & accelerator is lost or doubled: {short!r}")
                # Texts joined to others keep the blanks and separators at their ends.
                for end, pick in (("start", lambda s: s[:1]), ("end", lambda s: s[-1:])):
                    if (pick(source).isspace() or pick(source) in ";:,|") \
                            and pick(text) != pick(source):
                        found.append(f"the {pick(source)!r} at its {end} is lost: {short!r}")
                if source.count("|") != text.count("|"):
                    found.append(f"a file filter's | separators changed: {short!r}")
    return found


def main():
    if len(sys.argv) < 2 or sys.argv[1] not in ("update", "check"):
        sys.exit(__doc__)
    lupdate = lupdate_program(sys.argv[2:])
    if sys.argv[1] == "update":
        for ts in ts_files():
            run_lupdate(lupdate, ts, ["-no-obsolete"])
        return 0
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        for ts in ts_files():
            copy = os.path.join(scratch, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            run_lupdate(lupdate, copy, [])
            for fault in faults(copy):
                print(f"{os.path.relpath(ts, ROOT)}: {fault}")
                failed = True
    if failed:
        print("Run `make translations`, translate what is marked unfinished in "
              "translations/*.ts (Qt Linguist, or by hand), and remove the type attribute.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
