#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# The Windows executable's resources, read out with icoutils: every resource Italian; a version
# record of the project's version (given as MAJOR.MINOR.PATCH, as the build's CMake cache has it:
# 1.2.3 is 1.2.3.0 and "1.02"), Italian with code page 1200, with its name strings; one icon group
# of two 16-colour images, 32x32 and 16x16, showing the windows' icon drawing.
#
# Usage: check_version_record.py PROGRAM.exe ICON.svg VERSION   (prints "N passed, N failed")
import re, struct, subprocess, sys, tempfile
from pathlib import Path

ITALIAN_UNICODE = (0x0410, 1200)
NAMES = {"CompanyName": "Quadripolo", "ProductName": "Quadripolo", "InternalName": "quadripolo",
         "OriginalFilename": "quadripolo.exe"}
ICONS = [("16", "16", "4", "16"), ("32", "32", "4", "16")]  # width, height, bits, palette
# RMSE of the images against the drawing, on white: a 16-colour copy stays below 0.13, a copy moved
# by 3 pixels or a blank square is above 0.3.
SAME_PICTURE = 0.15
results = [0, 0]


def check(condition, what):
    results[0 if condition else 1] += 1
    print(("ok    " if condition else "FAIL  ") + what)


def out(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def main(program, icon_svg, version):
    major, minor, patch = (int(part) for part in version.split("."))
    numbers = (major, minor, patch, 0)
    version_text = f"{major}.{minor:02d}"
    strings = {**NAMES, "FileVersion": version_text, "ProductVersion": version_text}
    listing = out("wrestool", "-l", program).decode()
    print(listing, end="")
    check(set(re.findall(r"--language=(\d+)", listing)) == {str(ITALIAN_UNICODE[0])},
          "every resource Italian")
    record = out("wrestool", "-x", "--raw", "--type=16", program)
    fixed = record.index(struct.pack("<I", 0xFEEF04BD))
    ms, ls, product_ms, product_ls = struct.unpack_from("<4I", record, fixed + 8)
    for name, (high, low) in {"file": (ms, ls), "product": (product_ms, product_ls)}.items():
        check((high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF) == numbers,
              f"{name} version {'.'.join(map(str, numbers))}")
    text = record.decode("utf-16-le", errors="replace")
    check("%04X%04X" % ITALIAN_UNICODE in text.upper(), "string block Italian, code page 1200")
    check(record.endswith(struct.pack("<2H", *ITALIAN_UNICODE)), "translation Italian, 1200")
    for key, value in strings.items():
        check(re.search(key + r"\0+" + re.escape(value) + r"\0", text) is not None,
              f'{key} is "{value}"')
    with tempfile.TemporaryDirectory() as folder:
        folder = Path(folder)
        out("wrestool", "-x", "--type=14", "-o", str(folder), program)
        (group,) = folder.glob("*.ico")
        images = re.findall(r"--width=(\d+) --height=(\d+) --bit-depth=(\d+) --palette-size=(\d+)",
                            out("icotool", "-l", str(group)).decode())
        check(sorted(images) == ICONS, "two 16-colour icon images, 16x16 and 32x32")
        out("icotool", "-x", "-o", str(folder), str(group))
        for size in (16, 32):
            (image,) = folder.glob(f"*_{size}x{size}x4.png")
            drawing = folder / f"drawing{size}.png"
            out("rsvg-convert", f"--width={size}", f"--height={size}", "-o", str(drawing), icon_svg)
            flat = [folder / f"flat{size}_{n}.png" for n in (0, 1)]
            for picture, flattened in zip((image, drawing), flat):
                out("convert", str(picture), "-background", "white", "-alpha", "remove",
                    "-alpha", "off", str(flattened))
            compared = subprocess.run(["compare", "-metric", "RMSE", *map(str, flat), "null:"],
                                      capture_output=True, text=True)
            difference = float(re.search(r"\(([0-9.e-]+)\)", compared.stderr).group(1))
            check(difference < SAME_PICTURE, f"{size}x{size} image is the drawing ({difference:.3f})")
    print(f"{results[0]} passed, {results[1]} failed")
    return 1 if results[1] else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
