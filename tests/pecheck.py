#!/usr/bin/env python3
"""Reads the PE headers of the release napkey.exe itself instead of a dump's text.

Windows 95 and NT 4.0 refuse a program that asks for a later Windows, so the
OS and subsystem versions must be 4.0. A manifest resource (RT_MANIFEST, type
24) would make a later Windows start the program without the file
virtualization that keeps napkey.ini writable for a standard user.

    pecheck.py napkey.exe

Prints one line per problem and exits 1 when there is one.
"""
import struct
import sys

RT_MANIFEST = 24
RESOURCE_DIRECTORY = 2  # index in the optional header's data directories


def problems(data):
    if data[:2] != b"MZ":
        return ["no MZ header"]
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        return ["no PE signature"]
    section_count, = struct.unpack_from("<H", data, pe + 6)
    optional_size, = struct.unpack_from("<H", data, pe + 20)
    optional = pe + 24
    magic, = struct.unpack_from("<H", data, optional)
    found = []

    os_version = struct.unpack_from("<HH", data, optional + 40)
    subsystem_version = struct.unpack_from("<HH", data, optional + 48)
    for name, version in (("OS", os_version), ("subsystem", subsystem_version)):
        if version != (4, 0):
            found.append("%s version %d.%d, not 4.0" % (name, version[0], version[1]))

    directories = optional + (96 if magic == 0x10B else 112)
    rva, size = struct.unpack_from("<II", data, directories + 8 * RESOURCE_DIRECTORY)
    if rva and size:
        root = file_offset(data, optional + optional_size, section_count, rva)
        if root is None:
            return found + ["resource directory outside every section"]
        named, numbered = struct.unpack_from("<HH", data, root + 12)
        for entry in range(named, named + numbered):
            type_id, = struct.unpack_from("<I", data, root + 16 + 8 * entry)
            if type_id == RT_MANIFEST:
                found.append("a manifest resource (type 24)")
    return found


def file_offset(data, sections, count, rva):
    for index in range(count):
        virtual_size, address, raw_size, raw_offset = struct.unpack_from("<IIII", data, sections + 40 * index + 8)
        if address <= rva < address + max(virtual_size, raw_size):
            return raw_offset + rva - address
    return None


def main():
    path = sys.argv[1]
    with open(path, "rb") as exe:
        data = exe.read()
    try:
        found = problems(data)
    except struct.error:
        found = ["headers cut short"]
    for problem in found:
        print("pecheck: %s: %s" % (path, problem))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
