#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Records which files of Qt's source tree went into each library of a finished Qt build, for the
# Windows zip's notices: every file that a compilation read (ninja's dependency log: the source
# and all it included), gathered per CMake target, and the targets whose objects each static
# library holds.
#
# Usage: windows_qt_sources.py BUILD_DIR SOURCE_DIR OUT_DIR
#   writes OUT_DIR/targets/TARGET (one source-relative path a line) and OUT_DIR/libraries
#   ("lib/libQt6Core.a Core" lines: a static library, as the build and the install name it,
#   and its targets). Object libraries are installed as objects-CONFIG/TARGET/: named by target.
import collections, os, re, subprocess, sys

OBJECT = re.compile(r"(?:^|/)CMakeFiles/([^/]+)\.dir/")
STATIC_LIBRARY = re.compile(r"^build ([^:|]+\.a): \S*STATIC_LIBRARY_LINKER\S* ([^|]*)")


def main(build, source, out):
    source = os.path.realpath(source)
    read = collections.defaultdict(set)
    deps = subprocess.run(["ninja", "-C", build, "-t", "deps"], check=True, capture_output=True,
                          text=True).stdout
    target = None
    for line in deps.splitlines():
        if line and not line[0].isspace():
            found = OBJECT.search(line.split(":", 1)[0])
            target = found.group(1) if found else None
        elif line.strip() and target:
            path = os.path.realpath(os.path.join(build, line.strip()))
            if path.startswith(source + os.sep):
                read[target].add(os.path.relpath(path, source))
    if not read:
        sys.exit(f"windows_qt_sources: no dependency of any target in {build}")
    os.makedirs(os.path.join(out, "targets"), exist_ok=True)
    for name, files in read.items():
        with open(os.path.join(out, "targets", name), "w") as listing:
            listing.writelines(path + "\n" for path in sorted(files))

    libraries = []
    with open(os.path.join(build, "build.ninja")) as rules:
        for line in rules:
            found = STATIC_LIBRARY.match(line)
            if found:
                targets = {OBJECT.search(obj).group(1)
                           for obj in found.group(2).split() if OBJECT.search(obj)}
                libraries.append(" ".join([found.group(1), *sorted(targets)]) + "\n")
    with open(os.path.join(out, "libraries"), "w") as listing:
        listing.writelines(sorted(libraries))


if __name__ == "__main__":
    main(*sys.argv[1:4])
