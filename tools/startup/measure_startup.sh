#!/usr/bin/env bash
# Start-up cost of Lumora under Wine beside a bare dialog program built the same way:
# process start to first poll (median of N runs) and the working set at that moment.
#   tools/startup/measure_startup.sh [runs]     (default 7; uses $LUMORA_BUILD or build)
# A measurement, not a test: it prints figures and judges nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
runs=${1:-7}
build=${LUMORA_BUILD:-build}
export LUMORA_WINEARCH=$(scripts/wine-arch)
win="$build/$LUMORA_WINEARCH"
toolchain=$([ "$LUMORA_WINEARCH" = win64 ] && echo mingw-x86_64 || echo mingw-i686)
if [ -z "${DISPLAY:-}" ]; then
  scripts/configure-windows "$win" "$root/cmake/$toolchain.cmake"
  cmake --build "$win" --target Lumora W32N50 bare_dialog startup_cost -j "$(nproc)" >/dev/null
  scripts/wine-prefix "$win/wineprefix" "$LUMORA_WINEARCH"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export WINEPREFIX="$root/$win/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
. scripts/wine-loader
wine() { "$LUMORA_WINE" "$@"; }
tmp=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$tmp"' EXIT
winpath() { echo "Z:${1//\//\\}"; }
cd "$root/$win/bin"
wineserver -p 60        # one server for every run, so each pays the same
export BARE_DIALOG_MARK LUMORA_SIM_LOG
BARE_DIALOG_MARK=$(winpath "$tmp/bare.mark")
LUMORA_SIM_LOG=$(winpath "$tmp/sim.log")
# Under Wine, the first program started after one that had a tray icon pays ~2 s in the
# desktop process before its first window (seen with the bare dialog as much as with
# Lumora). So every timed run is preceded by an untimed start of the bare dialog.
settle() { wine startup_cost.exe bare_dialog.exe "$BARE_DIALOG_MARK" 1 >/dev/null; }
timed() {  # timed PROGRAM MARK: one run, prints "ms kib"
  wine startup_cost.exe "$1" "$2" 1 | sed -n 's/^run 1: \([0-9]*\) ms to first poll, working set \([0-9-]*\) KiB.*/\1 \2/p'
}
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
for program in bare_dialog.exe Lumora.exe; do
  mark=$BARE_DIALOG_MARK
  [ "$program" = Lumora.exe ] && mark=$LUMORA_SIM_LOG
  : >"$tmp/figures"
  for i in $(seq 1 "$runs"); do
    settle
    timed "$program" "$mark" | tee -a "$tmp/figures" | sed "s/^/$program run $i: ms, KiB = /"
  done
  echo "$program: median of $runs runs: $(cut -d' ' -f1 "$tmp/figures" | median) ms from process start to first poll," \
       "working set $(cut -d' ' -f2 "$tmp/figures" | median) KiB"
done
