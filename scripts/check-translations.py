#!/usr/bin/env python3
"""Checks translations/*.ts against the code without changing them.

lupdate is run on copies: a text in the code that a .ts file lacks comes out unfinished, and a text
the code no longer has comes out vanished. Either fails, listed by language, context and text, as
does a finished translation that loses a %1-style argument or gives a menu or button more than
one access key. Usage: check-translations.py SOURCE_DIR [LUPDATE]"""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SOURCE_FOLDERS = ["app", "core", "storage", "platform", "render", "ui", "tools"]


def text_of(element):
    """The whole text: lupdate writes a CR as <byte value="xd"/>, with the rest after it."""
    if element is None:
        return ""
    forms = element.findall("numerusform")
    if forms:
        return "\n".join(text_of(f) for f in forms)
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


def access_keys(text):
    return len(re.findall(r"&(?!&)[^&\s]", text.replace("&&", "")))


def problems_in(ts_file):
    language = os.path.basename(ts_file)[len("plumbline_"):-len(".ts")]
    found = []
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            where = f"{language} {name}: {source!r}"
            if kind in ("vanished", "obsolete"):
                found.append(f"{where}: no longer in the code")
                continue
            translated = text_of(translation)
            if kind == "unfinished" or not translated.strip():
                found.append(f"{where}: not translated")
                continue
            if set(re.findall(r"%L?\d", source)) != set(re.findall(r"%L?\d", translated)):
                found.append(f"{where}: arguments differ in {translated!r}")
            if access_keys(source) == 1 and access_keys(translated) != 1:
                found.append(f"{where}: needs exactly one access key in {translated!r}")
    return found


def main():
    source_dir = os.path.abspath(sys.argv[1])
    lupdate = sys.argv[2] if len(sys.argv) > 2 else "/usr/lib/qt6/bin/lupdate"
    originals = sorted(glob.glob(os.path.join(source_dir, "translations", "plumbline_*.ts")))
    if not originals:
        print("no translations/plumbline_*.ts files")
        return 1
    problems = []
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for original in originals:
            copy = os.path.join(work, os.path.basename(original))
            shutil.copyfile(original, copy)
            copies.append(copy)
        run = subprocess.run([lupdate, "-locations", "none", "-no-ui-lines", "-extensions", "cpp,h", "-I", ".",
                              *[f for f in SOURCE_FOLDERS if os.path.isdir(os.path.join(source_dir, f))],
                              "-ts", *copies], cwd=source_dir,
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            return 1
        for warning in (line for line in run.stderr.splitlines() if "warning" in line.lower()):
            problems.append(f"lupdate: {warning}")
        for copy in copies:
            problems += problems_in(copy)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problems; run scripts/update-translations.sh and translate "
              "what is unfinished")
        return 1
    print(f"{len(originals)} translations complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
