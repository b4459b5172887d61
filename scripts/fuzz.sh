#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang into build-fuzz/ (the whole build instrumented)
# and runs each for a while on its seed corpus in fuzz/corpus/. New inputs go to a
# scratch folder; with KT913_FUZZ_MERGE=1 the corpus is afterwards replaced by the
# smallest set of its inputs and the new ones that reaches everything they reach.
#   scripts/fuzz.sh                # 10 seconds a target, as the test suite runs it
#   scripts/fuzz.sh 900            # fifteen minutes a target
#   scripts/fuzz.sh 900 datfile    # only the named targets (datfile, engine, csv)
# KT913_FUZZ_RUNS=N ends a target after N executions if that comes first (the campaign:
# KT913_FUZZ_RUNS=1000000 KT913_FUZZ_MERGE=1 scripts/fuzz.sh 3600).
# Every target runs; a finding leaves its input in fuzz/findings/ and fails the run. The
# last line counts the targets: "fuzz: N passed, N failed".
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SECONDS_PER_TARGET="${1:-10}"
BUILD="${KT913_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
TARGETS=(datfile engine csv)
[ $# -gt 1 ] && TARGETS=("${@:2}")
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is missing; skipped"
  echo "fuzz: 0 passed, 0 failed"
  exit 0
fi
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKT913_FUZZ=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
  -DKT913_BUILD_GUI=OFF -DKT913_BUILD_TESTS=OFF -DKT913_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target "${TARGETS[@]/%/_fuzzer}"
passed=0
failed=0
for target in "${TARGETS[@]}"; do
  scratch="$(mktemp -d)"
  mkdir -p "$scratch/corpus"
  echo "fuzz: ${target}_fuzzer for ${SECONDS_PER_TARGET} s"
  status=0
  (cd "$scratch" && "$BUILD/fuzz/${target}_fuzzer" -max_total_time="$SECONDS_PER_TARGET" -print_final_stats=1 \
     -runs="${KT913_FUZZ_RUNS:--1}" corpus "$ROOT/fuzz/corpus/$target" >log 2>&1) || status=$?
  # The figures of the run: executions, their rate, and the edges and features reached.
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/log")"
  rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$scratch/log")"
  reach="$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$scratch/log" | tail -n 1 || true)"
  echo "fuzz: ${target}_fuzzer: ${runs:-?} runs, ${rate:-?}/s, ${reach:-no coverage line}"
  if [ "$status" -ne 0 ]; then
    # The finding, and the input that makes it, for a regression test.
    tail -n 40 "$scratch/log"
    mkdir -p "$ROOT/fuzz/findings"
    cp "$scratch"/crash-* "$scratch"/timeout-* "$scratch"/leak-* "$scratch"/oom-* "$ROOT/fuzz/findings/" 2>/dev/null || true
    echo "fuzz: ${target}_fuzzer found a fault; its input is in fuzz/findings/"
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
    if [ -n "${KT913_FUZZ_MERGE:-}" ]; then
      mkdir "$scratch/minimal"
      (cd "$scratch" && "$BUILD/fuzz/${target}_fuzzer" -merge=1 minimal "$ROOT/fuzz/corpus/$target" corpus \
         >merge.log 2>&1)
      rm -rf "$ROOT/fuzz/corpus/$target"
      mv "$scratch/minimal" "$ROOT/fuzz/corpus/$target"
      echo "fuzz: fuzz/corpus/$target keeps $(ls "$ROOT/fuzz/corpus/$target" | wc -l) inputs"
    fi
  fi
  rm -rf "$scratch"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
