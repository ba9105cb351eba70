#!/usr/bin/env bash
# Checks the release napkey.exe: it imports only system DLLs and only the
# functions listed as present on Windows 95 and NT 4.0; its headers ask for
# Windows 4.0, which those two refuse to run otherwise; and it carries no
# manifest (RT_MANIFEST, type 24), with which a later Windows would start it
# without the file virtualization that keeps napkey.ini writable for a
# standard user.
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

headers=$("$objdump" -p "$exe")
for part in OSystem:OS Subsystem:subsystem; do
  version=$(awk -v v="${part%:*}Version" '$1 == "Major" v { major = $2 } $1 == "Minor" v { minor = $2 }
                                          END { print major "." minor }' <<<"$headers")
  [ "$version" = 4.0 ] || { echo "check-release: ${part#*:} version $version, not 4.0"; fail=1; }
done
# Types are the resource directory's first level: three blanks in.
if grep -qE '^[0-9a-f]+   Entry: ID: 0x000018,' <<<"$headers"; then
  echo "check-release: a manifest resource (type 24)"
  fail=1
fi

echo "check-release: $(wc -l <<<"$imports") imports checked, $(stat -c %s "$exe") bytes"
exit $fail
