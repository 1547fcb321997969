#!/usr/bin/env bash
# Shows Regsweep's debug log window under Xvfb and saves a screenshot of the screen.
#   tools/regsweep_screenshot.sh [WIN32_BUILD_DIR] [OUT.png]
# Lays out a small driver installation in the build's Wine prefix, runs
# "Regsweep.exe /debug NimbeoUSB", waits for the work to finish, takes the picture and
# ends that prefix's Wine processes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/regsweep/win32}")
out=$(realpath -m "${2:-build/regsweep/regsweep_debug.png}")
[ -x "$build/bin/Regsweep.exe" ] || { echo "no $build/bin/Regsweep.exe: build the windows build first" >&2; exit 1; }
LUMORA_WINEARCH=$(scripts/wine-arch)
scripts/wine-prefix "$build/wineprefix" "$LUMORA_WINEARCH"
. scripts/wine-loader
wine() { "$LUMORA_WINE" "$@"; }

export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

net='{4D36E972-E325-11CE-BFC1-08002BE10318}'
ccs='HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet'
{
  printf 'REGEDIT4\r\n\r\n'
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\NimbeoUSB]\r\n'
  printf '"DisplayName"="Vexa Nimbeo 54M USB Wireless LAN Driver"\r\n'
  printf '"DEL_HKR_0000"="Enum\\\\USB\\\\VID_1A2B&PID_0054"\r\n\r\n'
  for i in 1 2; do
    n=$((100 + i))
    printf '[%s\\Enum\\USB\\VID_1A2B&PID_0054\\5&1A2B0054&0&%d]\r\n' "$ccs" "$i"
    printf '"Driver"="%s\\\\0%d"\r\n\r\n' "$net" "$n"
    printf '[%s\\Control\\Class\\%s\\0%d]\r\n' "$ccs" "$net" "$n"
    printf '"NetCfgInstanceId"="{6B0E1%03d-4C2A-4F3E-9D11-000000000%03d}"\r\n' "$n" "$n"
    printf '"DriverDesc"="Vexa Nimbeo 54M USB #%d"\r\n\r\n' "$i"
    printf '[%s\\Control\\Network\\%s\\{6B0E1%03d-4C2A-4F3E-9D11-000000000%03d}\\Connection]\r\n' "$ccs" "$net" "$n" "$n"
    printf '"Name"="Wireless Network Connection %d"\r\n\r\n' "$i"
    printf '[%s\\Control\\Network\\%s\\Descriptions]\r\n' "$ccs" "$net"
    printf '"Vexa Nimbeo 54M USB #%d"="1"\r\n\r\n' "$i"
  done
} > "$work/setup.reg"
# Xvfb has no window manager: let Wine draw the caption and frame itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
wine regedit /S "$(winepath -w "$work/setup.reg")"
wineserver -w

cat > "$work/shot.sh" <<INNER
#!/usr/bin/env bash
wine "$build/bin/Regsweep.exe" /debug NimbeoUSB &
sleep 6
import -window root "$out"
wineserver -k || true
INNER
chmod +x "$work/shot.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/shot.sh"
echo "screenshot: $out"
