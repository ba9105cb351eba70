#!/usr/bin/env bash
# Starts or stops the Wine session the tests share: a private prefix (made
# once and kept), a private Xvfb display and a persistent wineserver.
#   session.sh start STATE_DIR
#   session.sh stop STATE_DIR
set -u
cmd="${1:?start|stop}"
state="$(mkdir -p "${2:?state folder}" && cd "$2" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=env.sh
. "$here/env.sh" "$state"

stop() {
  [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1
  if [ -f "$state/xvfb.pid" ]; then
    kill $(cat "$state/xvfb.pid") >/dev/null 2>&1
    rm -f "$state/xvfb.pid"
  fi
  rm -f "$state/display"
  return 0
}

# Starts an X server that picks a free display itself and writes its number to
# fd 3; the number becomes the session's display. Its output goes to a file: a
# background process must not hold ctest's pipes.
serve_x() {
  rm -f "$state/display" "$state/display.tmp"  # an earlier session's would be read as this one's
  "$@" -displayfd 3 -nolisten tcp 3>"$state/display.tmp" >>"$state/xvfb.log" 2>&1 &
  echo $! >>"$state/xvfb.pid"
  for _ in $(seq 100); do [ -s "$state/display.tmp" ] && break; sleep 0.1; done
  tr -d '\n' <"$state/display.tmp" >"$state/display" 2>/dev/null
  if ! grep -Eqx '[0-9]+' "$state/display"; then
    echo "session: $1 gave no display number" >&2
    return 1
  fi
  export DISPLAY=":$(cat "$state/display")"
}

make_prefix() {
  local wine_now
  wine_now="$(wine_fingerprint)"
  [ -f "$WINEPREFIX/system.reg" ] && [ "$(cat "$state/prefix.ready" 2>/dev/null)" = "$wine_now" ] && return 0
  rm -rf "$WINEPREFIX" "$state/prefix.ready"
  echo "session: creating Wine prefix (once)"
  wineboot -i >"$state/wineboot.log" 2>&1
  wineserver -w
  # Without a window manager, unmanaged windows get keyboard focus and hiding
  # one does not stall.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$state/wineboot.log" 2>&1
  wineserver -w
  # Caption buttons are drawn with Marlett; Debian ships it outside the prefix.
  [ -f /usr/share/wine/fonts/marlett.ttf ] && cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  echo "$wine_now" >"$state/prefix.ready"
}

case "$cmd" in
  start)
    stop
    # "monitors": 1024x768 and 800x600 side by side, two heads of a nested server on a larger Xvfb (see README).
    if [ "${WINE_SESSION:-}" = monitors ]; then
      serve_x Xvfb -screen 0 2000x800x24 && serve_x Xephyr +xinerama -extension RANDR -screen 1024x768 -screen 800x600
    else
      serve_x Xvfb -screen 0 1024x768x24
    fi || exit 1
    make_prefix || exit 1
    # One server for the whole run: each program then starts in a blink.
    wineserver -p >"$state/wineserver.log" 2>&1
    # Start the desktop and its services now, with their output in a file,
    # so that no test's process becomes their parent.
    wine cmd /c exit >"$state/warmup.log" 2>&1
    echo "session: Wine ready on display $DISPLAY"
    ;;
  stop)
    stop
    echo "session: stopped"
    ;;
  *)
    echo "usage: session.sh start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
