#!/usr/bin/env bash
# Builds Vorna (installing what is missing) and runs the whole test suite.
# With CI=true or VORNA_SANITIZE=1 it also builds everything with clang under AddressSanitizer and
# UBSan, runs the suite there (but the sweeps labelled pesante) and each fuzzer for FUZZ_SECONDI seconds (45); CI=true also runs the
# non-GUI tests once under Valgrind memcheck. Warnings are errors in every build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh
jobs="$(nproc)"

# The tests labelled nongui (executables without QtWidgets) under memcheck, two at a time; any
# report fails.
valgrind_suite() {
  local build="$1" elenco
  elenco="$(mktemp)"
  (cd "$build" && ctest -L '^nongui$' --show-only=json-v1) | python3 -c '
import json, shlex, sys
for t in json.load(sys.stdin)["tests"]:
    if t.get("command"):
        print(shlex.join(t["command"]))' > "$elenco"
  echo "Valgrind memcheck: $(wc -l < "$elenco") non-GUI tests"
  # Each line is a test's whole command, quoted for the shell. Code that PCRE compiles at run time
  # is opaque to memcheck, so regular expressions are interpreted.
  xargs -d '\n' -P "$jobs" -I{} sh -c 'supp="$2"; eval "set -- $1"; cd "$(dirname "$1")" \
      && QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QT_ENABLE_REGEXP_JIT=0 \
      valgrind -q --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
      --suppressions="$supp" "$@" > "$1.valgrind.log" 2>&1 \
      || { echo "VALGRIND FAILED: $1"; cat "$1.valgrind.log"; exit 255; }' _ {} \
      "$PWD/tests/hardening/valgrind.supp" < "$elenco"
  rm -f "$elenco"
}

# Each fuzzer on a copy of its committed corpus; a crash, leak, UB or timeout fails the run.
fuzz_brevi() {
  local build="$1" secondi="${FUZZ_SECONDI:-45}" f copia
  for f in fuzz_file_sviluppo fuzz_taratura fuzz_foglio fuzz_file_commessa; do
    copia="$(mktemp -d)"
    cp fuzz/corpus/"$f"/* "$copia"/
    mkdir -p "$build/fuzz-artefatti"
    echo "Fuzzing $f for $secondi s"
    "$build/fuzz/$f" -max_total_time="$secondi" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-artefatti/$f-" "$copia" > "$build/fuzz-artefatti/$f.log" 2>&1 \
      || { tail -60 "$build/fuzz-artefatti/$f.log"; rm -rf "$copia"; return 1; }
    grep -E "number_of_executed_units" "$build/fuzz-artefatti/$f.log" || true
    rm -rf "$copia"
  done
}

# The house style (.clang-format) on every C++ file in the repository.
if [ "${CI:-}" = "true" ] && [ -d .git ]; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
fi

scripts/configura.sh
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

if [ "${CI:-}" = "true" ]; then
  valgrind_suite build
fi

if [ "${CI:-}" = "true" ] || [ "${VORNA_SANITIZE:-}" = "1" ]; then
  # A cache made with another compiler cannot be switched to clang in place.
  if [ -f build-asan/CMakeCache.txt ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang' build-asan/CMakeCache.txt; then
    rm -rf build-asan
  fi
  cmake -S . -B build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DVORNA_SANITIZE=ON \
      -DVORNA_FUZZ=ON -DVORNA_WERROR=ON -DVORNA_BENCHMARKS=OFF
  cmake --build build-asan -j"$jobs"
  (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure -j"$jobs" -LE '^pesante$')
  fuzz_brevi build-asan
fi
