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
# shellcheck source=viewer_checks.sh
. "$here/viewer_checks.sh"

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

# GTK's chooser takes a typed path in its location field, opened by Ctrl+L.
# The location field may first take Enter to close its completion list.
enter_path() {
  xdotool key ctrl+l
  sleep 0.3
  xdotool type --delay 15 "$1"
  sleep 0.5
  local try
  for try in 1 2 3; do
    xdotool key Return
    wait_no_window '^Open a File$' 4 && return 0
  done
  return 1
}

# A copy of the demo savegame that the chooser's wrapper removes once chosen.
open_unreadable() {
  cp "$build/samples/demo.b" "$E2E_TMP/vanishing.b"
  touch "$E2E_TMP/remove-choice"
  local rc=0
  open_savegame "$E2E_TMP/vanishing.b" || rc=$?
  rm -f "$E2E_TMP/remove-choice"
  return $rc
}

check_first_screen
check_savegames "$build/samples/demo.b" "$build/samples/empty.b"
# The same savegame drawn by the viewer's own code without the dialog, in
# this run: the count's characters must be the very same pixels.
if (cd "$build" && ./tools/hm-screenshot samples/demo.b "$s/reference.png") >/dev/null 2>&1; then
  check "the count reads as the demo savegame's 72" \
    test "$(differing_pixels "$s/reference.png" "$s/demo.png" "$count_region")" -eq 0
fi
check_view_moves "$build/samples/demo.b"
check_escape
[ -n "$viewer" ] && kill "$viewer" 2>/dev/null

e2e_summary
