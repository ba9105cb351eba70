#!/usr/bin/env bash
# Photographs the Button Bar in every size and state on a private display and
# joins the pictures into build/gallery/bar-gallery.png, for a person to look at.
set -u
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")/.." && pwd)"
state="$build/run"
out="$build/gallery"
mkdir -p "$out"
"$here/tests/wine/session.sh" start "$state" >/dev/null || exit 1
trap '"$here/tests/wine/session.sh" stop "$state" >/dev/null' EXIT
. "$here/tests/wine/env.sh" "$state"
wine "$build/win64/tools/probe/napkey_probe.exe" gallery "$(winepath -w "$build/win64/napkey.exe")" \
  "$(winepath -w "$build/win64/tests/fixtures")" "$out" >"$state/gallery.log" 2>&1
rc=$?
tr -d '\r' <"$state/gallery.log"
exit $rc
