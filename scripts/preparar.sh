#!/usr/bin/env bash
# Installs the Debian packages the game needs (only those missing) and builds
# it in build/. Used by jugar.sh and, with --pruebas, by pruebas.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

paquetes=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-translations-l10n
  libqt6sql6-sqlite libsqlite3-dev qt6-charts-dev libqt6opengl6-dev
  libespeak-ng-dev espeak-ng-data
  libfluidsynth-dev libasound2-dev timgm6mb-soundfont
  fonts-liberation
)
# Only the tests need these: reading PDFs back, a print server of their own
# with a PDF queue, a display of their own with a window manager, and the
# validators of the menu entry and AppStream file.
if [ "${1:-}" = "--pruebas" ]; then
  paquetes+=(poppler-utils cups cups-client printer-driver-cups-pdf)
  paquetes+=(xvfb openbox xdotool x11-utils)
  paquetes+=(desktop-file-utils appstream)
fi

bash scripts/instalar_paquetes.sh "${paquetes[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
