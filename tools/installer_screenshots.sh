#!/usr/bin/env bash
# Walks Lumora-Setup.exe and its uninstaller page by page under Xvfb and saves a screenshot
# of each page.
#   tools/installer_screenshots.sh [BUILD_DIR] [OUT_DIR]
#     (defaults: build/win32, or build/win64 where 32-bit code cannot run; OUT_DIR = BUILD_DIR/screenshots/installer)
# Installs into the build's Wine prefix and uninstalls again at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
LUMORA_WINEARCH=$(scripts/wine-arch)
build=$(realpath "${1:-build/$LUMORA_WINEARCH}")
out=$(realpath -m "${2:-$build/screenshots/installer}")
[ -f "$build/bin/Lumora-Setup.exe" ] || { echo "no $build/bin/Lumora-Setup.exe: build the windows build with nsis installed" >&2; exit 1; }
mkdir -p "$out"
scripts/wine-prefix "$build/wineprefix" "$LUMORA_WINEARCH"
. scripts/wine-loader
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LUMORA_WINE SETUP="$build/bin/Lumora-Setup.exe" REMOTE="$build/bin/lumora_remote.exe" OUT="$out"
# Xvfb has no window manager: let Wine draw the caption and frame itself.
"$LUMORA_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
wineserver -w

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -e
  # The page on show, cut to the setup window; then, with "next", on to the next page.
  page() {  # title name [next]
    local id
    id=$(xdotool search --sync --name "^$1" | head -1)
    sleep 1.5
    import -window root -crop "$(xdotool getwindowgeometry --shell "$id" | awk -F= "/WIDTH/{w=\$2}/HEIGHT/{h=\$2}/^X/{x=\$2}/^Y/{y=\$2}END{print w\"x\"h\"+\"x\"+\"y}")" +repage "$OUT/$2.png"
    echo "$OUT/$2.png"
    if [ -n "${3:-}" ]; then
      "$LUMORA_WINE" "$REMOTE" next "$1"
    fi
  }
  "$LUMORA_WINE" "$SETUP" &
  page "Lumora Setup" setup-1-welcome next
  page "Lumora Setup" setup-2-components next
  page "Lumora Setup" setup-3-folder next
  page "Lumora Setup" setup-4-language next
  sleep 3
  page "Lumora Setup" setup-5-finish next   # starts Lumora: the uninstaller ends it
  sleep 5
  "$LUMORA_WINE" "C:\\Program Files\\Lumora\\Uninstall.exe" &
  page "Lumora Uninstall" uninstall-1-confirm next
  page "Lumora Uninstall" uninstall-2-profiles next
  sleep 4
  page "Lumora Uninstall" uninstall-3-done next
  wineserver -w
'
