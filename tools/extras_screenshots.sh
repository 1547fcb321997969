#!/usr/bin/env bash
# Screenshots of the link journal, the tray menu with its profiles, the channel map and the
# support report pasted into Notepad, under Xvfb and Wine, for the README.
#   tools/extras_screenshots.sh [BUILD_DIR] [OUT_DIR]   (defaults: build/<wine arch>, docs)
# Needs the windows build's Lumora.exe, W32N50.dll, Config.INI and lumora_remote.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
# Everything below runs inside one X server.
if [ -z "${LUMORA_IN_XVFB:-}" ]; then
  exec env LUMORA_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
build=$(realpath "${1:-build/$(scripts/wine-arch)}")
out=$(realpath -m "${2:-docs}")
mkdir -p "$out"
scripts/wine-prefix "$build/wineprefix" "$(scripts/wine-arch)" >/dev/null
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
LUMORA_WINEARCH=$(scripts/wine-arch)
. scripts/wine-loader
wine() { "$LUMORA_WINE" "$@"; }
BIN="$build/bin" OUT="$out"
scenario=$(mktemp --suffix=.ini)
# The simulator reads the file through Windows paths.
export LUMORA_SIM_SCENARIO="$("$LUMORA_WINE" winepath -w "$scenario" 2>/dev/null | tr -d '\r')"
trap 'rm -f "$scenario"; WINEPREFIX="$build/wineprefix" wineserver -k 2>/dev/null || true' EXIT

# A street of networks: HomeNet (ours) on 6, neighbours crowding 1 to 8, nobody near 11.
net() {  # net NAME SSID LAST_OCTET CHANNEL RSSI RATES [MORE_KEYS]
  printf '[Network %s]\nSsid=%s\nBssid=00:11:22:33:44:%s\nChannel=%s\nRssi=%s\nRates=%s\n%b' "$@"
}
write_scenario() {  # write_scenario HOME_IN_RANGE
  {
    printf '[Driver]\nAssociationDelay=200\nRssiJitter=0\n[Adapter product]\n'
    printf 'Description=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n'
    printf 'DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nMac=00:A0:C5:4E:21:7B\n'
    net home HomeNet 01 6 -52 g "InRange=$1\n"
    net n1 Neighbour 02 1 -60 g
    net n2 Cafe-Guest 03 1 -74 b
    net n3 Printer 04 4 -70 b
    net n4 Hidden 05 8 -66 g 'Hidden=1\n'
    # The simulator sees a change by size too.
    [ "$1" = 1 ] || printf ';;;;\n'
  } >"$scenario"
}
write_scenario 1

reg() { wine reg "$@" >/dev/null 2>&1 || true; }
key='HKCU\Software\Vexa\Lumora'
reg delete "$key" /f
reg add "$key\ActiveSetting" /v SSID /d HomeNet /f
reg add "$key\FactoryDefault" /v NextProfile /d Home /f
for p in "Home HomeNet Office" "Office OfficeNet Cafe" "Cafe Cafe-Guest end"; do
  set -- $p
  reg add "$key\\$1" /v SSID /d "$2" /f
  reg add "$key\\$1" /v OperationMode /d 0 /f
  reg add "$key\\$1" /v WepEnabled /d 0 /f
  reg add "$key\\$1" /v NextProfile /d "$3" /f
done
reg add "$key\ActiveSetting" /v ProfileName /d Home /f

remote() { wine "$BIN/lumora_remote.exe" "$@"; }
snap() { import -window root -crop "$(remote rect | tr -d '\r')" +repage "$OUT/$1.png"; }
until_journal() {  # PATTERN [N]: waits until one of the newest N journal lines (1) matches
  for _ in $(seq 1 80); do
    if remote journal 2>/dev/null | head -"${2:-1}" | grep -q "$1"; then return 0; fi
    sleep 0.5
  done
  echo "journal never showed: $1" >&2
  remote journal >&2 || true
}

wine "$BIN/Lumora.exe" &
remote wait
until_journal "Link up: HomeNet"
write_scenario 0
until_journal "Link lost" 3
write_scenario 1
until_journal "Link up: HomeNet"
remote tray-show
remote wait-shown 10000
remote command 1148; sleep 1
xdotool mousemove 1020 760
snap lumora-link-journal
remote command 1149; sleep 3
snap lumora-channel-map
remote command 32772; remote wait-hidden 10000
xdotool mousemove 300 200
remote tray-menu; sleep 1
xdotool key p; sleep 1
import -window root -crop 360x160+290+190 +repage "$OUT/lumora-tray-menu.png"
xdotool key Escape Escape; sleep 0.5
remote tray-show; remote wait-shown 10000
remote command 1146; sleep 1
remote page-command 1405; sleep 1
wine notepad &
sleep 3
xdotool key ctrl+v; sleep 1
import -window "$(xdotool search --name Notepad | head -1)" "$OUT/lumora-support-report.png"
remote command 32773
