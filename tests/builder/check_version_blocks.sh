#!/usr/bin/env bash
# Compiles VERSIONINFO scripts with the MinGW resource compiler and compares the version block it
# makes (the data of the .res stream's first real record) with the block the build uses.
#   check_version_blocks.sh SCRIPT.rc BLOCK.bin [SCRIPT.rc BLOCK.bin...]
set -euo pipefail
windres=${WINDRES:-i686-w64-mingw32-windres}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
u32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }
status=0
while [ $# -ge 2 ]; do
  rc=$1 bin=$2
  shift 2
  "$windres" --preprocessor=cpp -J rc -O res -i "$rc" -o "$tmp/out.res"
  size=$(u32 "$tmp/out.res" 32)
  header=$(u32 "$tmp/out.res" 36)
  tail -c +$((32 + header + 1)) "$tmp/out.res" | head -c "$size" >"$tmp/out.bin"
  if ! cmp "$tmp/out.bin" "$bin"; then
    echo "$bin differs from what $windres makes of $rc" >&2
    status=1
  fi
done
exit $status
