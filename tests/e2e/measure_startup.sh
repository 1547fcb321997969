#!/usr/bin/env bash
# Start-up cost of Lumora under Wine beside a bare dialog program built the same way:
# process start to first poll (median of N runs) and the working set at that moment.
#   tests/e2e/measure_startup.sh [runs]     (default 7; uses $LUMORA_BUILD or build)
# A measurement, not a test: it prints figures and judges nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
runs=${1:-7}
build=${LUMORA_BUILD:-build}
win="$build/win32"
cmake -S . -B "$win" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$win" --target Lumora W32N50 bare_dialog startup_cost -j "$(nproc)" >/dev/null
scripts/wine-prefix "$win/wineprefix"
export WINEPREFIX="$root/$win/wineprefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
bin="$root/$win/bin"
tmp=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$tmp"' EXIT

measure() {
  cd "$bin"
  wineserver -p 60        # keep one server up, so every run pays the same
  BARE_DIALOG_MARK='Z:'"${tmp//\//\\}"'\bare.mark' wine startup_cost.exe bare_dialog.exe 'Z:'"${tmp//\//\\}"'\bare.mark' 1 >/dev/null   # warm-up
  echo "== bare dialog =="
  BARE_DIALOG_MARK='Z:'"${tmp//\//\\}"'\bare.mark' wine startup_cost.exe bare_dialog.exe 'Z:'"${tmp//\//\\}"'\bare.mark' "$runs"
  echo "== Lumora =="
  LUMORA_SIM_LOG='Z:'"${tmp//\//\\}"'\sim.log' wine startup_cost.exe Lumora.exe 'Z:'"${tmp//\//\\}"'\sim.log' "$runs"
}
if [ -n "${DISPLAY:-}" ]; then measure; else export -f measure; export tmp bin runs; xvfb-run -a -s "-screen 0 1024x768x24" bash -c measure; fi
