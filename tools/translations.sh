#!/usr/bin/env bash
# Keeps translations/tessaquill_<language>.ts in step with the tr() texts of the sources.
#
#   tools/translations.sh update   add new texts (unfinished) and drop removed ones in every .ts
#   tools/translations.sh todo LANG   list the unfinished texts of one language as JSON
#   tools/translations.sh fill LANG FILE.json   write translations ({"context\u0004source": "text"})
#
# The build refuses unfinished texts of the shipped languages (TQ_SHIPPED_TRANSLATIONS: every one).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
languages=(en ar bn ca cs da de el es fa fi fil fr gu he hi hr hu id it ja kn ko ml mr ms nb nl pa pl
  pt-BR ro ru sk sv sw ta te th tr uk ur vi zh-Hans zh-Hant)
lupdate="$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)"

update() {
    list="$(mktemp)"
    (cd "$here" && find app ui completion overlay input field engines stores settings services platform \
      -path '*/fakes' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort) >"$list"
    # tq::text("...") is translated in the context "Tessaquill"; lupdate learns its texts
    # from a generated file of QT_TRANSLATE_NOOP lines.
    texts="$(mktemp --suffix=.cpp)"
    (cd "$here" && python3 tools/translations_extract.py "$list" "$texts")
    echo "$texts" >>"$list"
    ts=()
    for l in "${languages[@]}"; do ts+=("translations/tessaquill_$l.ts"); done
    (cd "$here" && "$lupdate" -silent -I . -no-obsolete -locations none -source-language en @"$list" -ts "${ts[@]}")
    # lupdate names the language from the file name; keep the BCP 47 form of the list above.
    for l in "${languages[@]}"; do
      sed -i -E "s/<TS version=\"([0-9.]+)\"( language=\"[^\"]*\")?/<TS version=\"\\1\" language=\"${l//-/_}\"/" \
        "$here/translations/tessaquill_$l.ts"
    done
    rm -f "$list" "$texts"
}

case "${1:-}" in
  update) update ;;
  todo) exec python3 "$here/tools/translations.py" "$@" ;;
  fill) python3 "$here/tools/translations.py" "$@" && update ;; # back to lupdate's own layout
  *) echo "usage: tools/translations.sh update | todo LANG | fill LANG FILE.json" >&2; exit 2 ;;
esac
