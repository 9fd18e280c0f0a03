# Helpers for driving the real viewer under a virtual display with a window
# manager, as a user would, with xdotool. Sourced by the end-to-end scripts.

E2E_FAILS=0
E2E_PASSES=0
E2E_TMP=$(mktemp -d)
E2E_XVFB=
E2E_WM=

e2e_log() { printf '%s\n' "$*" >&2; }

check() {
  local what=$1; shift
  if "$@"; then
    E2E_PASSES=$((E2E_PASSES + 1)); e2e_log "ok: $what"
  else
    E2E_FAILS=$((E2E_FAILS + 1)); e2e_log "FAIL: $what"
  fi
}

# A display of our own with a window manager, so that focus, activation and
# window decorations behave as on a desktop. E2E_DISPLAYS="N ..." names the
# display numbers to try instead of the usual range.
start_desktop() {
  local n
  for n in ${E2E_DISPLAYS:-$(seq 170 230)}; do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    E2E_XVFB=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
    break
  done
  openbox --sm-disable >/dev/null 2>&1 &
  E2E_WM=$!
  local i
  for i in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  e2e_log "window manager did not start"
  return 1
}

stop_desktop() {
  [ -n "$E2E_WM" ] && kill "$E2E_WM" 2>/dev/null
  [ -n "$E2E_XVFB" ] && kill "$E2E_XVFB" 2>/dev/null
  rm -rf "$E2E_TMP"
}

# The id of a window whose title matches the pattern, or nothing. Reads the
# whole window tree: SDL's message box has a title that xdotool's search
# does not see.
find_window() {
  xwininfo -root -tree 2>/dev/null | awk -v re="$1" '
    match($0, /"[^"]*"/) {
      name = substr($0, RSTART + 1, RLENGTH - 2)
      if (name ~ re) { print $1; exit }
    }'
}

# Waits for a window whose title matches the pattern; prints its id.
wait_window() {
  local pattern=$1 seconds=${2:-20} id
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    id=$(find_window "$pattern")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

wait_no_window() {
  local pattern=$1 seconds=${2:-10}
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    [ -z "$(find_window "$pattern")" ] && return 0
    sleep 0.1
  done
  return 1
}

# Saves a picture of the window's client area.
shot() {
  local id=$1 file=$2
  import -window "$id" "$file" 2>/dev/null
}

# "R G B" of one client pixel of a saved picture.
pixel() {
  local file=$1 x=$2 y=$3
  convert "$file" -format "%[fx:int(255*p{$x,$y}.r+0.5)] %[fx:int(255*p{$x,$y}.g+0.5)] %[fx:int(255*p{$x,$y}.b+0.5)]" info:
}

# True when the pixel is within tol of r g b on every channel.
pixel_near() {
  local file=$1 x=$2 y=$3 r=$4 g=$5 b=$6 tol=${7:-3}
  local got; got=$(pixel "$file" "$x" "$y")
  set -- $got
  local dr=$(( $1 - r )) dg=$(( $2 - g )) db=$(( $3 - b ))
  [ ${dr#-} -le "$tol" ] && [ ${dg#-} -le "$tol" ] && [ ${db#-} -le "$tol" ] && return 0
  e2e_log "  pixel ($x,$y) is $got, expected about $r $g $b"
  return 1
}

# True when the pixel is clearly not r g b (more than 6 away on a channel).
pixel_far() {
  local file=$1 x=$2 y=$3 r=$4 g=$5 b=$6
  local got; got=$(pixel "$file" "$x" "$y")
  set -- $got
  local dr=$(( $1 - r )) dg=$(( $2 - g )) db=$(( $3 - b ))
  [ ${dr#-} -gt 6 ] || [ ${dg#-} -gt 6 ] || [ ${db#-} -gt 6 ] && return 0
  e2e_log "  pixel ($x,$y) is $got, expected something other than $r $g $b"
  return 1
}

# Number of pure red marker pixels in a region (default the whole picture).
red_pixels() {
  local file=$1 region=${2:-}
  local crop=()
  [ -n "$region" ] && crop=(-crop "$region" +repage)
  convert "$file" "${crop[@]}" -fx '(r>0.85&&g<0.15&&b<0.15)?1:0' -format '%[fx:round(mean*w*h)]' info:
}

# Number of pixels that differ between two pictures within a region.
differing_pixels() {
  local a=$1 b=$2 region=$3
  convert "$a" -crop "$region" +repage "$E2E_TMP/diff-a.png"
  convert "$b" -crop "$region" +repage "$E2E_TMP/diff-b.png"
  compare -metric AE "$E2E_TMP/diff-a.png" "$E2E_TMP/diff-b.png" null: 2>&1 | cut -d' ' -f1
}

# Presses a key for a moment, as a person does: the viewer acts on keys that
# are still down when its next pass runs, and on a loaded machine a pass can
# take a while. Well below the display's auto-repeat delay.
tap() {
  xdotool keydown "$1"; sleep 0.35; xdotool keyup "$1"
}

client_size() {
  xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w" "h}'
}

e2e_summary() {
  echo "$E2E_PASSES passed, $E2E_FAILS failed"
  [ "$E2E_FAILS" -eq 0 ]
}
