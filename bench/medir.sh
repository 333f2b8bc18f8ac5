#!/usr/bin/env bash
# Mide el arranque, las teclas, las hojas, los archivos, el diagnóstico del
# diario y la memoria del juego, junto a una base de Qt sin nada, en esta
# máquina; imprime la tabla y la deja con los datos de la máquina en
# docs/RENDIMIENTO.md. No es una prueba: no falla porque una cifra no llegue a
# su objetivo.
#
#   bash bench/medir.sh            (como root instala lo que falte)
#   RUNS=20 bash bench/medir.sh    (ejecuciones del arranque; 20 si no se da)
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$(pwd)
build="$raiz/build-bench"
runs=${RUNS:-20}
previas=3

# Lo que compila el juego (la lista de scripts/preparar.sh) y lo que pide la
# medida: un servidor X virtual y un gestor de ventanas, sin el cual no hay
# ventana maximizada.
eval "$(sed -n '/^paquetes=(/,/^)/p' scripts/preparar.sh)"
bash scripts/instalar_paquetes.sh "${paquetes[@]}" xvfb openbox

# El juego y la base, con las mismas opciones de compilación.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIFRA_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target zifra zifra_bench base_qt bench_diagnostico datos_juego \
  datos_generados bench_informe_clase bench_voz

