#!/usr/bin/env bash
# The idle program: first run done, the built-in engine without a model, a zenity field focused.
# Prints the CPU share of a core over 20 s and, over another 20 s, the files it opened.
# With "first-run" the program starts as on its first run instead: it opens the onboarding with
# the intro inside, the intro window too, every window is closed through the window manager,
# and the CPU is measured over 15 s after that.
# Run inside the private session:  tools/desktop-session.sh bash bench/idle.sh [build folder] [first-run]
set -euo pipefail
build="$(realpath "${1:-build}")"
mode="${2:-}"
home="$(mktemp -d /tmp/tq-idle.XXXXXX)"
mkdir -p "$home/config/Tessaquill" "$home/data"
if [ "$mode" = first-run ]; then
  printf '{"remindHiddenIcon": false}\n' >"$home/config/Tessaquill/com.morvenfax.tessaquill.json"
  XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$build/app/tessaquill" --play-intro >"$home/out.log" 2>&1 &
  program=$!
  trap 'kill $program 2>/dev/null || true; rm -rf "$home"' EXIT
  sleep 6 # the onboarding and the intro window both playing their intros
  shown=$(xdotool search --onlyvisible --pid "$program" 2>/dev/null | wc -l)
  echo "windows open: $shown"
  # Closed the way a user closes them: the window manager's close (Alt+F4).
  for _ in 1 2 3 4; do
    for w in $(xdotool search --onlyvisible --pid "$program" 2>/dev/null); do
      xdotool windowactivate --sync "$w" key alt+F4 2>/dev/null || true
      sleep 0.5
    done
  done
  echo "windows left: $(xdotool search --onlyvisible --pid "$program" 2>/dev/null | wc -l)"
  sleep 3
  cpu() { cat /proc/"$program"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%.0f\n", s}'; }
  start=$(cpu)
  sleep 15
  used=$(( $(cpu) - start ))
  kill -0 "$program" 2>/dev/null || { echo "the program ended:"; tail -20 "$home/out.log"; exit 1; }
  echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
  awk -v ns="$used" 'BEGIN {printf "CPU over 15 s after closing every window: %.3f %% of a core (%.1f ms)\n", ns / 150000000.0, ns / 1e6}'
  exit 0
fi
printf '{"onboardingDone": true, "introSeen": true, "remindHiddenIcon": false}\n' \
  >"$home/config/Tessaquill/com.morvenfax.tessaquill.json"
XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$build/app/tessaquill" >"$home/out.log" 2>&1 &
program=$!
sleep 3
zenity --entry --title "Idle" --text "A field" >/dev/null 2>&1 &
field=$!
trap 'kill $field $program 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 10 # started, the field focused and read

# Nanoseconds on the CPU, summed over the program's threads.
cpu() { cat /proc/"$program"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%.0f\n", s}'; }
start=$(cpu)
sleep 20
used=$(( $(cpu) - start ))
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v ns="$used" 'BEGIN {printf "CPU over 20 s: %.3f %% of a core (%.1f ms)\n", ns / 200000000.0, ns / 1e6}'

timeout -s INT 20 strace -f -qq -e trace=openat,open -p "$program" -o "$home/opens.txt" || true
opens=$(grep -c 'open' "$home/opens.txt" || true)
echo "files opened over 20 s: $opens"
grep -o '"[^"]*"' "$home/opens.txt" | sed 's/[0-9]\+/N/g' | sort | uniq -c | sort -rn | head -8 || true
