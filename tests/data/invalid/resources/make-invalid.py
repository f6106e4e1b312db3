#!/usr/bin/env python3
# Writes the damaged files of this folder (run it here). Each is a small non-ELF "program" with
# an overlay that is wrong in one way, or an ELF header whose section table is wrong.
import struct

PREFIX = b"#!/bin/sh\nexit 0\n"
EMPTY = struct.pack("<II", 0, 32) + b"\xff\xff\x00\x00\xff\xff\x00\x00" + bytes(16)

def record(type_id, name_units, data, data_size=None, header_size=None):
    head = b"\xff\xff" + struct.pack("<H", type_id) + name_units
    head += bytes((4 - (8 + len(head)) % 4) % 4)
    head += struct.pack("<IHHII", 0, 0x1030, 1033, 0, 0)
    hs = 8 + len(head) if header_size is None else header_size
    ds = len(data) if data_size is None else data_size
    return struct.pack("<II", ds, hs) + head + data + bytes((4 - len(data) % 4) % 4)

def name(text):
    return text.encode("utf-16-le") + b"\x00\x00"

def overlay(stream, length=None):
    return PREFIX + stream + b"QVRSRC01" + struct.pack("<Q", len(stream) if length is None else length)

good = EMPTY + record(10, name("HELLO"), b"hello")
files = {
    "trailer-outside.bin": overlay(good, 1 << 40),
    "trailer-length-max.bin": overlay(good, 0xFFFFFFFFFFFFFFFF),
    "trailer-only.bin": b"QVRSRC01" + struct.pack("<Q", 0),
    "truncated-overlay.bin": overlay(good[:-6]),
    "datasize-overflow.bin": overlay(EMPTY + record(10, name("HELLO"), b"hello", data_size=0xFFFFFFFF)),
    "headersize-overflow.bin": overlay(EMPTY + record(10, name("HELLO"), b"hello", header_size=0xFFFFFFFC)),
    "headersize-too-small.bin": overlay(EMPTY + record(10, name("HELLO"), b"hello", header_size=8)),
    # The name's terminator is missing and the header ends inside the name.
    "name-unterminated.bin": overlay(EMPTY + struct.pack("<II", 0, 32) + b"\xff\xff\x0a\x00" + "ABCDEFGHIJ".encode("utf-16-le")),
    "no-empty-record.bin": overlay(record(10, name("HELLO"), b"hello")),
}

def elf(shoff, shentsize=64, shnum=3, shstrndx=2):
    ident = b"\x7fELF" + bytes([2, 1, 1]) + bytes(9)
    return ident + struct.pack("<HHIQQQIHHHHHH", 3, 62, 1, 0, 0, shoff, 0, 64, 56, 0, shentsize, shnum, shstrndx)

files["elf-shoff-outside.bin"] = elf(1 << 40)
files["elf-shnum-huge.bin"] = elf(64, shnum=0xFFFE)
files["elf-shstrndx-outside.bin"] = elf(64, shnum=1, shstrndx=5) + bytes(64)

for file_name, content in files.items():
    with open(file_name, "wb") as f:
        f.write(content)
