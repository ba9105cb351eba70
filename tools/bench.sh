#!/usr/bin/env bash
# Runs the benchmarks under Wine on a private display and prints their figures.
set -u
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")/.." && pwd)"
state="$build/bench"
"$here/tests/wine/session.sh" start "$state" >/dev/null || exit 1
trap '"$here/tests/wine/session.sh" stop "$state" >/dev/null' EXIT
. "$here/tests/wine/env.sh" "$state"
fixtures="$build/win64/tests/fixtures"
echo "saver catalogue scan:"
wine "$build/win64/tools/bench/napkey_catalogue_bench.exe" "$(winepath -w "$fixtures/saver310.scr")" \
  "$(winepath -w "$fixtures/ne_plain.scr")" 2>&1 | tr -d '\r'
