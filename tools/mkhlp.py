#!/usr/bin/env python3
"""Writes napkey.hlp, a Windows Help 3.1 file, from the plain-text topic source.

    mkhlp.py SOURCE OUTPUT

The file is written uncompressed (no phrase table, no LZ77), which every
Windows Help viewer since 3.1 reads. Every topic starts a new 4 KB topic
block, so a topic's offset is simply its block number shifted by 15 and needs
no character counting; the few kilobytes of padding cost nothing.

Source format (see docs/help/napkey-help.txt): "@topic ID Title" starts a
topic; a numeric ID is the context number the program asks for, a word is a
topic reached only by links. Blank lines separate paragraphs, "- " starts a
list item, and "[id]" at the start of a list item makes the item a link.
"""
import struct
import sys
import os

BLOCK = 0x1000               # topic block on disk: 12-byte header + data
BLOCK_DATA = BLOCK - 12
LINK_HEADER = 21             # fixed part of every topic link record
NONE = 0xFFFFFFFF

FONT_BODY, FONT_TITLE = 0, 1
BULLET = "\u2022"            # a bullet, 0x95 in the ANSI code page


class HelpError(Exception):
    pass


# --- the source ------------------------------------------------------------

class Topic:
    def __init__(self, ident, title, line):
        self.ident, self.title, self.line = ident, title, line
        self.blocks = []         # ("para", text) | ("item", text, target or None)

    @property
    def context_number(self):
        return int(self.ident) if self.ident.isdigit() else None

    @property
    def context_name(self):
        return "ctx_" + self.ident if self.ident.isdigit() else self.ident


def parse(text):
    topics, topic, para = [], None, []

    def flush():
        if para and topic is not None:
            topic.blocks.append(("para", " ".join(para)))
        para.clear()

    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.strip()
        if line.startswith("#"):
            continue
        if line.startswith("@topic"):
            flush()
            parts = line.split(None, 2)
            if len(parts) < 3:
                raise HelpError("line %d: '@topic ID Title' expected" % number)
            topic = Topic(parts[1], parts[2], number)
            topics.append(topic)
        elif not line:
            flush()
        elif topic is None:
            raise HelpError("line %d: text before the first @topic" % number)
        elif line.startswith("- "):
            flush()
            item, target = line[2:].strip(), None
            if item.startswith("["):
                close = item.find("]")
                if close < 0:
                    raise HelpError("line %d: unclosed [link]" % number)
                target, item = item[1:close], item[close + 1:].strip()
            topic.blocks.append(("item", item, target))
        else:
            para.append(line)
    flush()
    check(topics)
    return topics


def check(topics):
    if not topics:
        raise HelpError("no topics")
    seen, hashes = {}, {}
    for t in topics:
        if t.ident in seen:
            raise HelpError("line %d: topic %s defined twice" % (t.line, t.ident))
        seen[t.ident] = t
        if not t.blocks:
            raise HelpError("line %d: topic %s has no text" % (t.line, t.ident))
        h = context_hash(t.context_name)
        if h == 0 or h in hashes:
            raise HelpError("line %d: context name %s hashes badly" % (t.line, t.ident))
        hashes[h] = t
    for t in topics:
        for b in t.blocks:
            if b[0] == "item" and b[2] is not None and b[2] not in seen:
                raise HelpError("topic %s links to unknown topic %s" % (t.ident, b[2]))


def context_hash(name):
    """The help system's hash of a context string (signed 32 bits)."""
    value = 0
    for c in name:
        if "A" <= c <= "Z":
            x = ord(c) - ord("A") + 17
        elif "a" <= c <= "z":
            x = ord(c) - ord("a") + 17
        elif "1" <= c <= "9":
            x = ord(c) - ord("0")
        else:
            x = {"0": 10, ".": 12, "_": 13}.get(c, 0)
        if x:
            value = (value * 43 + x) & 0xFFFFFFFF
    return value - (1 << 32) if value & 0x80000000 else value


# --- compressed numbers of the paragraph format ------------------------------

def clong(v):           # signed; only non-negative values are written here
    if 0 <= v < 0x4000:
        return struct.pack("<H", v * 2 + 0x8000)
    return struct.pack("<I", v * 2 + 0x80000001)


def cushort(v):
    return bytes([v * 2]) if v < 0x80 else struct.pack("<H", v * 2 + 1)


def cshort(v):
    if -64 <= v < 64:
        return bytes([v * 2 + 0x80])
    if v < 0:
        raise HelpError("negative spacing beyond one byte")
    return struct.pack("<H", v * 2 + 0x8001)


