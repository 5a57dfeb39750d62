#!/usr/bin/env bash
# Configures the one build folder that starting Vorna, the test suite and the package share: the same
# options every time, so that none of them makes the others rebuild.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B "${1:-build}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNA_WERROR=ON -DVORNA_TESTS=ON \
    -DVORNA_BENCHMARKS=ON -DVORNA_SANITIZE=OFF -DVORNA_FUZZ=OFF
