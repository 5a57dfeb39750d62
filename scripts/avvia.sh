#!/usr/bin/env bash
# Builds Vorna (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNA_TESTS=OFF -DVORNA_BENCHMARKS=OFF
cmake --build build --target vorna -j"$(nproc)"
exec build/app/vorna "$@"
