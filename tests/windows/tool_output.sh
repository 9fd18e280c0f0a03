#!/usr/bin/env bash
# Runs the Windows build of hm-package-tool under Wine and compares what it
# prints (standard output, standard error and exit status) with the Linux
# build of the same tool, byte for byte.
#
#   tests/windows/tool_output.sh NATIVE_BUILD_DIR WINDOWS_BUILD_DIR
#
# The native build supplies the Linux tool, the sample savegames and the two
# pictures. Wine runs in a throw-away prefix that is removed at the end;
# every Wine call is bounded in time. Exits non-zero when a case differs.
set -uo pipefail

native=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
linux_tool=$native/hm-package-tool
windows_tool=$windows/hm-package-tool.exe
for f in "$linux_tool" "$windows_tool" "$native/samples/demo.b" "$native/font.bmp" "$native/HMmap.bmp"; do
  if [ ! -e "$f" ]; then
    echo "tool_output: $f is missing; build the native and the Windows build first" >&2
    exit 1
  fi
done

work=$(mktemp -d)
export WINEPREFIX=$work/prefix
export WINEARCH=win64
export WINEDEBUG=-all
# No offer to download Wine's .NET and HTML engines while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

echo "tool_output: making a Wine prefix"
if ! timeout 180 wine wineboot --init </dev/null >"$work/wineboot.log" 2>&1; then
  echo "tool_output: FAIL wineboot did not finish" >&2
  cat "$work/wineboot.log" >&2
  exit 1
fi

passed=0
failed=0

# Runs one case on both tools from the native build directory, so that the
# relative paths in the arguments (and in the tool's messages) are the same.
# Arguments after the name are the tool's; "@OUT@" stands for an output file,
# which is compared too.
check() {
  local name=$1
  shift
  local args_l=() args_w=() a
  for a in "$@"; do
    args_l+=("${a//@OUT@/$work/linux.file}")
    args_w+=("${a//@OUT@/$work/windows.file}")
  done
  rm -f "$work/linux.file" "$work/windows.file"
  (cd "$native" && "$linux_tool" "${args_l[@]}" >"$work/linux.out" 2>"$work/linux.err" </dev/null)
  local status_l=$?
  (cd "$native" && timeout 60 wine "$windows_tool" "${args_w[@]}" >"$work/windows.out" \
     2>"$work/windows.err" </dev/null)
  local status_w=$?
  local why=
  [ "$status_l" -eq "$status_w" ] || why="exit status $status_w, Linux $status_l"
  cmp -s "$work/linux.out" "$work/windows.out" || why="${why:+$why; }standard output differs"
  cmp -s "$work/linux.err" "$work/windows.err" || why="${why:+$why; }standard error differs"
  if [ -e "$work/linux.file" ] || [ -e "$work/windows.file" ]; then
    cmp -s "$work/linux.file" "$work/windows.file" || why="${why:+$why; }written file differs"
  fi
  if [ -z "$why" ]; then
    passed=$((passed + 1))
    echo "ok   $name"
  else
    failed=$((failed + 1))
    echo "FAIL $name: $why"
    diff <(cat "$work/linux.out" "$work/linux.err") <(cat "$work/windows.out" "$work/windows.err") |
      head -20
  fi
}

for sample in "$native"/samples/*.b; do
  b=samples/$(basename "$sample")
  for format in text csv json; do
    check "list --format $format $b" list --format "$format" "$b"
  done
done
for format in text csv json; do
  check "list --format $format of a missing file" list --format "$format" samples/no-such-file.b
done
check "list of a folder" list samples
check "list without a savegame" list
check "list with an unknown format" list --format xml samples/demo.b
check "help" --help
check "version" --version

# The pictures go through Windows' own DIB converter here and through ours
# on Linux: the decoded pixels must be the same.
for picture in font.bmp HMmap.bmp; do
  check "image --ppm $picture" image --ppm @OUT@ "$picture"
done
check "image of a missing file" image no-such-picture.bmp

# Damaged pictures: the loader's own checks must refuse each one the same
# way on both platforms, before Windows' converter could see it.
damaged=$work/damaged
mkdir -p "$damaged"
# Copies font.bmp to NAME and writes the little-endian VALUE of BYTES bytes
# at OFFSET.
patched() {
  local name=$1 offset=$2 bytes=$3 value=$4 hex= i
  cp "$native/font.bmp" "$damaged/$name"
  for ((i = 0; i < bytes; i++)); do
    hex+=$(printf '\\x%02x' $(((value >> (8 * i)) & 255)))
  done
  printf "$hex" | dd of="$damaged/$name" bs=1 seek="$offset" conv=notrunc status=none
}
head -c 30 "$native/font.bmp" >"$damaged/short-header.bmp"
head -c 54 "$native/font.bmp" >"$damaged/no-pixels.bmp"
head -c 100000 "$native/font.bmp" >"$damaged/half-pixels.bmp"
patched huge-width.bmp 18 4 $((0x7fffffff))
patched huge-height.bmp 22 4 $((0x40000000))
patched most-negative-height.bmp 22 4 $((0x80000000))
patched top-down.bmp 22 4 $((0x100000000 - 256))
patched odd-bit-count.bmp 28 2 7
patched unknown-encoding.bmp 30 4 9
patched rle-with-24-bits.bmp 30 4 1
patched pixels-past-end.bmp 10 4 $((0x7ffffff0))
patched header-size-odd.bmp 14 4 33
for picture in "$damaged"/*.bmp; do
  check "image --ppm of $(basename "$picture")" image --ppm @OUT@ "$picture"
done

echo "tool_output: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
