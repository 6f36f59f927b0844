#!/usr/bin/env bash
# Runs a command inside a private desktop session: Xvfb, a private D-Bus session bus, the
# AT-SPI bus with accessibility switched on, an unlocked gnome-keyring and openbox.
# The session's XDG data and config folders are fresh temporary ones. TQ_SCALE=2 makes the
# scaled desktop GNOME sets at 200 % on X11: a 2880×1800 screen, Xft.dpi 192 and GDK_SCALE=2.
# TQ_SCALE=1.5 makes the one KDE and Xfce set at 150 %: a 2400×1500 screen and Xft.dpi 144 with
# GDK_SCALE unset (GTK keeps its scale of 1 and draws text larger through the resolution alone).
#
#   tools/desktop-session.sh COMMAND [ARGS…]
set -euo pipefail

if [ -z "${TQ_DESKTOP_SESSION:-}" ]; then
  export TQ_DESKTOP_SESSION=1
  exec dbus-run-session -- bash "$0" "$@"
fi

home="$(mktemp -d /tmp/tq-session.XXXXXX)"
export XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Screenshots and other artifacts of the desktop tests outlive the session.
export TQ_ARTIFACTS="${TQ_ARTIFACTS:-${TMPDIR:-/tmp}/tessaquill-artifacts}"
mkdir -p "$TQ_ARTIFACTS"

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$home"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it is ready, so sessions
# started side by side never share a display. It never resets: by default it does when its last
# client goes (xdpyinfo below, say), and a client connecting meanwhile is refused.
scale="${TQ_SCALE:-1}"
case "$scale" in
  1) screen=1600x1000x24 dpi=96 ;;
  1.5) screen=2400x1500x24 dpi=144 ;;
  2) screen=2880x1800x24 dpi=192 ;;
  *) echo "TQ_SCALE is 1, 1.5 or 2" >&2; exit 2 ;;
esac
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset -ac +extension XInputExtension +extension XTEST \
  3>"$home/display" >"$home/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.1; done
n="$(head -n 1 "$home/display" 2>/dev/null || true)"
[ -n "$n" ] && export DISPLAY=":$n" && xdpyinfo >/dev/null 2>&1 ||
  { echo "Xvfb did not start:" >&2; cat "$home/xvfb.log" >&2; exit 1; }

dbus-update-activation-environment DISPLAY XDG_DATA_HOME XDG_CONFIG_HOME XDG_RUNTIME_DIR >/dev/null 2>&1 || true

# AT-SPI bus, switched on for every toolkit.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$home/atspi.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null

# Secret Service with an unlocked login keyring.
eval "$(printf 'tessaquill' | gnome-keyring-daemon --unlock --components=secrets 2>/dev/null)"
export GNOME_KEYRING_CONTROL

openbox >"$home/openbox.log" 2>&1 &
pids+=($!)
# Ready once it names its check window on the root: a window mapped earlier would be taken
# over (and its focus lost) by a window manager still starting.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
  { echo "openbox did not start:" >&2; cat "$home/openbox.log" >&2; exit 1; }

if [ "$scale" != 1 ]; then
  # What xrdb would merge: the resource Qt and GTK read the desktop's resolution from.
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%d\n' "$dpi")"
  # GTK's window scale is whole: a fractional desktop leaves it at 1.
  if [ "$scale" = 2 ]; then export GDK_SCALE=2; fi
fi

set +e
"$@"
rc=$?
set -e
exit $rc
