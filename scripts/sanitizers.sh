#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the whole suite a second time with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs it there, the offscreen window tests included. Any report
# stops the test that made it. Arguments go to ctest.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${KT913_ASAN_BUILD_DIR:-$ROOT/build-asan}"
FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# The build itself runs a program it has just built (kt913-make-icons draws the icons),
# so the options and the leak suppressions hold from here on, not only for the tests.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
# -O1 with line tables only: the stacks of a report keep their files and lines, and the
# build takes about half the time -O2 with full debug information does.
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKT913_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DCMAKE_CXX_FLAGS="$FLAGS" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
cd "$BUILD"
# Tests that need no time of their own get the sanitizers' slower pace.
ctest --output-on-failure -j "$(nproc)" --timeout 600 "$@"
