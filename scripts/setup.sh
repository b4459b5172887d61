# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up of scripts/run and scripts/test: installs what is missing on a
# Debian/Ubuntu machine and builds the project into build/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${KT913_BUILD_DIR:-$ROOT/build}"

# qt6-qpa-plugins lets the window appear on an X11 or Wayland desktop; fonts-wqy-microhei
# gives the Chinese captions their characters on a machine that has no CJK font yet, and
# qt6-translations-l10n puts Qt's own file dialogs into Chinese along with the program;
# qt6-tools-dev and qt6-l10n-tools give lupdate and lrelease, which compile the
# translations/ folder's languages;
# poppler-utils (pdftotext) lets the tests read the text of a printed report; clang
# with its runtime builds the fuzz targets; dpkg-dev finds the Debian package's library
# dependencies; lintian and appstream judge the package and its metainfo (about ten seconds).
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
          qt6-qpa-plugins qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libgl-dev libbenchmark-dev fonts-wqy-microhei
          poppler-utils clang libclang-rt-dev dpkg-dev lintian appstream)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# CI runs no benchmark, so it does not spend its two cores building them, and it keeps
# line tables only of the debug information (a failing test's stack still has its lines).
BENCH=ON
DEBUG_INFO="-g"
if [ -n "${CI:-}" ]; then
  BENCH=OFF
  DEBUG_INFO="-g1"
fi
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKT913_BUILD_BENCH="$BENCH" \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 $DEBUG_INFO -DNDEBUG" >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
