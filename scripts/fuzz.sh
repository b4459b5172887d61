#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a while on
# its seed corpus (in fuzz/corpus/, left as it is: new inputs go to a scratch folder).
#   scripts/fuzz.sh            # 10 seconds a target, as the test suite runs it
#   scripts/fuzz.sh 600        # ten minutes a target
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SECONDS_PER_TARGET="${1:-10}"
BUILD="${KT913_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is missing; skipped"
  exit 0
fi
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKT913_FUZZ=ON \
  -DKT913_BUILD_GUI=OFF -DKT913_BUILD_TESTS=OFF -DKT913_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target datfile_fuzzer engine_fuzzer csv_fuzzer
for target in datfile engine csv; do
  scratch="$(mktemp -d)"
  mkdir -p "$scratch/corpus"
  echo "fuzz: ${target}_fuzzer for ${SECONDS_PER_TARGET} s"
  status=0
  (cd "$scratch" && "$BUILD/fuzz/${target}_fuzzer" -max_total_time="$SECONDS_PER_TARGET" -print_final_stats=1 \
     corpus "$ROOT/fuzz/corpus/$target" >log 2>&1) || status=$?
  grep -E '^(Done|stat::number_of_executed_units)' "$scratch/log" || true
  if [ "$status" -ne 0 ]; then
    # The finding, and the input that makes it, for a regression test.
    tail -n 40 "$scratch/log"
    mkdir -p "$ROOT/fuzz/findings"
    cp "$scratch"/crash-* "$scratch"/timeout-* "$scratch"/leak-* "$ROOT/fuzz/findings/" 2>/dev/null || true
    echo "fuzz: ${target}_fuzzer found a fault; its input is in fuzz/findings/"
    exit 1
  fi
  rm -rf "$scratch"
done
