# Sourced by the Wine scripts: the private prefix and display of one state
# folder (first argument of the caller), never the user's own ~/.wine.
wine_state="${1:?state folder}"
export WINEPREFIX="$wine_state/prefix"
export WINEDEBUG="${WINEDEBUG:--all,err+module}"
# No Mono/Gecko installers, nothing written into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
[ -f "$wine_state/display" ] && export DISPLAY=":$(cat "$wine_state/display")"
