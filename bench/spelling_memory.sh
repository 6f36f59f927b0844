#!/usr/bin/env bash
# Resident memory of the program 20 s after start, for a US English, a German and a Polish
# writer one after the other in one session: each with its LANG and keyboard layouts, first
# run done, every other setting at its default. Prints each beside en_US and fails when one
# holds more than 15 MB over it.
# With "hold-back" the "Hold back on misspelled words" setting is on and a word is typed into a
# zenity field in the writer's language before the wait, so the word list of that language is
# built; those figures are printed only.
# Run inside the private session:  tools/desktop-session.sh bash bench/spelling_memory.sh [build folder] [hold-back]
set -euo pipefail
build="$(realpath "${1:-build}")"
mode="${2:-}"
limit_kb=$((15 * 1024))

measure() { # LANG, layouts, a word in the language: prints the resident memory in kB
  local lang="$1" layouts="$2" word="$3" home program field=""
  home="$(mktemp -d /tmp/tq-spellmem.XXXXXX)"
  mkdir -p "$home/config/Tessaquill" "$home/data"
  local extra=""
  [ "$mode" = hold-back ] && extra=', "hideOnTypo": true'
  printf '{"onboardingDone": true, "introSeen": true, "remindHiddenIcon": false%s}\n' "$extra" \
    >"$home/config/Tessaquill/com.morvenfax.tessaquill.json"
  setxkbmap -layout "$layouts"
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$lang" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$build/app/tessaquill" >"$home/out.log" 2>&1 &
  program=$!
  if [ "$mode" = hold-back ]; then
    sleep 3
    zenity --entry --title "Spelling" --text "A field" >/dev/null 2>&1 &
    field=$!
    sleep 3
    xdotool type --delay 120 "$word" 2>/dev/null || true
  fi
  sleep 20
  kill -0 "$program" 2>/dev/null || { echo "the program ended:" >&2; tail -20 "$home/out.log" >&2; exit 1; }
  awk '/^VmRSS:/ {print $2}' "/proc/$program/status"
  kill $program $field 2>/dev/null || true
  wait $program 2>/dev/null || true
  [ -n "$field" ] && { wait $field 2>/dev/null || true; }
  rm -rf "$home"
}

base=$(measure en_US.UTF-8 us "hello wor")
printf 'en_US, layout us:        %6d kB\n' "$base"
failed=0
for spec in "de_DE.UTF-8 de,us ich arbeite im arbeitszimm" "pl_PL.UTF-8 pl,us dziękuję za przyjaci"; do
  read -r lang layouts word <<<"$spec"
  rss=$(measure "$lang" "$layouts" "$word")
  over=$((rss - base))
  printf '%s, layouts %-6s %6d kB (%+d kB beside en_US)\n' "${lang%%.*}" "$layouts:" "$rss" "$over"
  if [ "$mode" != hold-back ] && [ "$over" -gt "$limit_kb" ]; then
    echo "  more than 15 MB over en_US" >&2
    failed=1
  fi
done
exit $failed
