#!/usr/bin/env python3
"""Packs files into a zip the same way on every machine: in the order given, each stored with
the time given, a mode by kind alone (executable or not) and nothing of the packer's user, clock,
time zone or umask. The files themselves get that time too, so that what packs them next (the
installer's cabinet) takes the same.

Usage: pack_zip.py [--folder NAME] ZIP EPOCH FILE...   (EPOCH: seconds since 1970, UTC; the
files in a folder NAME inside the zip, or at its top)
"""
import argparse
import os
import time
import zipfile


def pack(zip_path, epoch, files, folder=""):
    stamp = time.gmtime(epoch)[:6]
    with zipfile.ZipFile(zip_path, "w") as archive:
        for path in files:
            os.utime(path, (epoch, epoch))
            entry = zipfile.ZipInfo(os.path.join(folder, os.path.basename(path)), date_time=stamp)
            entry.create_system = 3  # Unix, so that the mode below is read
            mode = 0o755 if path.endswith(".exe") else 0o644
            entry.external_attr = (0o100000 | mode) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                archive.writestr(entry, source.read())


if __name__ == "__main__":
    parser = argparse.ArgumentParser(usage=__doc__.strip().split("Usage: ")[1])
    parser.add_argument("--folder", default="")
    parser.add_argument("zip")
    parser.add_argument("epoch", type=int)
    parser.add_argument("files", nargs="+")
    arguments = parser.parse_args()
    pack(arguments.zip, arguments.epoch, arguments.files, arguments.folder)
