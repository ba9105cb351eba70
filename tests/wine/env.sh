# Sourced by the Wine scripts: the private prefix and display of one state
# folder (first argument of the caller), never the user's own ~/.wine.
wine_state="${1:?state folder}"
export WINEPREFIX="$wine_state/prefix"
export WINEDEBUG="${WINEDEBUG:--all,err+module}"
# No Mono/Gecko installers, nothing written into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
[ -f "$wine_state/display" ] && export DISPLAY=":$(cat "$wine_state/display")"

# What the installed Wine is: a prefix made by another Wine (in particular one
# made before the 32-bit loader was installed) fails to start programs, so a
# prefix is remade when this changes.
wine_fingerprint() {
  { wine --version; dpkg-query -W -f='${Package}:${Architecture}=${Version}\n' 'wine32*' 'wine64*' 'libwine*' 2>/dev/null | sort; } | tr '\n' ' '
}
