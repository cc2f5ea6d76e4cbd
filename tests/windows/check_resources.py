#!/usr/bin/env python3
"""Reads the version resource and the icon group back from a built .exe.

    check_resources.py PROGRAM.exe VERSION

VERSION is the release (major.minor.patch): the fixed fields must read
major.minor.patch.0, the version strings "major.0minor" ("1.02" for 1.2).
Prints each failed check and exits 1 if there is any.
"""
import struct
import sys

import pefile

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16


def resources(pe, kind):
    """{name id: (language, bytes)} of one resource type."""
    found = {}
    directory = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for entry in directory.entries if directory else []:
        if entry.id != kind:
            continue
        for name in entry.directory.entries:
            for language in name.directory.entries:
                data = language.data.struct
                found[name.id] = (language.id, pe.get_data(data.OffsetToData, data.Size))
    return found


def check_version(pe, version, fail):
    major, minor, patch = (int(n) for n in version.split("."))
    text = f"{major}.{minor:02d}"
    if list(resources(pe, RT_VERSION)) != [1] or not hasattr(pe, "VS_FIXEDFILEINFO"):
        fail("the version resources are not exactly one, numbered 1")
        return
    fixed = pe.VS_FIXEDFILEINFO[0]
    fields = {
        "file version": ((fixed.FileVersionMS, fixed.FileVersionLS), (major << 16 | minor, patch << 16)),
        "product version": ((fixed.ProductVersionMS, fixed.ProductVersionLS), (major << 16 | minor, patch << 16)),
        "file flags": (fixed.FileFlags & fixed.FileFlagsMask, 0),
        "file OS": (fixed.FileOS, 4),
        "file type": (fixed.FileType, 1),
        "file subtype": (fixed.FileSubtype, 0),
    }
    for name, (got, expected) in fields.items():
        if got != expected:
            fail(f"{name}: {got!r}, expected {expected!r}")

    tables, translations = [], []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            tables += info.StringTable
        elif info.Key == b"VarFileInfo":
            translations += [var.entry for var in info.Var]
    if [t.LangID for t in tables] != [b"040904B0"]:
        fail(f"string blocks: {[t.LangID for t in tables]}, expected [b'040904B0']")
    expected = {
        b"ProductName": b"MRVDate",
        b"FileVersion": text.encode(),
        b"ProductVersion": text.encode(),
        b"InternalName": b"MRVDate",
        b"OriginalFilename": b"MRVDate.exe",
    }
    for table in tables:
        if table.entries != expected:
            fail(f"strings: {table.entries}, expected {expected}")
    if translations != [{b"Translation": "0x0409 0x04b0"}]:
        fail(f"translations: {translations}, expected 0x0409 with code page 1200")


def check_icons(pe, fail):
    groups = resources(pe, RT_GROUP_ICON)
    if list(groups) != [1]:
        fail(f"icon groups: {list(groups)}, expected [1]")
        return
    images = resources(pe, RT_ICON)
    data = groups[1][1]
    reserved, kind, count = struct.unpack_from("<HHH", data)
    if (reserved, kind, count) != (0, 1, 2):
        fail(f"icon group header: {(reserved, kind, count)}, expected two icons")
        return
    # Per image: width, height, planes, bits per pixel, bytes, resource id.
    expected = [(16, 16, 1, 24, 872, 30001), (32, 32, 1, 24, 3240, 30002)]
    for i, want in enumerate(expected):
        w, h, _, _, planes, bits, size, ident = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i)
        got = (w, h, planes, bits, size, ident)
        if got != want:
            fail(f"icon {i}: {got}, expected {want}")
            continue
        image = images.get(ident, (0, b""))[1]
        # A BITMAPINFOHEADER of twice the height: the colour rows, then the
        # 1-bit mask's.
        header = struct.unpack_from("<IiiHH", image) if len(image) >= 16 else None
        if len(image) != size or header != (40, w, 2 * h, 1, 24):
            fail(f"icon image {ident}: {len(image)} bytes, header {header}")
    if sorted(images) != [30001, 30002]:
        fail(f"icon images: {sorted(images)}, expected [30001, 30002]")


def main():
    program, version = sys.argv[1], sys.argv[2]
    pe = pefile.PE(program, fast_load=False)
    failures = []
    check_version(pe, version, failures.append)
    check_icons(pe, failures.append)
    for failure in failures:
        print(f"{program}: {failure}", file=sys.stderr)
    if not failures:
        print(f"resources: {program} holds the version {version} resource and icon group 1 as designed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
