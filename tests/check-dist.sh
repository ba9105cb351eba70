#!/usr/bin/env bash
# Checks the release package: exactly the program, its help file, the read-me
# and the licence in one folder; the program passes the release check and the
# help file is a Windows Help file.
#   check-dist.sh napkey-VERSION.zip allowed-imports.txt
set -u
zip="${1:?zip}"
allowed="${2:?list}"
[ -f "$zip" ] || { echo "check-dist: $zip missing"; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
folder="$(basename "$zip" .zip)"

python3 - "$zip" "$work" "$folder" <<'PY' || exit 1
import sys, zipfile
zip_path, work, folder = sys.argv[1:]
want = sorted(folder + "/" + n for n in ("napkey.exe", "napkey.hlp", "README.TXT", "LICENSE.TXT"))
with zipfile.ZipFile(zip_path) as z:
    names = sorted(z.namelist())
    if names != want:
        sys.exit("check-dist: the package holds %s, not %s" % (names, want))
    if z.testzip() is not None:
        sys.exit("check-dist: a damaged entry")
    z.extractall(work)
base = work + "/" + folder + "/"
if open(base + "napkey.hlp", "rb").read(4) != b"\x3f\x5f\x03\x00":
    sys.exit("check-dist: napkey.hlp is not a Windows Help file")
for text in ("README.TXT", "LICENSE.TXT"):
    data = open(base + text, "rb").read()
    if not data or data.count(b"\n") != data.count(b"\r\n"):
        sys.exit("check-dist: %s lacks CR LF line ends" % text)
PY
exec "$(dirname "$0")/check-release.sh" "$work/$folder/napkey.exe" "$allowed"
