#!/usr/bin/env python3
"""Makes Gridwick's installer with wixl, the same bytes from the same inputs.

wixl draws a new product code and a new package code on every run, and stamps the summary
information with the clock. Here the product code is derived from the UpgradeCode and the
version, so that each version has its own and a newer one still replaces an older one. After
wixl, the summary information gets the release time for both of its times, and a package code
derived from the package's contents. Those fields keep their size, so they are rewritten in
place. The cabinet's file times are the files' own (pack_zip.py sets gridwick.exe's).
"""
import argparse
import hashlib
import struct
import subprocess
import uuid
import xml.etree.ElementTree as ElementTree

import olefile

SUMMARY = "\x05SummaryInformation"
PACKAGE_CODE, CREATED, LAST_SAVED = 9, 12, 13  # property ids (PIDSI_REVNUMBER, ..._DTM)
VT_LPSTR, VT_FILETIME = 30, 64
FILETIME_1970 = 116444736000000000  # 100 ns steps from 1601 to 1970


def upgrade_code(wxs):
    product = ElementTree.parse(wxs).getroot().find("{http://schemas.microsoft.com/wix/2006/wi}Product")
    return uuid.UUID(product.get("UpgradeCode"))


def braced(code):
    return "{" + str(code).upper() + "}"


def property_values(stream):
    """Each property of the stream's first section: its type and where its value starts."""
    (section,) = struct.unpack_from("<I", stream, 44)  # after the header and the first FMTID
    (count,) = struct.unpack_from("<I", stream, section + 4)
    found = {}
    for index in range(count):
        pid, offset = struct.unpack_from("<II", stream, section + 8 + 8 * index)
        (kind,) = struct.unpack_from("<H", stream, section + offset)
        found[pid] = (kind, section + offset + 4)
    return found


def ministream_pieces(ole, name):
    """Where in the file each mini sector of a stream held in the mini stream (as the summary
    is) lies, in the stream's order."""
    entry = ole.direntries[ole._find(name)]
    ole.openstream(name)  # loads the mini FAT
    root_sectors = []
    sector = ole.root.isectStart
    while sector not in (olefile.ENDOFCHAIN, olefile.FREESECT):
        root_sectors.append(sector)
        sector = ole.fat[sector]
    pieces = []
    mini = entry.isectStart
    while mini != olefile.ENDOFCHAIN:
        at = mini * ole.minisectorsize
        pieces.append((root_sectors[at // ole.sectorsize] + 1) * ole.sectorsize + at % ole.sectorsize)
        mini = ole.minifat[mini]
    return pieces


def rewrite_summary(msi, epoch, namespace):
    ole = olefile.OleFileIO(msi)
    stream = bytearray(ole.openstream(SUMMARY).read())
    pieces = ministream_pieces(ole, SUMMARY)
    piece_size = ole.minisectorsize
    ole.close()
    values = property_values(stream)

    def put(pid, kind, data):
        found_kind, at = values[pid]
        if found_kind != kind:
            raise SystemExit(f"make_msi.py: summary property {pid} has type {found_kind}, not {kind}")
        if kind == VT_LPSTR:
            (size,) = struct.unpack_from("<I", stream, at)
            data = data.encode("ascii") + b"\0"
            if size != len(data):
                raise SystemExit(f"make_msi.py: summary property {pid} holds {size} bytes, not {len(data)}")
            at += 4
        stream[at : at + len(data)] = data

    def write_back():
        with open(msi, "r+b") as package:
            for index, offset in enumerate(pieces):
                package.seek(offset)
                package.write(stream[index * piece_size : (index + 1) * piece_size])

    release = struct.pack("<Q", FILETIME_1970 + epoch * 10_000_000)
    put(CREATED, VT_FILETIME, release)
    put(LAST_SAVED, VT_FILETIME, release)
    put(PACKAGE_CODE, VT_LPSTR, braced(uuid.UUID(int=0)))
    write_back()
    with open(msi, "rb") as package:
        contents = hashlib.sha256(package.read()).hexdigest()
    put(PACKAGE_CODE, VT_LPSTR, braced(uuid.uuid5(namespace, contents)))
    write_back()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("wxs")
    for option in ("--wixl", "--version", "--exe", "--icon", "--output"):
        parser.add_argument(option, required=True)
    parser.add_argument("--epoch", type=int, required=True, help="the release time, seconds since 1970")
    arguments = parser.parse_args()
    upgrade = upgrade_code(arguments.wxs)
    product = uuid.uuid5(upgrade, arguments.version)
    subprocess.run([arguments.wixl, "-a", "x64", "-D", f"Version={arguments.version}",
                    "-D", f"ProductCode={braced(product)}", "-D", f"Exe={arguments.exe}",
                    "-D", f"Icon={arguments.icon}", "-o", arguments.output, arguments.wxs], check=True)
    rewrite_summary(arguments.output, arguments.epoch, upgrade)


if __name__ == "__main__":
    main()
