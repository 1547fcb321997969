#!/usr/bin/env bash
# What Lumora costs under Wine beside three yardsticks built the same way: a bare dialog,
# a dialog that imports the same system DLLs and loads W32N50.dll, and that dialog again
# with Lumora's main window and eight page windows made hidden from Lumora's templates
# (windows_dialog.exe: what the windows alone cost). Prints one table: process start to
# first poll and the working set at that moment (medians of interleaved runs, and of each
# run over the same-imports dialog's run of the same round), and the
# CPU each program uses while it sits in the tray, Lumora connected, searching (in the
# search's first minute, and after it) and with Link Info shown.
#   tools/startup/measure_startup.sh [runs] [idle seconds] [idle runs] [other Lumora bin dir ...]
#   (defaults 9, 60, 3; uses $LUMORA_BUILD or build). Each other bin dir (a copy of an
#   earlier build's bin folder holding Lumora.exe and W32N50.dll) gets a column of its own,
#   measured in the same interleaved runs.
# A measurement, not a test: it prints figures and judges nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
runs=${1:-9}
idle_seconds=${2:-60}
idle_runs=${3:-3}
shift $(( $# < 3 ? $# : 3 ))
others=()
for dir in "$@"; do others+=("$(realpath "$dir")"); done
build=${LUMORA_BUILD:-build}
export LUMORA_WINEARCH=$(scripts/wine-arch)
win="$build/$LUMORA_WINEARCH"
toolchain=$([ "$LUMORA_WINEARCH" = win64 ] && echo mingw-x86_64 || echo mingw-i686)
if [ -z "${DISPLAY:-}" ]; then
  scripts/configure-windows "$win" "$root/cmake/$toolchain.cmake"
  cmake --build "$win" --target Lumora W32N50 bare_dialog imports_dialog windows_dialog startup_cost -j 2 >/dev/null
  scripts/wine-prefix "$win/wineprefix" "$LUMORA_WINEARCH"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$runs" "$idle_seconds" "$idle_runs" "${others[@]}"
fi
export WINEPREFIX="$root/$win/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
. scripts/wine-loader
wine() { "$LUMORA_WINE" "$@"; }
tmp=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$tmp"' EXIT
winpath() { echo "Z:${1//\//\\}"; }
bin="$root/$win/bin"
cd "$bin"
wineserver -p 60        # one server for every run, so each pays the same

# The programs, by column: name and the folder it runs from.
names=(bare imports windows Lumora)
dirs=("$bin" "$bin" "$bin" "$bin")
exes=(bare_dialog.exe imports_dialog.exe windows_dialog.exe Lumora.exe)
for i in "${!others[@]}"; do
  names+=("Lumora-$((i + 2))"); dirs+=("${others[$i]}"); exes+=(Lumora.exe)
done
is_lumora() { [ "${exes[$1]}" = Lumora.exe ]; }
# The program of a column by its full path: given a bare name, CreateProcess looks in
# startup_cost.exe's own folder before the current one, and every column would run the
# Lumora.exe built beside it.
program() { winpath "${dirs[$1]}/${exes[$1]}"; }

# The simulated machine: the product's adapter and the network start-up puts in force.
scenario="$tmp/scenario.ini"
printf '%s\n' "[Driver]" "AssociationDelay=200" "RssiJitter=2" "[Adapter product]" \
  "Description=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter" \
  "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}" "Mac=00:A0:C5:4E:21:7B" \
  "[Network vexa]" "Ssid=vexa" "Bssid=00:11:22:33:44:01" "Channel=10" "Rssi=-50" "Rates=g" >"$scenario"
export LUMORA_SIM_SCENARIO BARE_DIALOG_MARK
LUMORA_SIM_SCENARIO=$(winpath "$scenario")
BARE_DIALOG_MARK=$(winpath "$tmp/bare.mark")

# Settings for each state: none (start-up writes its defaults and the link comes up), or
# a profile chain that leads back on itself towards networks out of range, searched for ever.
key='HKEY_CURRENT_USER\Software\Vexa\Lumora'
settings() {
  { echo REGEDIT4; echo; echo "[-$key]"; echo
    if [ "$1" = searching ]; then
      for p in ActiveSetting:NoSuchNet:A FactoryDefault:NoSuchNet:A A:NoSuchNet:B B:NoSuchNet2:A; do
        IFS=: read -r name ssid next <<<"$p"
        printf '[%s\\%s]\n"SSID"="%s"\n"NextProfile"="%s"\n"AutoSearch"="0"\n"OperationMode"="0"\n' \
          "$key" "$name" "$ssid" "$next"
        printf '"Authentication"="2"\n"WepEnabled"="0"\n\n'
      done
    fi; } >"$tmp/settings.reg"
  wine regedit /s "$(winpath "$tmp/settings.reg")"
}

# Under Wine, the first program started after one that had a tray icon pays ~2 s in the
# desktop process before its first window (seen with the bare dialog as much as with
# Lumora). So every timed run is preceded by an untimed start of the bare dialog.
settle() { wine "$bin/startup_cost.exe" bare_dialog.exe "$BARE_DIALOG_MARK" 1 >/dev/null; }
timed() {  # timed COLUMN: one start-up run, prints "ms kib"
  local mark=$BARE_DIALOG_MARK
  if is_lumora "$1"; then
    mark=$(winpath "$tmp/sim.log")
  fi
  (cd "${dirs[$1]}" && LUMORA_SIM_LOG=$mark wine "$bin/startup_cost.exe" "$(program "$1")" "$mark" 1) |
    sed -n 's/^run 1: \([0-9]*\) ms to first poll, working set \([0-9-]*\) KiB.*/\1 \2/p'
}
# CPU time in ns of a host process, all its threads (Wine reports none for another process).
cpu_ns() { { cat /proc/"${1:-none}"/task/*/schedstat 2>/dev/null || true; } | awk '{t += $1} END {printf "%.0f\n", t}'; }
# The host process of this prefix whose program (first word of its command line) matches $1.
prefix_pid() {
  local p
  for p in /proc/[0-9]*; do
    grep -qzx "WINEPREFIX=$WINEPREFIX" "$p/environ" 2>/dev/null || continue
    case "$(tr '\0' '\n' <"$p/cmdline" 2>/dev/null | head -n 1)" in
      $1) echo "${p#/proc/}"; return ;;
    esac
  done
}
server=$(prefix_pid "*/wineserver*")
wait_file() { while [ ! -e "$1" ]; do sleep 0.05; done; }
idle() {  # idle COLUMN SETTLE-SECONDS [show]: one idle run, prints "process% server% state"
  local m="$tmp/idle.mark" out="$tmp/idle.out" pid c0 s0 t0 c1 s1 t1
  rm -f "$m".*
  (cd "${dirs[$1]}" && wine "$bin/startup_cost.exe" --idle "$(program "$1")" "$2" "$idle_seconds" "$(winpath "$m")" ${3:-}) >"$out" &
  wait_file "$m.start"
  pid=$(prefix_pid "*${exes[$1]}")
  c0=$(cpu_ns "$pid"); s0=$(cpu_ns "$server"); t0=$(date +%s%N)
  wait_file "$m.end"
  c1=$(cpu_ns "$pid"); s1=$(cpu_ns "$server"); t1=$(date +%s%N)
  touch "$m.done"
  wait
  awk -v c=$((c1 - c0)) -v s=$((s1 - s0)) -v t=$((t1 - t0)) 'BEGIN {printf "%.3f %.3f ", 100 * c / t, 100 * s / t}'
  sed -n 's/^idle: state "\(.*\)".*/\1/p' "$out"
}
# The middle value; of an even count, the mean of the middle two.
median() {
  sort -n | awk '{v[NR]=$1} END {
    if (!NR) print "-"; else if (NR % 2) print v[(NR+1)/2]
    else { m = (v[NR/2] + v[NR/2+1]) / 2; print (v[1] ~ /\./) ? sprintf("%.3f", m) : m } }'
}

settings connected
for i in $(seq 1 "$runs"); do
  for c in "${!names[@]}"; do
    settle
    result=$(timed "$c") || true
    echo "start-up run $i, ${names[$c]}: ms KiB = ${result:-no poll seen}"
    [ -n "$result" ] || continue
    echo "$result" >>"$tmp/start.$c"
    echo "$result" | awk -v run="$i" -v timer=2500 '{print run, $1 - timer}' >>"$tmp/work.$c"
  done
done
# Each row: its label, the settings, how long the program runs before the measuring
# starts, and whether Link Info is shown. A search's first minute differs from what
# follows: the status line grows by a dot a tick (up to 64) and the first round of the
# chain is journalled and told in balloons; after it, each tick sets no text.
rows=("tray, connected" "tray, searching, first minute" "tray, searching, after 90 s" "Link Info shown, connected")
row_settings=(connected searching searching connected)
row_settle=(8 8 90 8)
row_show=("" "" "" show)
for r in "${!rows[@]}"; do
  settings "${row_settings[$r]}"
  for i in $(seq 1 "$idle_runs"); do
    for c in "${!names[@]}"; do
      if ! is_lumora "$c" && [ $r -ne 0 ]; then continue; fi
      idle "$c" "${row_settle[$r]}" ${row_show[$r]} | tee -a "$tmp/idle.$r.$c" |
        sed "s/^/idle run $i (${rows[$r]}), ${names[$c]}: process %, wineserver %, state = /"
    done
  done
done

echo
printf '| %-48s |' "Figure (medians)"; for n in "${names[@]}"; do printf ' %12s |' "$n"; done; echo
printf '|%s|' "$(printf -- '-%.0s' {1..50})"; for n in "${names[@]}"; do printf '%s|' "--------------"; done; echo
row() {  # row LABEL FILE-PREFIX FIELD
  printf '| %-48s |' "$1"
  for c in "${!names[@]}"; do
    f="$tmp/$2.$c"; v=-; [ -s "$f" ] && v=$(cut -d' ' -f"$3" "$f" | median)
    printf ' %12s |' "$v"
  done; echo
}
row "work to first poll beyond the 2500 ms timer, ms" work 2
# Each run's work over the same-imports dialog's in the same round: runs minutes apart
# share no slow spell, so this ratio moves less than the ratio of two medians.
for c in "${!names[@]}"; do
  awk 'NR == FNR {imports[$1] = $2; next} imports[$1] > 0 {printf "%.3f\n", $2 / imports[$1]}' \
    "$tmp/work.1" "$tmp/work.$c" >"$tmp/ratio.$c" 2>/dev/null || true
done
row "  each run over the same-imports dialog's, ratio" ratio 1
row "working set at first poll, KiB" start 2
for r in "${!rows[@]}"; do
  row "CPU of the process, % of a core, ${rows[$r]}" "idle.$r" 1
  row "  and of the wineserver meanwhile, % of a core" "idle.$r" 2
done
echo "($runs start-up runs; idle figures over $idle_seconds s, $idle_runs runs each)"
echo "states seen at the end of Lumora's idle runs:"
for r in "${!rows[@]}"; do
  for c in "${!names[@]}"; do
    [ -s "$tmp/idle.$r.$c" ] && is_lumora "$c" && echo "  ${rows[$r]}, ${names[$c]}: $(cut -d' ' -f3- "$tmp/idle.$r.$c" | sort | uniq -c | tr -s ' ' | paste -sd';')"
  done
done
exit 0
