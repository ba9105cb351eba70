# Sourced by the Wine scripts: the private prefix and display of one state
# folder (first argument of the caller), never the user's own ~/.wine.
wine_state="${1:?state folder}"
export WINEPREFIX="$wine_state/prefix"
export WINEDEBUG="${WINEDEBUG:--all,err+module}"
# No Mono/Gecko installers, nothing written into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
[ -f "$wine_state/display" ] && export DISPLAY=":$(cat "$wine_state/display")"

# Some kernels run no 32-bit program though wine32 is installed, and Debian's launcher would still
# pick its 32-bit loader: then Wine starts through the 64-bit one and the i686 runs skip.
wine32_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
if [ -x /usr/lib/wine/wine ] && ! wine32_runs; then
  mkdir -p "$wine_state/bin" && ln -sf wine "$wine_state/bin/wine-stable"
  printf '#!/bin/sh\nWINELOADER=/usr/lib/wine/wine64 exec /usr/lib/wine/wine64 "$@"\n' >"$wine_state/bin/wine"
  chmod +x "$wine_state/bin/wine" && export PATH="$wine_state/bin:$PATH"
fi

# What the installed Wine is: a prefix made by another Wine (in particular one
# made before the 32-bit loader was installed) fails to start programs, so a
# prefix is remade when this changes.
wine_fingerprint() {
  { wine --version; wine32_runs || echo no-i386; dpkg-query -W -f='${Package}:${Architecture}=${Version}\n' 'wine32*' 'wine64*' 'libwine*' 2>/dev/null | sort; } | tr '\n' ' '
}
