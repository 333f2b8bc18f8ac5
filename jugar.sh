#!/usr/bin/env bash
# Instala lo necesario, compila y abre el juego en su carpeta de trabajo.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/preparar.sh
cd build/juego
exec ../zifra "$@"
