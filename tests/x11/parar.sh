#!/usr/bin/env bash
# Stops the openbox and Xvfb that arrancar.sh started in DIR, by their process
# ids, and removes what they left. Usage: parar.sh DIR
set -uo pipefail
dir=$1
for programa in openbox xvfb; do
  [ -f "$dir/$programa.pid" ] || continue
  pid=$(cat "$dir/$programa.pid")
  comm=$(cat "/proc/$pid/comm" 2>/dev/null)
  # Only if that process is still ours, not a pid reused since.
  if [ "${comm,,}" = "$programa" ]; then
    kill -TERM "$pid"
    # Gone, or a zombie that nobody here can reap.
    vivo() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat"; }
    for _ in $(seq 1 100); do
      vivo "$pid" || break
      sleep 0.05
    done
    vivo "$pid" && kill -KILL "$pid"
    echo "$programa $pid parado"
  fi
done
rm -rf "$dir"
