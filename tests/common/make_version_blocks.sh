#!/usr/bin/env bash
# Compiles every VERSIONINFO script in tests/data/valid/common with the MinGW resource compiler and
# keeps the version block itself (the data of the .res stream's first real record) as NAME.bin.
#   make_version_blocks.sh            rewrites the committed .bin files
#   make_version_blocks.sh --check    compiles into a temporary folder and compares
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../data/valid/common"
windres=${WINDRES:-i686-w64-mingw32-windres}
out="$data"
if [ "${1:-}" = "--check" ]; then
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
fi

u32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }

status=0
for rc in "$data"/*.rc; do
  name=$(basename "$rc" .rc)
  res="$out/$name.res"
  # The host preprocessor serves: the scripts use no Windows headers.
  "$windres" --preprocessor=cpp -J rc -O res -i "$rc" -o "$res"
  # The stream starts with the empty 32-byte record; the block follows the next record's header.
  size=$(u32 "$res" 32)
  header=$(u32 "$res" 36)
  tail -c +$((32 + header + 1)) "$res" | head -c "$size" >"$out/$name.bin.new"
  rm -f "$res"
  mv "$out/$name.bin.new" "$out/$name.bin"
  if [ "$out" != "$data" ] && ! cmp -s "$out/$name.bin" "$data/$name.bin"; then
    echo "$name.bin differs from what $windres makes of $name.rc" >&2
    status=1
  fi
done
exit $status
