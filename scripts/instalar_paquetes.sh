#!/usr/bin/env bash
# Installs those of the given Debian packages that are missing.
#   scripts/instalar_paquetes.sh PAQUETE...
set -euo pipefail
faltan=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done
if [ ${#faltan[@]} -gt 0 ]; then
  echo "Instalando paquetes que faltan: ${faltan[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${faltan[@]}"
fi
