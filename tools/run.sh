#!/usr/bin/env bash
# Starts napkey.exe under Wine in the private prefix build/run/prefix.
# With DISPLAY set it runs there until the user exits it. Without one it runs
# on a private Xvfb, saves a screenshot of the whole screen to
# build/screenshot.png, answers the Quick Help if it is open, ends the program
# through its own Exit command and prints where the screenshot is.
set -u
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")/.." && pwd)"
state="$build/run"
exe="$build/win64/napkey.exe"
[ -f "$exe" ] || { echo "run: $exe is missing; build first" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ]; then
  . "$here/tests/wine/env.sh" "$state"
  mkdir -p "$state"
  if [ "$(cat "$state/prefix.ready" 2>/dev/null)" != "$(wine_fingerprint)" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >"$state/wineboot.log" 2>&1 && wineserver -w && wine_fingerprint >"$state/prefix.ready"
  fi
  exec wine "$exe"
fi

"$here/tests/wine/session.sh" start "$state" || exit 1
trap '"$here/tests/wine/session.sh" stop "$state" >/dev/null' EXIT
. "$here/tests/wine/env.sh" "$state"
zpath() { printf 'Z:%s' "${1//\//\\}"; }  # as Wine sees a Unix path; winepath may print nothing

# The driver is a small Win32 program of the test build: it starts napkey.exe,
# waits until it is up, and talks to it through its windows.
probe="$build/win64/tools/probe/napkey_probe.exe"
rm -f "$state/shot.done"
wine "$probe" shoot "$(zpath "$exe")" "$(zpath "$state")\\shot.done" >"$state/probe.log" 2>&1 &
probe_pid=$!
# The probe prints "ready" when there is something to photograph.
for _ in $(seq 300); do
  grep -q '^ready' "$state/probe.log" 2>/dev/null && break
  kill -0 $probe_pid 2>/dev/null || break
  sleep 0.1
done
# Win32 may call a window visible a moment before X maps and paints it.
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '.+' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 0.5
import -window root "$build/screenshot.png"
touch "$state/shot.done"
wait $probe_pid
rc=$?
tr -d '\r' <"$state/probe.log"
if [ $rc -ne 0 ]; then
  echo "run: napkey.exe did not come up and end as expected (see above)" >&2
  exit 1
fi
echo "run: screenshot saved to $build/screenshot.png"
