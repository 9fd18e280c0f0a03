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

# Waits for the viewer to end and sets status to its exit status, or to 124
# when it stays. (Not in a command substitution: only this shell can wait.)
wait_viewer() {
  local _
  status=124
  for _ in $(seq 150); do
    if ! kill -0 "$viewer" 2>/dev/null; then wait "$viewer"; status=$?; viewer=; return; fi
    sleep 0.1
  done
}

start_viewer || exit 1
check "the client area is 640 x 480" test "$(client_size "$id")" = "640 480"

# Colours as the frame blends them after the first frame: the side panel over
# the background, the background alone, the help box over the background.
background=(13 13 26)
panel=(20 20 31)
helpbox=(32 32 41)

s=$E2E_TMP
shot "$id" "$s/start.png"
check "the background shows left of the map" pixel_near "$s/start.png" 20 240 "${background[@]}"
check "the side panel shows at the right" pixel_near "$s/start.png" 630 472 "${panel[@]}"
check "no markers before a savegame is opened" test "$(red_pixels "$s/start.png")" -eq 0
check "the map starts inside its edge" pixel_far "$s/start.png" 100 240 "${background[@]}"
check "the map ends at its edge" pixel_near "$s/start.png" 90 240 "${background[@]}"

tap h; sleep 0.5
shot "$id" "$s/help.png"
check "'H' shows the help box" pixel_near "$s/help.png" 50 440 "${helpbox[@]}"
tap h; sleep 0.5
shot "$id" "$s/nohelp.png"
check "'H' again hides it" pixel_near "$s/nohelp.png" 50 440 "${background[@]}"

# Opens a savegame through Wine's dialog: 'O', type the path into the file
# name field (which has the focus when the dialog opens), Enter.
open_savegame() {
  local path=$1 dialog
  xdotool windowactivate --sync "$id" >/dev/null 2>&1
  tap o
  dialog=$(wait_window '^Open a File$' 30) || {
    e2e_log "the open dialog did not appear; focus on: $(xdotool getwindowfocus getwindowname 2>&1)"
    return 1
  }
  xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
  sleep 0.5
  xdotool type --delay 15 "$(windows_path "$path")"
  sleep 0.3
  xdotool key Return
  wait_no_window '^Open a File$' 10
}

count_region=80x16+480+14   # the count's characters: "  %3d" from x 480
check "the dialog opens the demo savegame" open_savegame "$windows/samples/demo.b"
sleep 1
shot "$id" "$s/demo.png"
markers=$(red_pixels "$s/demo.png")
check "red markers appear ($markers pixels)" test "$markers" -gt 200
check "the count changes from 0" test "$(differing_pixels "$s/start.png" "$s/demo.png" "$count_region")" -gt 10

# Wine's dialog takes a typed name of a file that does not exist, as
# Windows' does without OFN_FILEMUSTEXIST, so the reader meets it at once.
check "the dialog takes the name of a missing file" open_savegame "$E2E_TMP/no-such-savegame.b"
box=$(wait_window '^3D View$' 15)
check "a missing file gives the 3D View box" test -n "$box"
if [ -n "$box" ]; then
  xdotool windowactivate --sync "$box" >/dev/null 2>&1
  xdotool key Return
  check "the box closes with Enter" wait_no_window '^3D View$' 10
fi
sleep 0.5
shot "$id" "$s/kept.png"
check "the markers of the demo savegame stay" test "$(red_pixels "$s/kept.png")" -eq "$markers"

check "the dialog opens a savegame with no packages" open_savegame "$native/samples/empty.b"
sleep 1
shot "$id" "$s/empty.png"
check "no markers are left" test "$(red_pixels "$s/empty.png")" -eq 0
check "the count reads 0 again" test "$(differing_pixels "$s/start.png" "$s/empty.png" "$count_region")" -eq 0

check "the demo savegame opens again" open_savegame "$windows/samples/demo.b"
sleep 1
xdotool windowactivate --sync "$id" >/dev/null 2>&1

tap KP_Add; sleep 0.5
shot "$id" "$s/zoomed.png"
check "keypad plus brings the map closer" pixel_far "$s/zoomed.png" 90 240 "${background[@]}"

xdotool mousemove --window "$id" 320 240
xdotool click 5; sleep 0.3; xdotool click 5; sleep 0.5
shot "$id" "$s/wheel-in.png"
check "the wheel zooms in" pixel_far "$s/wheel-in.png" 80 240 "${background[@]}"
for _ in 1 2 3 4 5 6; do xdotool click 4; sleep 0.1; done
sleep 0.5
shot "$id" "$s/wheel-out.png"
check "the wheel zooms out" pixel_near "$s/wheel-out.png" 90 240 "${background[@]}"

xdotool keydown Left; sleep 0.6; xdotool keyup Left; sleep 0.3
shot "$id" "$s/left.png"
check "cursor left moves the map to the right" pixel_near "$s/left.png" 100 240 "${background[@]}"

xdotool mousemove --window "$id" 220 240 mousedown 1
for x in 240 260 280 300 320; do xdotool mousemove --window "$id" "$x" 240; sleep 0.05; done
xdotool mouseup 1; sleep 0.5
shot "$id" "$s/drag.png"
check "a mouse drag moves the map" test "$(differing_pixels "$s/left.png" "$s/drag.png" 440x440+20+20)" -gt 1000
check "the drag moved it to the left" pixel_far "$s/drag.png" 100 240 "${background[@]}"

xdotool windowactivate --sync "$id" >/dev/null 2>&1
tap Escape
wait_viewer
check "ESC ends the viewer with status 1 (got $status)" test "$status" -eq 1

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
