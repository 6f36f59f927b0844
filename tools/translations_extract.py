#!/usr/bin/env python3
"""Writes the texts passed to tq::text("...") or tq::text("...", "disambiguation") (with a count
as a last argument: plural forms) (context
"Tessaquill") as QT_TRANSLATE_NOOP(3) lines that lupdate reads, since lupdate does not know
tq::text itself.

usage: translations_extract.py LISTFILE OUT.cpp   (LISTFILE: one source path per line)
"""
import re
import sys

STRINGS = r'((?:"(?:[^"\\\n]|\\.)*"\s*)+)'
# A third argument (or a second that is not a literal) is a count: the text has plural forms.
CALL = re.compile(r'\btext\(\s*' + STRINGS + r'(?:,\s*' + STRINGS + r')?(\)|,\s*(?=[^\s"]))')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def main():
    listfile, out = sys.argv[1], sys.argv[2]
    seen = []
    for path in open(listfile, encoding="utf-8").read().split():
        try:
            src = open(path, encoding="utf-8").read()
        except OSError:
            continue
        for m in CALL.finditer(src):
            joined = "".join(LITERAL.findall(m.group(1)))
            meaning = "".join(LITERAL.findall(m.group(2))) if m.group(2) else None
            numerus = m.group(3) != ")"
            if (joined, meaning, numerus) not in seen:
                seen.append((joined, meaning, numerus))
    with open(out, "w", encoding="utf-8") as f:
        f.write("// Generated for lupdate: the texts of tq::text().\n")
        for s, meaning, numerus in seen:
            n = "_N" if numerus else ""
            if meaning is None:
                f.write(f'QT_TRANSLATE{n}_NOOP("Tessaquill", "{s}");\n')
            else:
                f.write(f'QT_TRANSLATE{n}_NOOP3("Tessaquill", "{s}", "{meaning}");\n')
    print(f"{len(seen)} texts of tq::text()", file=sys.stderr)


if __name__ == "__main__":
    main()
