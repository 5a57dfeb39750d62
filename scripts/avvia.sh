#!/usr/bin/env bash
# Builds Vorna (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh
scripts/configura.sh > /dev/null
cmake --build build --target vorna -j"$(nproc)"
exec build/app/vorna "$@"
