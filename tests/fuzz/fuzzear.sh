#!/usr/bin/env bash
# Fuzzes the file readers with libFuzzer under ASan and UBSan.
#   tests/fuzz/fuzzear.sh [seconds per target, 600 by default]
# Builds in build-fuzz/ with clang, starts each target from its seeds, and
# copies any input that broke a promise into regresiones/, which the normal
# suite replays (test_fuzz_regresion).
set -euo pipefail
cd "$(dirname "$0")/../.."
segundos=${1:-600}

bash scripts/instalar_paquetes.sh clang libclang-rt-14-dev
bash scripts/preparar.sh >/dev/null

cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZIFRA_FUZZ=ON -DZIFRA_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_resultados fuzz_anadido fuzz_puntuaciones fuzz_diario \
  fuzz_ordenes

trabajo=build-fuzz/trabajo
printf '%-14s %12s %10s %10s %s\n' objetivo ejecuciones segundos "ejec/s" resultado
for t in resultados anadido puntuaciones diario ordenes; do
  rm -rf "$trabajo/$t"
  mkdir -p "$trabajo/$t/corpus" "$trabajo/$t/fallos" tests/fuzz/regresiones/$t
  cp tests/fuzz/semillas/$t/* "$trabajo/$t/corpus/"
  rc=0
  # A journal is an SQLite file: pages of 512 bytes at the least, several of them.
  largo=8192
  [ "$t" = diario ] && largo=32768
  build-fuzz/tests/fuzz/fuzz_$t "$trabajo/$t/corpus" -max_total_time="$segundos" -max_len=$largo \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$trabajo/$t/fallos/" \
    >"$trabajo/$t/registro.txt" 2>&1 || rc=$?
  ejecuciones=$(sed -n 's/^stat::number_of_executed_units: *//p' "$trabajo/$t/registro.txt")
  porseg=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$trabajo/$t/registro.txt")
  resultado="sin fallos"
  if [ "$rc" -ne 0 ]; then
    resultado="FALLO (ver $trabajo/$t/registro.txt)"
    cp "$trabajo/$t/fallos/"* tests/fuzz/regresiones/$t/ 2>/dev/null || true
  fi
  printf '%-14s %12s %10s %10s %s\n' "$t" "${ejecuciones:-?}" "$segundos" "${porseg:-?}" "$resultado"
done
