#!/bin/sh
# The compressor of the builder's tests: records its arguments, one a line, in args.txt beside
# itself, waits $QV_FAKE_UPX_SLEEP seconds when that is set, and compresses nothing.
printf '%s\n' "$@" > "$(dirname "$0")/args.txt"
if [ -n "$QV_FAKE_UPX_SLEEP" ]; then sleep "$QV_FAKE_UPX_SLEEP"; fi
exit 0
