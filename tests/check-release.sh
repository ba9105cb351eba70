#!/usr/bin/env bash
# Checks the release napkey.exe: it imports only system DLLs and only the
# functions listed as present on Windows 95 and NT 4.0; its headers ask for
# Windows 4.0 and it carries no manifest (pecheck.py says why).
#   check-release.sh napkey.exe allowed-imports.txt
set -u
exe="${1:?exe}"
allowed="${2:?list}"
objdump=i686-w64-mingw32-objdump
fail=0

[ -f "$exe" ] || { echo "check-release: $exe missing"; exit 1; }
"$objdump" -f "$exe" | grep -q 'file format pei-i386' || { echo "check-release: $exe is not an i686 PE"; exit 1; }

imports=$("$objdump" -p "$exe" | awk '
  /DLL Name:/ { dll = toupper($3); next }
  dll != "" && /^\t[0-9a-f]+\t *[0-9]+ +[A-Za-z_]/ { print dll ":" $NF }
  /^$/ { dll = "" }' | sort -u)
if [ -z "$imports" ]; then echo "check-release: no imports read from $exe"; exit 1; fi

while IFS= read -r entry; do
  if ! grep -qxF "$entry" <(grep -v '^#' "$allowed"); then
    echo "check-release: import not known to exist on Windows 95 / NT 4.0: $entry"
    fail=1
  fi
done <<<"$imports"

python3 "$(dirname "$0")/pecheck.py" "$exe" || fail=1

echo "check-release: $(wc -l <<<"$imports") imports checked, $(stat -c %s "$exe") bytes"
exit $fail
