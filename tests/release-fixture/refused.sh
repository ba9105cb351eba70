#!/bin/sh
# Passes when the release check refuses an exe and says why; a refusal for
# another reason (a missing file, a bad import) does not count.
#   refused.sh REASON check-release.sh EXE ALLOWED-LIST
reason=$1
shift
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
[ "$status" -ne 0 ] || { echo "refused: the check passed the exe"; exit 1; }
printf '%s\n' "$output" | grep -qF -- "$reason" || { echo "refused: not for \"$reason\""; exit 1; }
