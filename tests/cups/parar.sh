#!/usr/bin/env bash
# Stops the cupsd that arrancar.sh started in DIR, by its process id, and
# removes what it left. Usage: parar.sh DIR NOMBRE
set -uo pipefail
dir=$1
nombre=$2
if [ -f "$dir/cupsd.pid" ]; then
  pid=$(cat "$dir/cupsd.pid")
  # Only if that process is still our cupsd, not a pid reused since.
  if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cupsd ]; then
    kill -TERM "$pid"
    for _ in $(seq 1 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && kill -KILL "$pid"
  fi
  echo "cupsd $pid parado"
fi
rm -f "/etc/cups/cups-pdf-$nombre.conf"
rm -rf "$dir"
