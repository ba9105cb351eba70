#!/usr/bin/env python3
"""Packs the release: napkey-VERSION.zip with one folder a user copies whole.

    mkdist.py OUTPUT.zip VERSION napkey.exe napkey.hlp readme.txt LICENSE

The texts get CR LF line ends, so that Notepad on Windows 95 shows them, and
every entry the same date, so that the same sources give the same zip.
"""
import os
import sys
import zipfile

STAMP = (2026, 1, 1, 0, 0, 0)


def main(argv):
    if len(argv) != 7:
        sys.stderr.write(__doc__)
        return 2
    out, version, exe, hlp, readme, licence = argv[1:]
    folder = "napkey-%s/" % version
    entries = [("napkey.exe", exe, False), ("napkey.hlp", hlp, False),
               ("README.TXT", readme, True), ("LICENSE.TXT", licence, True)]
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    with zipfile.ZipFile(out + ".tmp", "w", zipfile.ZIP_DEFLATED) as z:
        for name, path, text in entries:
            with open(path, "rb") as f:
                data = f.read()
            if text:
                data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
            info = zipfile.ZipInfo(folder + name, STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            z.writestr(info, data)
    os.replace(out + ".tmp", out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
