#!/usr/bin/env bash
# Drives the Windows build of the viewer under Wine as a user would, with the
# same checks as the Linux end-to-end script where they apply: the window,
# the side panel, the help box, Wine's own open dialog, the error box, keys,
# wheel and drag, and ESC and closing the window ending it with status 1.
#
#   tests/windows/viewer_e2e_wine.sh WINDOWS_BUILD_DIR NATIVE_BUILD_DIR
#
# The Windows build directory (or the unpacked release archive) holds the
# viewer with its pictures and the demo savegame (scripts/package-windows
# puts them there); the native build supplies the other sample savegames. Wine runs in a throw-away prefix on a
# virtual display of its own with a window manager; every Wine call is
# bounded in time.
#
# Two things differ from the Linux build here, neither of which the checks
# depend on: Wine's SwapBuffers on a virtual display does not wait for a
# refresh, so the viewer draws several times as many frames and pans that
# much faster per second (speeds are per frame); and Wine leaves resizing to
# the window manager without sending WM_SIZING, so the viewer's minimum
# window size is not kept under Wine as it is under Windows.
set -u
windows=$(cd "$1" && pwd)
native=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/e2e_lib.sh
. "$here/../e2e/e2e_lib.sh"
# shellcheck source=../e2e/viewer_checks.sh
. "$here/../e2e/viewer_checks.sh"

for f in "$windows/hm-package-viewer.exe" "$windows/font.bmp" "$windows/HMmap.bmp" \
         "$windows/samples/demo.b" "$native/samples/empty.b"; do
  if [ ! -e "$f" ]; then
    echo "viewer_e2e_wine: $f is missing; run scripts/package-windows first" >&2
    exit 1
  fi
done
command -v wine >/dev/null && command -v xdotool >/dev/null && command -v openbox >/dev/null ||
  { echo "viewer_e2e_wine: wine, xdotool and openbox are needed (scripts/setup windows)" >&2; exit 1; }

export LIBGL_ALWAYS_SOFTWARE=1
export WINEPREFIX=$E2E_TMP/prefix
export WINEARCH=win64
export WINEDEBUG=-all
# No offer to download Wine's .NET and HTML engines while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
viewer=
cleanup() {
  [ -n "$viewer" ] && kill "$viewer" 2>/dev/null
  timeout 30 wineserver -k >/dev/null 2>&1
  stop_desktop
}
start_desktop || { stop_desktop; exit 1; }
trap cleanup EXIT

e2e_log "viewer_e2e_wine: making a Wine prefix"
if ! timeout 180 wine wineboot --init </dev/null >"$E2E_TMP/wineboot.log" 2>&1; then
  e2e_log "viewer_e2e_wine: wineboot did not finish"
  cat "$E2E_TMP/wineboot.log" >&2
  exit 1
fi

# Wine sees the Linux root as drive Z:. Its open dialog refuses a Linux path
# ("Invalid character(s) in path"), so paths are typed in the Windows form.
windows_path() {
  local p=${1//\//\\}
  echo "Z:$p"
}

title='^Hollowmarrane  Package Viewer'

# Starts the viewer from the Windows build directory (it reads its pictures
# from the working directory) and waits for its window; sets viewer and id.
start_viewer() {
  (cd "$windows" && exec timeout 240 wine hm-package-viewer.exe </dev/null \
     >>"$E2E_TMP/viewer.out" 2>&1) &
  viewer=$!
  id=$(wait_window "$title" 60) || {
    e2e_log "the viewer's window did not appear"
    cat "$E2E_TMP/viewer.out" >&2
    return 1
  }
  xdotool windowactivate --sync "$id" >/dev/null 2>&1
  sleep 1
}

start_viewer || exit 1

# Wine's dialog has the focus in its file name field when it opens.
enter_path() {
  xdotool type --delay 15 "$(windows_path "$1")"
  sleep 0.3
  xdotool key Return
  wait_no_window '^Open a File$' 10
}

# Wine's dialog takes a typed name of a file that does not exist, as
# Windows' does without OFN_FILEMUSTEXIST, so the reader meets it at once.
open_unreadable() {
  open_savegame "$E2E_TMP/no-such-savegame.b"
}

check_first_screen
check_savegames "$windows/samples/demo.b" "$native/samples/empty.b"
check_view_moves "$windows/samples/demo.b"
check_escape

# Closing the window as the user does, with the window manager's Alt+F4,
# which Wine turns into WM_CLOSE.
if start_viewer; then
  xdotool key alt+F4
  wait_viewer
  check "closing the window ends the viewer with status 1 (got $status)" test "$status" -eq 1
else
  check "the viewer starts a second time" false
fi

e2e_summary
