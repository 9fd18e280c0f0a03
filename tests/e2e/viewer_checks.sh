# The end-to-end checks of the viewer that hold on every platform, shared by
# the Linux script and the Windows one under Wine. Sourced after e2e_lib.sh.
#
# The sourcing script sets `id` (the viewer's window) and `viewer` (its
# process), and defines:
#   enter_path PATH   types PATH into the open dialog, which has the focus,
#                     and succeeds once the dialog has closed;
#   open_unreadable   opens, through the dialog, a file the viewer cannot
#                     read when it comes to it.

# Colours as the frame blends them after the first frame: the side panel over
# the background, the background alone, the help box over the background.
background=(13 13 26)
panel=(20 20 31)
helpbox=(32 32 41)
count_region=80x16+480+14   # the count's characters: "  %3d" from x 480
s=$E2E_TMP

# Opens a savegame through the dialog: 'O', the path, Enter.
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
  enter_path "$path"
}

# The window's size, the panel, the map's edge and the help box.
check_first_screen() {
  check "the client area is 640 x 480" test "$(client_size "$id")" = "640 480"
  shot "$id" "$s/start.png"
  check "the background shows left of the map" pixel_near "$s/start.png" 20 240 "${background[@]}"
  check "the side panel shows at the right" pixel_near "$s/start.png" 630 472 "${panel[@]}"
  check "no markers before a savegame is opened" test "$(red_pixels "$s/start.png")" -eq 0
  # The map square spans about x 96..544 at the start zoom; probe just
  # inside and just outside its left edge.
  check "the map starts inside its edge" pixel_far "$s/start.png" 100 240 "${background[@]}"
  check "the map ends at its edge" pixel_near "$s/start.png" 90 240 "${background[@]}"

  tap h; sleep 0.5
  shot "$id" "$s/help.png"
  check "'H' shows the help box" pixel_near "$s/help.png" 50 440 "${helpbox[@]}"
  tap h; sleep 0.5
  shot "$id" "$s/nohelp.png"
  check "'H' again hides it" pixel_near "$s/nohelp.png" 50 440 "${background[@]}"
}

# Opening the demo savegame, one that cannot be read, and one with no
# packages left: DEMO EMPTY. Leaves the demo savegame's picture in
# $s/demo.png.
check_savegames() {
  local demo=$1 empty=$2 markers box
  check "the dialog opens the demo savegame" open_savegame "$demo"
  sleep 1
  shot "$id" "$s/demo.png"
  markers=$(red_pixels "$s/demo.png")
  check "red markers appear ($markers pixels)" test "$markers" -gt 200
  check "the count changes from 0" test "$(differing_pixels "$s/start.png" "$s/demo.png" "$count_region")" -gt 10

  check "the dialog takes a file that cannot be read" open_unreadable
  box=$(wait_window '^3D View$' 15)
  check "a file that cannot be read gives the 3D View box" test -n "$box"
  if [ -n "$box" ]; then
    xdotool windowactivate --sync "$box" >/dev/null 2>&1
    xdotool key Return
    check "the box closes with Enter" wait_no_window '^3D View$' 10
  fi
  sleep 0.5
  shot "$id" "$s/kept.png"
  check "the markers of the demo savegame stay" test "$(red_pixels "$s/kept.png")" -eq "$markers"

  check "the dialog opens a savegame with no packages" open_savegame "$empty"
  sleep 1
  shot "$id" "$s/empty.png"
  check "no markers are left" test "$(red_pixels "$s/empty.png")" -eq 0
  check "the count reads 0 again" test "$(differing_pixels "$s/start.png" "$s/empty.png" "$count_region")" -eq 0
}

# Keypad plus, the wheel both ways, a held cursor key and a drag, with the
# demo savegame DEMO open again.
check_view_moves() {
  check "the demo savegame opens again" open_savegame "$1"
  sleep 1
  xdotool windowactivate --sync "$id" >/dev/null 2>&1

  # Keypad plus brings the map closer: it grows past its old left edge.
  tap KP_Add; sleep 0.5
  shot "$id" "$s/zoomed.png"
  check "keypad plus brings the map closer" pixel_far "$s/zoomed.png" 90 240 "${background[@]}"

  # Wheel towards the user zooms in further, away from the user zooms out.
  xdotool mousemove --window "$id" 320 240
  xdotool click 5; sleep 0.3; xdotool click 5; sleep 0.5
  shot "$id" "$s/wheel-in.png"
  check "the wheel zooms in" pixel_far "$s/wheel-in.png" 80 240 "${background[@]}"
  local _
  for _ in 1 2 3 4 5 6; do xdotool click 4; sleep 0.1; done
  sleep 0.5
  shot "$id" "$s/wheel-out.png"
  check "the wheel zooms out" pixel_near "$s/wheel-out.png" 90 240 "${background[@]}"

  # Hold cursor left: the map moves right, its left edge leaves x 100.
  xdotool keydown Left; sleep 0.6; xdotool keyup Left; sleep 0.3
  shot "$id" "$s/left.png"
  check "cursor left moves the map to the right" pixel_near "$s/left.png" 100 240 "${background[@]}"

  # Drag to the right by 100 pixels: the map moves the other way, to the
  # left, and its left part comes back under x 100.
  local x
  xdotool mousemove --window "$id" 220 240 mousedown 1
  for x in 240 260 280 300 320; do xdotool mousemove --window "$id" "$x" 240; sleep 0.05; done
  xdotool mouseup 1; sleep 0.5
  shot "$id" "$s/drag.png"
  check "a mouse drag moves the map" test "$(differing_pixels "$s/left.png" "$s/drag.png" 440x440+20+20)" -gt 1000
  check "the drag moved it to the left" pixel_far "$s/drag.png" 100 240 "${background[@]}"
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

# ESC ends the viewer with status 1.
check_escape() {
  xdotool windowactivate --sync "$id" >/dev/null 2>&1
  tap Escape
  wait_viewer
  check "ESC ends the viewer with status 1 (got $status)" test "$status" -eq 1
}
