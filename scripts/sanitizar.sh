#!/usr/bin/env bash
# The whole suite again, built with AddressSanitizer and UBSan (build-san/).
# Any invalid access, leak or undefined behaviour fails the test it happens in.
# Unity build, -O1 and light debug info keep the extra build short.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/preparar.sh --pruebas >/dev/null
cmake -S . -B build-san -DZIFRA_SANITIZAR=ON -DZIFRA_BENCH=OFF -DCMAKE_UNITY_BUILD=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" >/dev/null
cmake --build build-san -j"$(nproc)"
cd build-san
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Timings mean nothing under the sanitizers.
export ZIFRA_SIN_TIEMPOS=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
