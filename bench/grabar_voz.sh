#!/usr/bin/env bash
# Graba lo que suena al jugar una cuenta con «Leer en voz alta» encendido y
# muestra que no es silencio donde van las frases. El dispositivo ALSA por
# omisión escribe en un archivo (type file) lo que le llega; la configuración
# de ALSA y la del juego son propias de la grabación (ALSA_CONFIG_PATH,
# XDG_CONFIG_HOME): ni ~/.asoundrc ni las preferencias del usuario se tocan.
#
#   bash bench/grabar_voz.sh [BUILD]     (BUILD: build si no se da)
#
# La salida nula de ALSA no lleva el paso del tiempo: el archivo guarda lo que
# sonó, una cosa tras otra, sin los silencios entre teclas. Sin música: el
# sintetizador MIDI escribiría sin parar en el mismo archivo.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
tmp=$(mktemp -d /tmp/zifra-voz-XXXXXX)
trap 'rm -rf "$tmp"' EXIT

cp -r "$build/juego" "$tmp/juego"
rm -f "$tmp/juego/acierto.mid"
mkdir -p "$tmp/config/Zifra"
printf '[voz]\nleer_en_voz_alta=true\n' >"$tmp/config/Zifra/zifra.ini"
cat >"$tmp/asound.conf" <<ALSA
pcm.nulo { type null }
pcm.!default { type file slave.pcm "nulo" file "$tmp/voz.raw" format "raw" }
ALSA

# Dos jugadores, «Sumas y Restas SIN llevarse», una cifra (el aviso si no es la buena)
# y F5, que repite la última frase; luego otra cifra, porque lo último que
# suena se queda en el búfer de ALSA al cerrar xvfb-shot el juego.
(cd "$tmp/juego" && XDG_CONFIG_HOME="$tmp/config" ALSA_CONFIG_PATH="$tmp/asound.conf" \
  /work/shared/tools/xvfb-shot "$tmp/pantalla.png" --title 'Zifra Sumas y Restas.' --wait 2 \
  --keys 'key A n a Tab L u i s Return sleep 1 key alt+j sleep 0.5 key s sleep 6 key 5 sleep 6 key F5 sleep 6 key alt+s sleep 1 key 8 sleep 6' \
  -- "$build/zifra" >/dev/null)
cp "$tmp/pantalla.png" /tmp/zifra-voz-pantalla.png
cp "$tmp/voz.raw" /tmp/zifra-voz.raw

# Valor eficaz (RMS) cada 100 ms de las muestras (16 bits, mono, 22050 Hz);
# los tramos que suenan, con su principio y su largo en el archivo.
python3 - "$tmp/voz.raw" <<'PY'
import array, math, sys
m = array.array('h', open(sys.argv[1], 'rb').read())
tasa, ventana, umbral = 22050, 2205, 300
rms = [math.sqrt(sum(x * x for x in m[i:i + ventana]) / len(m[i:i + ventana]))
       for i in range(0, len(m), ventana)]
print(f"{len(m) / tasa:.1f} s grabados; RMS cada 100 ms:")
print(" ".join(f"{int(r)}" for r in rms))
tramos, inicio, callado = [], None, 0
for i, r in enumerate(rms + [0, 0, 0]):
    if r >= umbral:
        inicio, callado = (i if inicio is None else inicio), 0
    elif inicio is not None:
        callado += 1
        # Las pausas de una frase (comas, puntos) duran menos de 300 ms.
        if callado == 3:
            tramos.append((inicio, i - 2))
            inicio = None
for a, b in tramos:
    print(f"suena de {a / 10:.1f} s a {b / 10:.1f} s ({(b - a) / 10:.1f} s), "
          f"RMS medio {int(sum(rms[a:b]) / max(1, b - a))}")
sonando = sum(1 for r in rms if r >= umbral)
print(f"{sonando} de {len(rms)} ventanas suenan")
sys.exit(0 if tramos else 1)
PY
echo "Grabación: /tmp/zifra-voz.raw (S16_LE, mono, 22050 Hz); pantalla: /tmp/zifra-voz-pantalla.png"
