#!/usr/bin/env bash
# Builds Vorna (installing what is missing) and runs the whole test suite.
# With CI=true it also runs the suite once more under AddressSanitizer and UBSan, warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNA_WERROR=ON
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

if [ "${CI:-}" = "true" ] || [ "${VORNA_SANITIZE:-}" = "1" ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVORNA_SANITIZE=ON -DVORNA_WERROR=ON -DVORNA_BENCHMARKS=OFF
  cmake --build build-asan -j"$jobs"
  (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure -j"$jobs")
fi
