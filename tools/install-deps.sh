#!/usr/bin/env bash
# Installs what the build and the tests need, once. Idempotent: a machine that
# already has everything returns at once without touching apt.
set -u

need_pkgs=(g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32
           binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
           cmake make g++ clang wine wine64 fonts-wine xvfb xserver-xephyr xdotool imagemagick googletest)

missing=()
for p in "${need_pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# /usr/local/bin/convert may be a stand-in; the real ImageMagick has 'import'.
command -v import >/dev/null 2>&1 || missing+=(imagemagick)

# 32-bit Wine runs the i686 release exe under test. It needs the i386
# architecture; when that index is broken the x86_64 tests still run and the
# i686 ones say that they were skipped.
have_wine32() { dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; }

if [ ${#missing[@]} -eq 0 ] && have_wine32; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! have_wine32; then
  echo "install-deps: installing wine32 (32-bit Wine)"
  dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -qq >/dev/null 2>&1
  $SUDO apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null 2>&1
  have_wine32 || echo "install-deps: WARNING: wine32 could not be installed (is the i386 package index reachable?);" \
    "the tests of the i686 release exe will be skipped" >&2
fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
# An unrelated index (another architecture or mirror) may fail to update; what
# matters is whether our packages install, which is checked below.
$SUDO apt-get update -qq >/dev/null 2>&1 || echo "install-deps: apt-get update reported an error (ignored)"
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null 2>&1 \
  || $SUDO apt-get install -y --no-install-recommends "${missing[@]}"

fail=0
for p in "${need_pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    echo "install-deps: package $p is still missing" >&2
    fail=1
  fi
done
exit $fail
