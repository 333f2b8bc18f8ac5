#!/usr/bin/env bash
# Starts a cupsd of the tests' own, with a cups-pdf queue "PDF" (the default
# destination) that writes its PDF files into DIR/salida. Everything of it
# lives in DIR, so it meets no other cupsd on the machine.
# Usage: arrancar.sh DIR NOMBRE   (NOMBRE: a word that names this instance)
set -euo pipefail
# cupsd and lpadmin live in sbin, which a plain user's PATH may lack.
export PATH=$PATH:/usr/sbin:/sbin
dir=$1
nombre=$2
sock=$dir/cups.sock
# cups-pdf reads its settings from /etc/cups only; the device URI picks the file.
conf_pdf=/etc/cups/cups-pdf-$nombre.conf

fallo() {
  echo "ERROR: $*" >&2
  [ -f "$dir/log/error_log" ] && tail -n 30 "$dir/log/error_log" >&2
  exit 1
}

for programa in cupsd lpadmin lpstat pdfinfo pdftoppm; do
  command -v "$programa" >/dev/null ||
    fallo "falta $programa: scripts/preparar.sh instala cups, cups-client, printer-driver-cups-pdf y poppler-utils"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fallo "falta el backend cups-pdf (printer-driver-cups-pdf)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || fallo "falta $ppd (printer-driver-cups-pdf)"

# A cupsd left behind by an interrupted run goes first.
bash "$(dirname "$0")/parar.sh" "$dir" "$nombre" >/dev/null 2>&1 || true

mkdir -p "$dir"/{conf,spool/tmp,cache,state,log,salida}
cat >"$dir/conf/cups-files.conf" <<FIN
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
SystemGroup root
FIN
cat >"$dir/conf/cupsd.conf" <<FIN
LogLevel info
Listen $sock
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow localhost
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
FIN
printf 'Out %s/salida\n' "$dir" >"$conf_pdf"

# Its own session, and no pipe of ctest held open.
setsid cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
  </dev/null >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"

export CUPS_SERVER=$sock
for _ in $(seq 1 100); do
  lpstat -r 2>/dev/null | grep -q 'is running' && break
  kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || fallo "cupsd terminó al arrancar: $(cat "$dir/log/cupsd.out")"
  sleep 0.1
done
lpstat -r 2>/dev/null | grep -q 'is running' || fallo "cupsd no contesta en $sock"

lpadmin -p PDF -v "cups-pdf:/$nombre" -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>&1 |
  grep -v 'drivers are deprecated' || true
lpadmin -d PDF
lpstat -p PDF | grep -q 'enabled' || fallo "la cola PDF no quedó lista: $(lpstat -p PDF 2>&1)"
echo "cupsd $(cat "$dir/cupsd.pid") en $sock; cola: $(lpstat -d)"
