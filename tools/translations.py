#!/usr/bin/env python3
"""Lists and fills the unfinished texts of one translation file.

todo LANG            prints {"context\\u0004source": ""} for every unfinished text
fill LANG FILE.json  sets each listed text's translation and marks it finished; keys are the
                     source (or "context\u0004source"), "source\u0004disambiguation" for a
                     word of two meanings; a text with plural forms takes a list
"""
import json
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def load(lang):
    path = ROOT / "translations" / f"tessaquill_{lang}.ts"
    return path, ET.parse(path)


def messages(tree):
    for ctx in tree.getroot().iter("context"):
        name = ctx.findtext("name")
        for msg in ctx.iter("message"):
            yield name, msg


def main():
    cmd, lang = sys.argv[1], sys.argv[2]
    path, tree = load(lang)
    if cmd == "todo":
        out = {}
        for name, msg in messages(tree):
            tr = msg.find("translation")
            if tr.get("type") == "unfinished" or not (tr.text or list(tr)):
                out[f"{name}\u0004{msg.findtext('source')}"] = ""
        json.dump(out, sys.stdout, ensure_ascii=False, indent=1)
        return
    done = json.loads(Path(sys.argv[3]).read_text(encoding="utf-8"))
    filled = 0
    for name, msg in messages(tree):
        source, meaning = msg.findtext("source"), msg.findtext("comment")
        if meaning:  # a word of two meanings: only its own key ("source\u0004meaning")
            text = done.get(f"{source}\u0004{meaning}") or done.get(f"{name}\u0004{source}\u0004{meaning}")
        else:
            text = done.get(f"{name}\u0004{source}") or done.get(source)
        if not text:
            continue
        tr = msg.find("translation")
        for child in list(tr):
            tr.remove(child)
        if msg.get("numerus") == "yes":
            forms = text if isinstance(text, list) else [text]
            tr.text = None
            for form in forms:
                ET.SubElement(tr, "numerusform").text = form
        else:
            tr.text = text
        tr.attrib.pop("type", None)
        filled += 1
    ET.indent(tree)
    with open(path, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding="utf-8", xml_declaration=False)
        f.write(b"\n")
    print(f"{filled} texts translated in {path.name}", file=sys.stderr)


if __name__ == "__main__":
    main()
