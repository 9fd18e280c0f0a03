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

echo "tool_output: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
