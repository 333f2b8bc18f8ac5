#!/usr/bin/env bash
# Instala lo necesario, compila y pasa todas las pruebas, sin pantalla.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/preparar.sh --pruebas
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
