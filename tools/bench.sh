#!/usr/bin/env bash
# Runs the benchmarks under Wine on a private display and prints their figures.
set -u
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")/.." && pwd)"
state="$build/bench"
"$here/tests/wine/session.sh" start "$state" >/dev/null || exit 1
trap '"$here/tests/wine/session.sh" stop "$state" >/dev/null' EXIT
. "$here/tests/wine/env.sh" "$state"
zpath() { printf 'Z:%s' "${1//\//\\}"; }  # as Wine sees a Unix path; winepath may print nothing
fixtures="$build/win64/tests/fixtures"
echo "napkey.exe against a do-nothing window program (x86_64 builds, under Wine):"
wine reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveTimeOut /d 300 /f >/dev/null 2>&1
printf '[Drowsel]\r\nDisableOnStart=0\r\n' >"$WINEPREFIX/drive_c/windows/napkey.ini"  # not a first start
wine "$build/win64/tools/bench/napkey_program_bench.exe" "$(zpath "$build/win64/napkey.exe")" \
  "$(zpath "$build/win64/tools/bench/napkey_baseline.exe")" "${BENCH_IDLE_SECONDS:-60}" 2>&1 | tr -d '\r'
echo
echo "executable sizes (bytes): i686 release $(stat -c %s "$build/win32/napkey.exe"), x86_64 $(stat -c %s "$build/win64/napkey.exe")"
echo
echo "saver catalogue scan:"
wine "$build/win64/tools/bench/napkey_catalogue_bench.exe" "$(zpath "$fixtures/saver310.scr")" \
  "$(zpath "$fixtures/ne_plain.scr")" 2>&1 | tr -d '\r'
