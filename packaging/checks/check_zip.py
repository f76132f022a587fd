#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# The Windows zip's files: one folder holding the program, its licence, NOTICE.txt and licenses/,
# nothing else; among the licences those that what the build links asks for (Qt's LGPL-3 and the
# GPL-3 it adds to, the bundled libraries that the Qt build's -qt-* options compile in, the
# MinGW-w64 and GCC runtimes with the GCC Runtime Library Exception); NOTICE.txt naming every
# file of licenses/ and no file that is not there; no path of the build machine in any notice.
#
# Usage: check_zip.py ZIP QT_PREFIX CLONE   (prints "N passed, N failed")
import re, sys, zipfile
from pathlib import Path

# Licence files that must be there whatever the linker takes: Qt's own, Debian's record of its
# copyright holders, the Unicode data in Qt Core, the libraries of -qt-zlib -qt-libpng
# -qt-freetype -qt-harfbuzz -qt-pcre that Qt Core and Qt GUI use, and the runtimes' packages.
REQUIRED = ["qt/LGPL-3.0-only.txt", "qt/GPL-3.0-only.txt", "qt/debian-copyright.txt",
            "qt/unicode-character-database.txt", "qt/zlib.txt", "qt/libpng.txt",
            "qt/freetype.txt", "qt/harfbuzz-ng.txt", "qt/pcre2.txt", "qt/doubleconversion.txt",
            "gcc-mingw-w64-x86-64-posix/copyright.txt", "g++-mingw-w64-x86-64-posix/copyright.txt",
            "mingw-w64-x86-64-dev/copyright.txt"]
# What each of those texts must hold, so that an empty or wrong file does not pass.
CONTENTS = {"qt/LGPL-3.0-only.txt": "GNU LESSER GENERAL PUBLIC LICENSE Version 3",
            "qt/GPL-3.0-only.txt": "GNU GENERAL PUBLIC LICENSE Version 3",
            "gcc-mingw-w64-x86-64-posix/copyright.txt": "GCC RUNTIME LIBRARY EXCEPTION",
            "g++-mingw-w64-x86-64-posix/copyright.txt": "GCC RUNTIME LIBRARY EXCEPTION",
            "mingw-w64-x86-64-dev/copyright.txt": "winpthreads"}
results = [0, 0]


def check(condition, what):
    results[0 if condition else 1] += 1
    print(("ok    " if condition else "FAIL  ") + what)


def main(zip_path, qt_prefix, clone):
    folder = Path(zip_path).name.removesuffix(".zip")
    with zipfile.ZipFile(zip_path) as archive:
        names = [name for name in archive.namelist() if not name.endswith("/")]
        files = {name.removeprefix(folder + "/"): archive.read(name) for name in names}
    check(all(name.startswith(folder + "/") for name in names), f"every file in {folder}/")
    top = {name.split("/")[0] for name in files}
    check(top == {"LICENSE", "NOTICE.txt", "quadripolo.exe", "licenses"},
          "LICENSE, NOTICE.txt, quadripolo.exe and licenses/, nothing else: " + " ".join(sorted(top)))
    licenses = {name.removeprefix("licenses/") for name in files if name.startswith("licenses/")}
    for name in REQUIRED:
        check(name in licenses, f"licenses/{name}")
    for name, words in CONTENTS.items():
        text = files.get("licenses/" + name, b"").decode(errors="replace")
        check(words in " ".join(text.split()), f"{name} holds {words!r}")

    notice = files.get("NOTICE.txt", b"").decode()
    named = set(re.findall(r"licenses/(\S+\.txt)", notice))
    check(named == licenses, "NOTICE.txt names every file of licenses/ and no other")
    check(re.search(r"qt6-base source package, version \S+", notice) is not None,
          "NOTICE.txt names the version of the Qt source package")
    machine = [str(Path(path).resolve()) for path in (qt_prefix, clone)] + ["/var/cache/", "/tmp/"]
    mentioning = [name for name, data in files.items() if not name.endswith(".exe")
                  and any(path.encode() in data for path in machine)]
    check(not mentioning, "no notice names a folder of the build machine "
          + " ".join(mentioning))
    print(f"{results[0]} passed, {results[1]} failed")
    return 1 if results[1] else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
