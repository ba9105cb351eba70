#!/usr/bin/env bash
# Runs one GoogleTest program under the shared Wine session and fails unless it really ran tests: an
# exe that Wine silently did not start (exit 0, no output) must never count as green.
#   run-gtest.sh STATE_DIR TEST.exe [ARG...]   (absolute Unix paths go as Z: paths: winepath may print nothing)
# With WINE_VERSION_MODE set (win95, nt40, win10...), Wine reports that Windows version to the program.
set -u
state="$(cd "${1:?state folder}" && pwd)"
exe="${2:?test exe}"
shift 2
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=env.sh
. "$here/env.sh" "$state"

if [ ! -f "$state/display" ]; then
  echo "run-gtest: no Wine session (run the wine.start test first)" >&2
  exit 1
fi

# A 32-bit test program needs the 32-bit Wine loader; without it (its package
# index was broken, or the kernel runs no 32-bit programs) the test is skipped, loudly.
pe_machine() { od -An -tx2 -j $(( $(od -An -tu4 -j60 -N4 "$1") + 4 )) -N2 "$1" | tr -d ' '; }
if [ "$(pe_machine "$exe")" = "014c" ] && ! wine32_runs; then
  echo "run-gtest: SKIPPED: $(basename "$exe") is a 32-bit program and 32-bit Wine does not run here" >&2
  exit 77
fi

args=()
for a in "$@"; do
  if [[ "$a" == /* ]]; then args+=("Z:${a//\//\\}"); else args+=("$a"); fi
done

name="$(basename "$exe")"
if [ -n "${WINE_VERSION_MODE:-}" ]; then
  wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$name" /v Version /d "$WINE_VERSION_MODE" /f >/dev/null 2>&1
else
  wine reg delete "HKCU\\Software\\Wine\\AppDefaults\\$name" /f >/dev/null 2>&1
fi

log="$state/$(basename "$exe" .exe)${WINE_LOG_TAG:+.$WINE_LOG_TAG}${WINE_VERSION_MODE:+.$WINE_VERSION_MODE}.log"
# Output goes to a file first: programs Wine starts in the background inherit the handles and would
# otherwise keep ctest waiting.
if [ -n "${WINE_DESKTOP:-}" ]; then
  # In a virtual desktop of this name and size, whose display can change size.
  # Its exit code is the desktop's, so the log alone tells failures.
  wine explorer /desktop="$WINE_DESKTOP" "$exe" --gtest_color=no "${args[@]}" >"$log" 2>&1
else
  wine "$exe" --gtest_color=no "${args[@]}" >"$log" 2>&1
fi
rc=$?
if [ $rc -eq 0 ] && grep -q '^\[  FAILED  \]' <(tr -d '\r' <"$log"); then rc=1; fi
tr -d '\r' <"$log"
if [ $rc -ne 0 ]; then
  echo "run-gtest: $(basename "$exe") exited with $rc" >&2
  exit $rc
fi
if ! grep -Eq '^\[  PASSED  \] [1-9][0-9]* test' <(tr -d '\r' <"$log"); then
  echo "run-gtest: $(basename "$exe") ran no test" >&2
  exit 1
fi
exit 0
