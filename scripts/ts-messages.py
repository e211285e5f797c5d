#!/usr/bin/env python3
"""Helps translators who work without Linguist.

  ts-messages.py export FILE.ts > todo.json     every unfinished message, numbered
  ts-messages.py apply FILE.ts done.json        writes the translations given in done.json

done.json is a list of {"context", "source", "translation"} objects (the export's objects with
"translation" filled in); a message whose context and source match gets the translation and
loses its unfinished mark. A translation may also be applied to a finished message, to change it."""

import json
import sys
import xml.etree.ElementTree as ET


def text_of(element):
    """The whole text, with the characters lupdate writes as <byte value="xd"/> (a CR) put back."""
    if element is None:
        return None
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


def set_text(element, text):
    for child in list(element):
        element.remove(child)
    parts = text.split("\r")
    element.text = parts[0]
    for part in parts[1:]:
        byte = ET.SubElement(element, "byte", {"value": "xd"})
        byte.tail = part


def messages(root):
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def export(ts_file):
    root = ET.parse(ts_file).getroot()
    todo = []
    for name, message in messages(root):
        translation = message.find("translation")
        if translation is not None and translation.get("type") not in ("unfinished",) and (text_of(translation) or "").strip():
            continue
        if translation is not None and translation.get("type") in ("vanished", "obsolete"):
            continue
        item = {"context": name, "source": text_of(message.find("source"))}
        comment = message.findtext("extracomment") or message.findtext("comment")
        if comment:
            item["comment"] = comment
        todo.append(item)
    json.dump(todo, sys.stdout, ensure_ascii=False, indent=1)
    print()


def apply(ts_file, done_file):
    tree = ET.parse(ts_file)
    with open(done_file, encoding="utf-8") as f:
        done = {(d["context"], d["source"]): d["translation"] for d in json.load(f) if d.get("translation")}
    applied = 0
    for name, message in messages(tree.getroot()):
        key = (name, text_of(message.find("source")))
        if key not in done:
            continue
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        set_text(translation, done[key])
        translation.attrib.pop("type", None)
        applied += 1
    tree.write(ts_file, encoding="utf-8", xml_declaration=True)
    # lupdate's own layout, so the next lupdate run changes nothing but what it must.
    with open(ts_file, encoding="utf-8") as f:
        text = f.read()
    text = text.replace("<?xml version='1.0' encoding='utf-8'?>", '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>', 1)
    with open(ts_file, "w", encoding="utf-8") as f:
        f.write(text)
    print(f"{applied} of {len(done)} translations applied", file=sys.stderr)
    return 0 if applied == len(done) else 1


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "export":
        export(sys.argv[2])
    elif len(sys.argv) == 4 and sys.argv[1] == "apply":
        sys.exit(apply(sys.argv[2], sys.argv[3]))
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