# --- records -----------------------------------------------------------------

PARA_SPACE = 6          # half points before a paragraph
ITEM_INDENT = 36        # list items hang from here; the bullet sits half way
TOPIC_HEADER_SIZE = 28


def paragraph(runs, space_before=PARA_SPACE, item=False):
    """A display record (type 0x20). runs: list of (text, command bytes)."""
    bits, fields = 0, b""
    if space_before:
        bits |= 0x0002
        fields += cshort(space_before)
    if item:
        bits |= 0x0010 | 0x0040 | 0x0200
        fields += cshort(ITEM_INDENT) + cshort(-ITEM_INDENT // 2)
        fields += cshort(1) + cushort(ITEM_INDENT)
    strings, commands, length = b"", b"", 0
    for text, command in runs:
        encoded = text.encode("cp1252")
        strings += encoded + b"\0"
        commands += command
        length += len(encoded) + (1 if command[:1] in (b"\x81", b"\x82", b"\x83") else 0)
    strings += b"\0"
    data1 = (clong(len(strings)) + cushort(length) + b"\x00\x80\x00\x00" +
             struct.pack("<H", bits) + fields + commands + b"\xff")
    return 0x20, data1, strings


def font(n):
    return b"\x80" + struct.pack("<H", n)


def jump(name):
    return b"\xe3" + struct.pack("<i", context_hash(name))


END_PARA, TAB, END_HOTSPOT = b"\x82", b"\x83", b"\x89"


def topic_records(topic, by_ident):
    records = [paragraph([("", font(FONT_TITLE)), (topic.title, END_PARA)], space_before=0)]
    for block in topic.blocks:
        if block[0] == "para":
            records.append(paragraph([("", font(FONT_BODY)), (block[1], END_PARA)]))
        elif block[2] is None:
            records.append(paragraph([("", font(FONT_BODY)), (BULLET, TAB),
                                      (block[1], END_PARA)], item=True))
        else:
            target = by_ident[block[2]].context_name
            records.append(paragraph([("", font(FONT_BODY)), (BULLET, TAB),
                                      ("", jump(target)), (block[1], END_HOTSPOT),
                                      ("", END_PARA)], item=True))
    return records


def block_of(pos):
    """The topic block a topic position lies in (positions count its header)."""
    return (pos - 12) >> 14


def build_topic_file(topics):
    """Lays out the topic links in 4 KB blocks. Returns the |TOPIC bytes and
    each topic's offset (what the context tables point at)."""
    by_ident = {t.ident: t for t in topics}
    placed = []              # [pos, type, data1, data2, topic index, is header]
    block, used = -1, BLOCK_DATA
    for index, topic in enumerate(topics):
        block, used = block + 1, 0          # every topic opens a block
        records = [(0x02, b"\0" * TOPIC_HEADER_SIZE, topic.title.encode("cp1252"))]
        records += topic_records(topic, by_ident)
        for rtype, data1, data2 in records:
            size = LINK_HEADER + len(data1) + len(data2)
            if size > BLOCK_DATA:
                raise HelpError("topic %s: a paragraph is too long" % topic.ident)
            if used + size > BLOCK_DATA:
                block, used = block + 1, 0
            placed.append([(block << 14) + 12 + used, rtype, data1, data2, index])
            used += size
    blocks = block + 1

    offsets = {}
    header_pos = {}
    first_para = {}
    for rec in placed:
        pos, rtype, _, _, index = rec
        if rtype == 0x02:
            offsets[index] = block_of(pos) << 15
            header_pos[index] = pos
        elif index not in first_para:
            first_para[index] = pos

    topic_size = {}
    for rec in placed:
        topic_size[rec[4]] = topic_size.get(rec[4], 0) + LINK_HEADER + len(rec[2]) + len(rec[3])

    out = bytearray(blocks * BLOCK)
    for i, rec in enumerate(placed):
        pos, rtype, data1, data2, index = rec
        if rtype == 0x02:
            last = len(topics) - 1
            data1 = struct.pack("<IIIIIII",
                                topic_size[index],
                                offsets[index - 1] if index > 0 else NONE,
                                offsets[index + 1] if index < last else NONE,
                                index,
                                NONE,
                                first_para.get(index, NONE),
                                header_pos[index + 1] if index < last else NONE)
        prev = placed[i - 1][0] if i > 0 else NONE
        nxt = placed[i + 1][0] if i + 1 < len(placed) else NONE
        link = struct.pack("<IIIIIB", LINK_HEADER + len(data1) + len(data2), len(data2),
                           prev, nxt, LINK_HEADER + len(data1), rtype) + data1 + data2
        at = block_of(pos) * BLOCK + 12 + ((pos - 12) & 0x3FFF)
        out[at:at + len(link)] = link

    for b in range(blocks):
        first = next(r[0] for r in placed if block_of(r[0]) == b)
        before = [r for r in placed if block_of(r[0]) < b]
        last_link = before[-1][0] if before else NONE
        headers = [r for r in before if r[1] == 0x02]
        last_header = headers[-1][0] if headers else NONE
        out[b * BLOCK:b * BLOCK + 12] = struct.pack("<III", last_link, first, last_header)
    return bytes(out), [offsets[i] for i in range(len(topics))]


# --- B+ trees and the internal files ----------------------------------------

def btree(entries, structure, page_size, directory=False):
    """A one-page B+ tree of already sorted, already encoded leaf entries."""
    body = b"".join(entries)
    if 8 + len(body) > page_size:
        raise HelpError("B+ tree page overflow (%s)" % structure)
    page = struct.pack("<HhhH", page_size - 8 - len(body), len(entries), -1, 0xFFFF) + body
    page += b"\0" * (page_size - len(page))
    header = struct.pack("<HHH16sHHHhHHI", 0x293B, 0x0402 if directory else 0x0002,
                         page_size, structure.encode(), 0, 0, 0, -1, 1, 1, len(entries))
    return header + page


def system_file(title, contents_offset):
    date = int(os.environ.get("SOURCE_DATE_EPOCH", "0"))
    data = struct.pack("<HHHIH", 0x036C, 21, 1, date, 0)
    for rtype, payload in ((1, title.encode("cp1252") + b"\0"),
                           (3, struct.pack("<I", contents_offset))):
        data += struct.pack("<HH", rtype, len(payload)) + payload
    return data


def font_file():
    faces = [b"Arial"]
    descriptors = [
        # attributes, half points, family (swiss), face, colour, background
        struct.pack("<BBBH3s3s", 0, 20, 3, 0, b"\0\0\0", b"\xff\xff\xff"),
        struct.pack("<BBBH3s3s", 1, 28, 3, 0, b"\0\0\0", b"\xff\xff\xff"),
    ]
    names = b"".join(f.ljust(20, b"\0") for f in faces)
    return struct.pack("<HHHH", len(faces), len(descriptors), 8, 8 + len(names)) + \
        names + b"".join(descriptors)


def write_help(topics, path):
    topic_data, offsets = build_topic_file(topics)
    contents = next((i for i, t in enumerate(topics) if t.ident == "contents"), 0)

    context = sorted((context_hash(t.context_name), offsets[i]) for i, t in enumerate(topics))
    ctxomap = [(t.context_number, offsets[i]) for i, t in enumerate(topics)
               if t.context_number is not None]
    titles = [struct.pack("<I", offsets[i]) + t.title.encode("cp1252") + b"\0"
              for i, t in enumerate(topics)]

    files = {
        "|SYSTEM": system_file(topics[contents].title, offsets[contents]),
        "|TOPIC": topic_data,
        "|CONTEXT": btree([struct.pack("<iI", h, o) for h, o in context], "L4", 0x800),
        "|CTXOMAP": struct.pack("<H", len(ctxomap)) +
                    b"".join(struct.pack("<iI", n, o) for n, o in ctxomap),
        "|FONT": font_file(),
        "|TTLBTREE": btree(titles, "Lz", 0x800),
    }

    image, where = bytearray(16), {}
    for name in sorted(files):
        where[name] = len(image)
        data = files[name]
        image += struct.pack("<IIB", len(data) + 9, len(data), 4) + data
    directory = btree([name.encode() + b"\0" + struct.pack("<I", where[name])
                       for name in sorted(files)], "z4", 0x400, directory=True)
    directory_at = len(image)
    image += struct.pack("<IIB", len(directory) + 9, len(directory), 4) + directory
    image[0:16] = struct.pack("<IiiI", 0x00035F3F, directory_at, -1, len(image))

    with open(path + ".tmp", "wb") as f:
        f.write(image)
    os.replace(path + ".tmp", path)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: mkhlp.py SOURCE OUTPUT\n")
        return 2
    try:
        with open(argv[1], encoding="ascii") as f:
            topics = parse(f.read())
        write_help(topics, argv[2])
    except (HelpError, OSError, UnicodeError) as e:
        sys.stderr.write("mkhlp: %s: %s\n" % (argv[1], e))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