# Un X propio en un número libre; al salir se para sólo lo que se arrancó aquí.
pids=()
limpiar() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
}
trap limpiar EXIT
pantalla=""
for n in $(seq 91 120); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then pantalla=":$n"; break; fi
done
[ -n "$pantalla" ] || { echo "No hay número de pantalla libre" >&2; exit 1; }
Xvfb "$pantalla" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${pantalla#:}" ] && break; sleep 0.1; done
DISPLAY="$pantalla" openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

carga_antes=$(cut -d' ' -f1-3 /proc/loadavg)
bench="$build/bench/zifra_bench"
trabajo="$build/bench-trabajo"
mkdir -p "$trabajo"
filas=$(mktemp)

echo "Ventanas que crea el juego al arrancar..."
ocultas=$(QT_QPA_PLATFORM=offscreen "$bench" ventanas 2>/dev/null)
echo "Arranque: $runs ejecuciones de cada programa, alternadas, en $pantalla..."
(cd "$build/juego" && DISPLAY="$pantalla" "$bench" arranque "$build/zifra" "$build/bench/base_qt" \
  "$ocultas" "$runs" "$previas") >>"$filas"
echo "Teclas..."
QT_QPA_PLATFORM=offscreen "$bench" teclas 2>/dev/null >>"$filas"
echo "Diario de aprendizaje..."
QT_QPA_PLATFORM=offscreen "$bench" diario 2>/dev/null >>"$filas"
echo "Hojas..."
QT_QPA_PLATFORM=offscreen "$bench" hojas "$trabajo/hojas" 2>/dev/null >>"$filas"
echo "Hojas de refuerzo..."
QT_QPA_PLATFORM=offscreen "$bench" refuerzo "$trabajo/refuerzo" 2>/dev/null >>"$filas"
echo "Archivos..."
QT_QPA_PLATFORM=offscreen "$bench" archivos "$trabajo/archivos" 2>/dev/null >>"$filas"
echo "Diagnóstico del diario..."
"$build/bench/bench_diagnostico" 2>/dev/null >>"$filas"
echo "Informe de la clase..."
QT_QPA_PLATFORM=offscreen "$build/bench/bench_informe_clase" 2>/dev/null >>"$filas"
echo "Memoria: una partida de 500 cuentas en $pantalla..."
DISPLAY="$pantalla" "$bench" memoria "$build/juego" 2>/dev/null >>"$filas"
# Lo mismo con una tarjeta ALSA nula, que acepta el sonido y lo tira: así
# suena la música, como en un ordenador con altavoces.
alsa_nula="$trabajo/asound-nula.conf"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$alsa_nula"
echo "Memoria: la misma partida con una tarjeta de sonido nula..."
ALSA_CONFIG_PATH="$alsa_nula" PULSE_SERVER=unix:/nonexistent DISPLAY="$pantalla" \
  "$bench" memoria "$build/juego" tarjeta 2>/dev/null >>"$filas"
echo "Voz: la primera frase y las teclas, con la tarjeta nula..."
ALSA_CONFIG_PATH="$alsa_nula" PULSE_SERVER=unix:/nonexistent QT_QPA_PLATFORM=offscreen \
  "$build/bench/bench_voz" 2>/dev/null >>"$filas"
carga_despues=$(cut -d' ' -f1-3 /proc/loadavg)

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
nucleos=$(nproc)
ram=$(awk '/^MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)
nucleo_so=$(uname -r)
qt=$(pkg-config --modversion Qt6Core 2>/dev/null || echo "?")
fecha=$(date '+%Y-%m-%d %H:%M %Z')
fallan=$(grep -c '| FAIL |$' "$filas" || true)

tabla() {
  echo "| grupo | medida | cifra | objetivo | resultado |"
  echo "|---|---|---|---|---|"
  cat "$filas"
}

echo
tabla
echo
echo "Objetivos no alcanzados: $fallan"

{
  cat <<EOF
# Rendimiento

Cifras de la última ejecución de \`bash bench/medir.sh\`; el script reescribe
este archivo cada vez. Las cifras sólo valen para la máquina en que se tomaron.

- Fecha: $fecha
- Máquina: $cpu, $nucleos núcleos, $ram de memoria, Linux $nucleo_so, Qt $qt
- Carga media (1, 5, 15 min) antes: $carga_antes; después: $carga_despues.
  Con otros procesos en la máquina los tiempos suben; la razón del arranque
  se toma con los dos programas alternados para que la carga caiga en ambos.

$(tabla)

Objetivos no alcanzados: $fallan.

## Qué se mide

- **Arranque**: tiempo de reloj desde que se lanza el proceso hasta que termina,
  en Xvfb ($pantalla, 1280x1024) con openbox, mediana de $runs ejecuciones tras
  $previas de calentamiento. El juego corre en su carpeta (\`build-bench/juego\`,
  con fondos, caras y música) con \`ZIFRA_SALIR_AL_MOSTRAR=1\`: crea todas sus
  ventanas, muestra maximizada la principal y sale en cuanto la pinta. La base
  (\`bench/base_qt.cpp\`, compilada con las mismas opciones) es un programa de
  Qt Widgets que hace lo mismo con una ventana principal con barra de menús y
  tantas ventanas ocultas como cuenta \`zifra_bench ventanas\` ($ocultas). Los
  dos se lanzan alternados (A B B A) para repartir la carga. La cifra es la
  razón entre las dos medianas. El pico de memoria de esa fila es el del
  proceso \`zifra\` real (\`ru_maxrss\`), mediana de las mismas ejecuciones.
- **Teclas**: en las ventanas reales, sin pantalla (offscreen), el tiempo de
  una pulsación enviada a la caja de respuesta hasta que la ventana la ha
  juzgado: sonido, reglas, puntos y etiquetas; las esperas del juego son
  instantáneas (\`FijarEsperasInstantaneas\`), así que los 300 ms que pide el
  juego no cuentan. 200 cuentas por ventana, tras 5 de calentamiento. En las
  ventanas de columnas, una cifra fallada y todas las acertadas de cada cuenta
  (las llevadas también); la última cifra, que celebra y abre la cuenta
  siguiente, va aparte y es informativa. En las de cálculo mental, pulsar
  «Comprobación» con una respuesta fallada y con la acertada, que ya incluye
  pasar a la cuenta siguiente. Se juzga la mediana; p95 al lado.
- **Hojas**: \`hojas::ImprimirHojaEn\`, lo mismo que usa \`zifra --hoja\`, 99
  páginas de cada tipo a PDF con soluciones, desde crear la impresora hasta
  cerrar el archivo; mediana de 3, y se cuentan las páginas del PDF.
- **Archivos**: las órdenes del juego sobre la carpeta de resultados, 101
  veces cada una: guardar los resultados de 50 jugadores
  (\`EscribirResultados\`), añadir 25 a un archivo de 25 (\`AnadirResultados\`),
  leer uno de 50 a la tabla (\`LeerResultadosEnTabla\`, con el diálogo
  contestado), y leer y guardar \`puntos.zfr\` (\`LeerMejores\`,
  \`GuardarMejores\`). Mediana, p95 al lado. Guardar espera al \`fsync\`:
  con otro proceso escribiendo con \`fsync\` en el mismo disco (un fuzzer,
  una compilación) cada guardado sube a unos 8 ms, porque espera al diario de
  ext4 y al vaciado de la caché del disco que comparten.
- **Diario**: \`Diagnosticar\` sobre 1 000 000 de pasos de 30 niños en 3
  ordenadores, sorteados y juzgados con las reglas del juego (sumas con
  llevadas, restas con llevadas por los dos métodos y cálculo mental, un
  intento de cada cinco fallado); mediana de 5 vueltas sobre el mismo diario.
- **Memoria**: \`VmHWM\` de \`/proc/self/status\` en \`zifra_bench memoria\`, que
  arranca el juego igual que \`zifra\` en Xvfb: tras el primer pintado de la
  ventana principal y el primer tic del reloj, que abre la música (FluidSynth
  y su soundfont son lo que más memoria pide), y tras una partida de 500
  cuentas por los seis modos de juego, con los menús de la ventana principal
  y una cifra fallada cada diez. Esta máquina no tiene tarjeta de sonido:
  el juego prueba el dispositivo antes de leer el soundfont, así que aquí no
  lo carga. Las filas «tarjeta nula» repiten la partida con una tarjeta ALSA
  nula (\`type null\`), que acepta el sonido: la música se abre y suena, como
  en un ordenador con altavoces. Son informativas, porque esta máquina no
  es así; FluidSynth con sus 64 voces y el soundfont TimGM6mb piden unos
  16 MB.
- **Voz**: \`bench_voz\`, con «Leer en voz alta» encendido y la tarjeta nula,
  sin pantalla. La primera frase: desde que se pide mostrar la ventana de
  ejercicios hasta que las primeras muestras audibles de su frase («456 más
  378. Unidades: 6 más 8.») salen hacia la tarjeta, 40 veces por cuatro
  ventanas; la primera frase de la partida, que abre eSpeak, no cuenta. La
  tarjeta nula se traga al momento el silencio con que eSpeak empieza cada
  frase; en una tarjeta de verdad ese silencio suena antes, y se da aparte.
  La tecla: como en «Teclas», con la voz encendida, mientras el hilo de la
  voz sintetiza la frase de cada paso. El arranque con la voz apagada no
  cambia: eSpeak no se abre hasta la primera frase.
EOF
} >docs/RENDIMIENTO.md
rm -f "$filas"
echo "Escrito docs/RENDIMIENTO.md"
