#!/usr/bin/env python3
"""Writes a small seed corpus for ArchiveFuzzer into the folder given: archive images with
typical entries (empty, size 0, empty name, duplicate names, a path name), each as a zlib
stream (first byte 0) and as a raw image (first byte 1)."""
import os
import struct
import sys
import zlib


def entry(name, time, data):
    raw = name.encode("cp1252")
    return bytes([len(raw)]) + raw + struct.pack("<di", time, len(data)) + data


IMAGES = {
    "empty": b"",
    "one": entry("License.txt", 44237.498726851854, b"licence text\r\n"),
    "zero_middle": entry("a", 41370.91891203704, b"x" * 40) + entry("userdicru.tlx", 41368.91993055555, b"")
    + entry("b", 41368.91993055555, bytes(range(256))),
    "zero_last": entry("a", 41370.0, b"abc") + entry("", 41370.0, b""),
    "duplicates": entry("Logo.bmp", 42477.84738425926, b"BM" + b"\0" * 60) + entry("logo.BMP", 43567.15104166667, b"BM"),
    "path": entry("Sub\\Folder\\Russian.asc", 41371.0, b"[General]\r\nLanguage=1049"),
}


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, image in IMAGES.items():
        with open(os.path.join(out, name + ".z"), "wb") as f:
            f.write(b"\0" + zlib.compress(image, 9))
        with open(os.path.join(out, name + ".raw"), "wb") as f:
            f.write(b"\1" + image)


if __name__ == "__main__":
    main()
