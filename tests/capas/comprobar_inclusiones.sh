#!/usr/bin/env bash
# The layers of the program, checked on every include: a folder includes
# only itself and the folders below it, the main window only the start-up
# includes, and a rule file only rule files.
#   comprobar_inclusiones.sh RAIZ REGLA...   (REGLA: the rule library's sources)
set -uo pipefail
raiz=$1
shift
cd "$raiz" || exit 2

# Top to bottom: app > worksheets, aprendizaje, voz > results, written,
# mental > players > nucleo > platform.
declare -A debajo=(
  [platform]="platform"
  [nucleo]="nucleo platform"
  [players]="players nucleo platform"
  [written]="written players nucleo platform"
  [mental]="mental players nucleo platform"
  [results]="results players nucleo platform"
  [worksheets]="worksheets results written mental players nucleo platform"
  [aprendizaje]="aprendizaje results written mental players nucleo platform"
  [voz]="voz results written mental players nucleo platform"
  [app]="app worksheets aprendizaje voz results written mental players nucleo platform"
)

fallos=0
mal() {
  echo "$1"
  fallos=$((fallos + 1))
}

for carpeta in "${!debajo[@]}"; do
  for archivo in "$carpeta"/*.cpp "$carpeta"/*.h; do
    [ -e "$archivo" ] || continue
    while IFS= read -r incluido; do
      destino=${incluido%%/*}
      [[ " ${debajo[$carpeta]} " == *" $destino "* ]] ||
        mal "$archivo incluye $incluido: $carpeta no puede usar $destino"
    done < <(sed -n 's/^#include "\([a-z_]*\/[^"]*\)".*/\1/p' "$archivo")
  done
done

# The main window: only the start-up and its own files know it.
for archivo in $(grep -rl --include='*.cpp' --include='*.h' '"app/form_menu.h"' \
  platform nucleo players written mental results worksheets aprendizaje voz app); do
  case $archivo in
  app/arranque.cpp | app/form_menu.cpp | app/form_menu_comandos.cpp | app/form_menu_apariencia.cpp) ;;
  *) mal "$archivo incluye app/form_menu.h" ;;
  esac
done

# A rule file includes rule files only: no window, sound or printing.
reglas=" $* "
for regla in "$@"; do
  regla=${regla#"$raiz"/}
  while IFS= read -r incluido; do
    [[ "$reglas" == *" $raiz/$incluido "* || "$reglas" == *" $incluido "* ]] ||
      mal "$regla (regla) incluye $incluido, que no es una regla"
  done < <(sed -n 's/^#include "\([a-z_]*\/[^"]*\)".*/\1/p' "$regla")
done

if [ "$fallos" -gt 0 ]; then
  echo "$fallos inclusiones fuera de las capas"
  exit 1
fi
echo "Inclusiones en orden: app > worksheets, aprendizaje, voz > results, written, mental > players > nucleo > platform"
