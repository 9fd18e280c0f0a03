#!/usr/bin/env bash
# Drives the real viewer as a user would: keys, mouse and the real open
# dialog, on a virtual display of its own with a window manager. Checks
# what the user would see at chosen pixels of screenshots.
#   viewer_e2e.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

command -v xdotool >/dev/null && command -v openbox >/dev/null && command -v zenity >/dev/null ||
  { echo "e2e: xdotool, openbox and zenity are needed (scripts/setup installs them)"; exit 1; }
export LIBGL_ALWAYS_SOFTWARE=1
# In the sanitizer build, what the desktop libraries keep until exit is not
# the viewer's leak.
export LSAN_OPTIONS="suppressions=$here/../support/lsan_display.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
start_desktop || { stop_desktop; exit 1; }
trap stop_desktop EXIT

# The desktop's chooser only returns files that exist. To see what the
# viewer does with a file that is gone when it comes to read it, the real
# chooser runs behind a wrapper that, when asked, removes the chosen file
# before handing its path on.
real_zenity=$(command -v zenity)
mkdir -p "$E2E_TMP/bin"
cat >"$E2E_TMP/bin/zenity" <<WRAPPER
#!/bin/sh
out=\$("$real_zenity" "\$@")
rc=\$?
[ -f "$E2E_TMP/remove-choice" ] && rm -f "\$out"
printf '%s\\n' "\$out"
exit \$rc
WRAPPER
chmod +x "$E2E_TMP/bin/zenity"
export PATH="$E2E_TMP/bin:$PATH"
# No session bus here: zenity keeps its settings in memory.
export GSETTINGS_BACKEND=memory

title='^Hollowmarrane  Package Viewer'
cd "$build"
./hm-package-viewer 2>"$E2E_TMP/viewer.err" &
viewer=$!

id=$(wait_window "$title" 30) || { e2e_log "the viewer's window did not appear"; cat "$E2E_TMP/viewer.err"; exit 1; }
xdotool windowactivate --sync "$id" >/dev/null 2>&1
sleep 1
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

# The map square spans about x 96..544 at the start zoom; probe just inside
# and just outside its left edge.
check "the map starts inside its edge" pixel_far "$s/start.png" 100 240 "${background[@]}"
check "the map ends at its edge" pixel_near "$s/start.png" 90 240 "${background[@]}"

tap h; sleep 0.5
shot "$id" "$s/help.png"
check "'H' shows the help box" pixel_near "$s/help.png" 50 440 "${helpbox[@]}"
tap h; sleep 0.5
shot "$id" "$s/nohelp.png"
check "'H' again hides it" pixel_near "$s/nohelp.png" 50 440 "${background[@]}"

# Opens a savegame through the real dialog: 'O', type the path, Enter.
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
  # GTK's chooser takes a typed path in its location field, opened by Ctrl+L.
  xdotool key ctrl+l
  sleep 0.3
  xdotool type --delay 15 "$path"
  sleep 0.5
  # The location field may first take Enter to close its completion list.
  local try
  for try in 1 2 3; do
    xdotool key Return
    wait_no_window '^Open a File$' 4 && return 0
  done
  return 1
}

count_region=80x16+480+14   # the count's characters: "  %3d" from x 480
check "the dialog opens the demo savegame" open_savegame "$build/samples/demo.b"
sleep 1
shot "$id" "$s/demo.png"
markers=$(red_pixels "$s/demo.png")
check "red markers appear ($markers pixels)" test "$markers" -gt 200
check "the count changes from 0" test "$(differing_pixels "$s/start.png" "$s/demo.png" "$count_region")" -gt 10
# The same savegame drawn by the viewer's own code without the dialog, in
# this run: the count's characters must be the very same pixels.
if (cd "$build" && ./tools/hm-screenshot samples/demo.b "$s/reference.png") >/dev/null 2>&1; then
  check "the count reads as the demo savegame's 72" \
    test "$(differing_pixels "$s/reference.png" "$s/demo.png" "$count_region")" -eq 0
fi

cp "$build/samples/demo.b" "$E2E_TMP/vanishing.b"
touch "$E2E_TMP/remove-choice"
check "the dialog takes a file that is then removed" open_savegame "$E2E_TMP/vanishing.b"
rm -f "$E2E_TMP/remove-choice"
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

check "the dialog opens a savegame with no packages" open_savegame "$build/samples/empty.b"
sleep 1
shot "$id" "$s/empty.png"
check "no markers are left" test "$(red_pixels "$s/empty.png")" -eq 0
check "the count reads 0 again" test "$(differing_pixels "$s/start.png" "$s/empty.png" "$count_region")" -eq 0

check "the demo savegame opens again" open_savegame "$build/samples/demo.b"
sleep 1
xdotool windowactivate --sync "$id" >/dev/null 2>&1

# Zoom in with keypad plus: the map grows past its old left edge.
tap KP_Add; sleep 0.5
shot "$id" "$s/zoomed.png"
check "keypad plus brings the map closer" pixel_far "$s/zoomed.png" 90 240 "${background[@]}"

# Wheel towards the user zooms in further, away from the user zooms out.
xdotool mousemove --window "$id" 320 240
xdotool click 5; sleep 0.3; xdotool click 5; sleep 0.5
shot "$id" "$s/wheel-in.png"
check "the wheel zooms in" pixel_far "$s/wheel-in.png" 80 240 "${background[@]}"
for _ in 1 2 3 4 5 6; do xdotool click 4; sleep 0.1; done
sleep 0.5
shot "$id" "$s/wheel-out.png"
check "the wheel zooms out" pixel_near "$s/wheel-out.png" 90 240 "${background[@]}"

# Hold cursor left: the map moves right, its left edge leaves x 100.
xdotool keydown Left; sleep 0.6; xdotool keyup Left; sleep 0.3
shot "$id" "$s/left.png"
check "cursor left moves the map to the right" pixel_near "$s/left.png" 100 240 "${background[@]}"

# Drag to the right by 100 pixels: the map moves the other way, to the left,
# and its left part comes back under x 100.
xdotool mousemove --window "$id" 220 240 mousedown 1
for x in 240 260 280 300 320; do xdotool mousemove --window "$id" "$x" 240; sleep 0.05; done
xdotool mouseup 1; sleep 0.5
shot "$id" "$s/drag.png"
check "a mouse drag moves the map" test "$(differing_pixels "$s/left.png" "$s/drag.png" 440x440+20+20)" -gt 1000
check "the drag moved it to the left" pixel_far "$s/drag.png" 100 240 "${background[@]}"

xdotool windowactivate --sync "$id" >/dev/null 2>&1
tap Escape
status=124
for _ in $(seq 100); do
  if ! kill -0 "$viewer" 2>/dev/null; then wait "$viewer"; status=$?; break; fi
  sleep 0.1
done
check "ESC ends the viewer with status 1 (got $status)" test "$status" -eq 1
kill "$viewer" 2>/dev/null

e2e_summary
