#!/usr/bin/env bash
# Takes the picture at the top of the README (docs/napkey.png) on a private
# display: the bar docked, its taskbar icons, Screen Saver Properties with
# the mini preview.
set -u
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")/.." && pwd)"
state="$build/run"
"$here/tests/wine/session.sh" start "$state" >/dev/null || exit 1
trap '"$here/tests/wine/session.sh" stop "$state" >/dev/null' EXIT
. "$here/tests/wine/env.sh" "$state"
wine "$build/win64/tools/probe/napkey_probe.exe" picture "$(winepath -w "$build/win64/napkey.exe")" \
  "$(winepath -w "$build/win64/tests/fixtures")" "$here/docs/napkey.png" >"$state/picture.log" 2>&1
rc=$?
tr -d '\r' <"$state/picture.log"
rm -f "$here/docs/napkey.png.done"
exit $rc
