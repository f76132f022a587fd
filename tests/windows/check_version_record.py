#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The built Windows executable's resources: its version record and its icon.

Reads the resources out of the .exe with icoutils (wrestool, icotool) and checks: every resource
tagged Italian (0x0410); one version record with file and product version 1.0.0.0, the version
strings "1.00", the four name strings, Italian with code page 1200 in its translation and its
string block; one icon group of exactly two 16-colour images, 32x32 and 16x16, the same picture as
the windows' icon drawing (compared with ImageMagick after flattening both on white).

Usage: check_version_record.py PROGRAM.exe ICON.svg
Prints what it read, then "N passed, N failed"; exits 1 on any failure.
"""
import re
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

ITALIAN = 0x0410
UNICODE_CODE_PAGE = 1200
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
EXPECTED_STRINGS = {
    "CompanyName": "Quadripolo",
    "ProductName": "Quadripolo",
    "InternalName": "quadripolo",
    "OriginalFilename": "quadripolo.exe",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
}
# Root-mean-square difference of two renderings on white, as a fraction of full scale: the same
# drawing in 16 colours stays below 0.13, a copy moved by 3 pixels or a blank square is above 0.3.
SAME_PICTURE_RMSE = 0.15

results = {"passed": 0, "failed": 0}


def check(condition, what):
    results["passed" if condition else "failed"] += 1
    print(("ok    " if condition else "FAIL  ") + what)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def resource_list(program):
    """(type, name, language) of every resource, from `wrestool -l`."""
    listing = run("wrestool", "-l", program).decode()
    print(listing, end="")
    entries = []
    for line in listing.splitlines():
        fields = dict(re.findall(r"--(type|name|language)=(\S+)", line))
        kind = fields["type"]
        kind = int(kind) if kind.isdigit() else kind
        entries.append((kind, fields["name"], int(fields["language"])))
    return entries


def version_blocks(data, offset=0, end=None):
    """The nested blocks of a VS_VERSIONINFO: (key, value type, value bytes, children)."""
    end = len(data) if end is None else end
    blocks = []
    while offset + 6 <= end:
        length, value_length, value_type = struct.unpack_from("<HHH", data, offset)
        if length == 0:
            break
        key_end = offset + 6
        while data[key_end : key_end + 2] != b"\0\0":
            key_end += 2
        key = data[offset + 6 : key_end].decode("utf-16-le")
        value_start = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if value_type == 1 else value_length
        value = data[value_start : value_start + value_size]
        children_start = (value_start + value_size + 3) & ~3
        children = version_blocks(data, children_start, offset + length)
        blocks.append((key, value_type, value, children))
        offset = (offset + length + 3) & ~3
    return blocks


def check_version_record(program):
    data = run("wrestool", "-x", "--raw", f"--type={RT_VERSION}", program)
    (root,) = version_blocks(data)
    key, _, fixed, children = root
    check(key == "VS_VERSION_INFO", f"version record key {key!r}")
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    check(signature == 0xFEEF04BD, f"fixed file information signature {signature:#x}")

    def dotted(ms, ls):
        return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"

    print(f"FILEVERSION {dotted(file_ms, file_ls)}  PRODUCTVERSION {dotted(product_ms, product_ls)}")
    check(dotted(file_ms, file_ls) == "1.0.0.0", "file version 1.0.0.0")
    check(dotted(product_ms, product_ls) == "1.0.0.0", "product version 1.0.0.0")

    by_key = {child[0]: child for child in children}
    (table,) = by_key["StringFileInfo"][3]
    expected_table = f"{ITALIAN:04X}{UNICODE_CODE_PAGE:04X}"
    check(table[0].upper() == expected_table, f"string block {table[0]} ({expected_table})")
    strings = {name: value.decode("utf-16-le").rstrip("\0") for name, _, value, _ in table[3]}
    for name, text in strings.items():
        print(f'  {name} = "{text}"')
    for name, text in EXPECTED_STRINGS.items():
        check(strings.get(name) == text, f'{name} is "{text}"')

    (translation,) = by_key["VarFileInfo"][3]
    pairs = struct.unpack(f"<{len(translation[2]) // 2}H", translation[2])
    print(f"  {translation[0]} = " + ", ".join(f"{value:#06x}" for value in pairs))
    check(pairs == (ITALIAN, UNICODE_CODE_PAGE), "translation Italian, code page 1200")


def check_icon(program, icon_svg, folder):
    run("wrestool", "-x", f"--type={RT_GROUP_ICON}", "-o", str(folder), program)
    (group,) = list(folder.glob("*.ico"))
    listing = run("icotool", "-l", str(group)).decode()
    print(listing, end="")
    images = re.findall(r"--width=(\d+) --height=(\d+) --bit-depth=(\d+) --palette-size=(\d+)",
                        listing)
    check(sorted(images) == sorted([("32", "32", "4", "16"), ("16", "16", "4", "16")]),
          "icon group of two 16-colour images, 32x32 and 16x16")
    run("icotool", "-x", "-o", str(folder), str(group))
    for size in (32, 16):
        (image,) = list(folder.glob(f"*_{size}x{size}x4.png"))
        drawing = folder / f"drawing{size}.png"
        run("rsvg-convert", f"--width={size}", f"--height={size}", "-o", str(drawing), icon_svg)
        flat = []
        for picture in (image, drawing):
            flat.append(folder / f"flat_{picture.name}")
            run("convert", str(picture), "-background", "white", "-alpha", "remove", "-alpha",
                "off", str(flat[-1]))
        compared = subprocess.run(["compare", "-metric", "RMSE", str(flat[0]), str(flat[1]),
                                   "null:"], capture_output=True, text=True)
        difference = float(re.search(r"\(([0-9.e-]+)\)", compared.stderr).group(1))
        check(difference < SAME_PICTURE_RMSE,
              f"{size}x{size} image is the icon drawing (RMSE {difference:.3f})")


def main():
    program, icon_svg = sys.argv[1], sys.argv[2]
    entries = resource_list(program)
    kinds = [kind for kind, _, _ in entries]
    check(all(language == ITALIAN for _, _, language in entries), "every resource tagged 1040")
    check(kinds.count(RT_VERSION) == 1, "one version record")
    check(kinds.count(RT_GROUP_ICON) == 1, "one icon group")
    check(kinds.count(RT_ICON) == 2, "two icon images")
    check_version_record(program)
    with tempfile.TemporaryDirectory() as folder:
        check_icon(program, icon_svg, Path(folder))
    print(f"{results['passed']} passed, {results['failed']} failed")
    return 1 if results["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
