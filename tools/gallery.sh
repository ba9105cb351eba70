#!/usr/bin/env bash
# Photographs the program on a private display, for a person to look at.
#   gallery.sh BUILD           the bar in every size and state, the dialogs
#                              (build/gallery/*.png)
#   gallery.sh BUILD picture   the picture at the top of the README
#                              (docs/napkey.png): the bar docked, its taskbar
#                              icons, Screen Saver Properties with the mini preview
set -u
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")/.." && pwd)"
state="$build/run"
if [ "${2:-}" = picture ]; then
  what=picture out="$here/docs/napkey.png"
else
  what=gallery out="$build/gallery"
  mkdir -p "$out"
fi
"$here/tests/wine/session.sh" start "$state" >/dev/null || exit 1
trap '"$here/tests/wine/session.sh" stop "$state" >/dev/null' EXIT
. "$here/tests/wine/env.sh" "$state"
zpath() { printf 'Z:%s' "${1//\//\\}"; }  # as Wine sees a Unix path; winepath may print nothing
wine "$build/win64/tools/probe/napkey_probe.exe" "$what" "$(zpath "$build/win64/napkey.exe")" \
  "$(zpath "$build/win64/tests/fixtures")" "$out" >"$state/$what.log" 2>&1
rc=$?
tr -d '\r' <"$state/$what.log"
rm -f "$here/docs/napkey.png.done"
exit $rc
