"""Prints the version record and icons of a Windows program, one `key: value` a line."""

import sys

import pefile

pe = pefile.PE(sys.argv[1])
fixed = pe.VS_FIXEDFILEINFO[0]


def dotted(high, low):
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"


print(f"fixed FileVersion: {dotted(fixed.FileVersionMS, fixed.FileVersionLS)}")
print(f"fixed ProductVersion: {dotted(fixed.ProductVersionMS, fixed.ProductVersionLS)}")
for info in pe.FileInfo[0]:
    for table in getattr(info, "StringTable", []):
        for key, value in table.entries.items():
            print(f"{key.decode()}: {value.decode()}")
icons = [entry for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries
         if entry.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]]
print(f"icon groups: {len(icons)}")
