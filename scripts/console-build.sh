#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the console-only programs (-DKT913_BUILD_GUI=OFF, as on a server or build farm
# without the widget libraries) into build-console/ and runs their own tests there: the
# command line's tests, every command print included, and the install check. The
# ordinary suite only checks that kt913-cli loads no widget library (package_console_cli);
# this builds the other configuration for real. Arguments go to ctest.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${KT913_CONSOLE_BUILD_DIR:-$ROOT/build-console}"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKT913_BUILD_GUI=OFF \
  -DKT913_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target kt913-cli kt913-radio kt913-make-sample tst_cli tst_cli_csv \
  kt913_compressed_docs
cd "$BUILD"
ctest --output-on-failure --timeout 120 -R '^(tst_cli|tst_cli_csv|package_install|package_docs|package_console_cli)$' "$@"
