#!/usr/bin/env bash
# Starts a virtual display of the tests' own (Xvfb) with a real window manager
# (openbox), for what only a window manager shows: who gets the keyboard when
# a dialog closes, and which window stays on top. Keys and clicks reach the
# game through the X server (xdotool). Pids go to DIR, so parar.sh stops
# exactly these. Usage: arrancar.sh DIR PANTALLA   (PANTALLA: a number, :N)
set -euo pipefail
dir=$1
n=$2

fallo() {
  echo "ERROR: $*" >&2
  [ -f "$dir/xvfb.log" ] && tail -n 20 "$dir/xvfb.log" >&2
  [ -f "$dir/openbox.log" ] && tail -n 20 "$dir/openbox.log" >&2
  exit 1
}

for programa in Xvfb openbox xdotool xprop xmessage; do
  command -v "$programa" >/dev/null ||
    fallo "falta $programa: scripts/preparar.sh --pruebas instala xvfb, openbox, xdotool y x11-utils"
done

# A display left behind by an interrupted run goes first.
bash "$(dirname "$0")/parar.sh" "$dir" >/dev/null 2>&1 || true
mkdir -p "$dir"
[ -e "/tmp/.X11-unix/X$n" ] && fallo "la pantalla :$n ya está en uso"

# -noreset: a client that leaves (the readiness check) must not restart the server.
setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset </dev/null >"$dir/xvfb.log" 2>&1 &
echo $! >"$dir/xvfb.pid"
export DISPLAY=":$n"
# Ready once a client gets in, not when its socket appears.
for _ in $(seq 1 100); do
  xprop -root >/dev/null 2>&1 && break
  kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null || fallo "Xvfb terminó al arrancar"
  sleep 0.05
done
xprop -root >/dev/null 2>&1 || fallo "Xvfb no abrió la pantalla :$n"

setsid openbox </dev/null >"$dir/openbox.log" 2>&1 &
echo $! >"$dir/openbox.pid"
# Openbox is ready once it names itself on the root window.
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$(cat "$dir/openbox.pid")" 2>/dev/null || fallo "openbox terminó al arrancar"
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fallo "openbox no contesta"
echo "Xvfb $(cat "$dir/xvfb.pid") y openbox $(cat "$dir/openbox.pid") en :$n"
