#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Writes the notices that the Windows zip carries beside quadripolo.exe: NOTICE.txt (what the
# executable holds besides the program, under which licences; the exact Qt source and its Debian
# patches; how to relink against a changed Qt) and licenses/ (the texts). What is listed is what
# the linker took, read from its map of quadripolo.exe: the Qt libraries, with the third-party
# parts that Qt's attribution files name for the files those libraries were compiled from (the
# static Qt's own record, scripts/windows_qt_sources.py), and the libraries of Debian's MinGW-w64
# packages, with those packages' copyright files. Nothing of the build's folders or time is
# written.
#
# Usage: windows_notices.py MAP QT_PREFIX BUILD_DIR OUT_DIR VERSION COMMIT
import json, os, re, shutil, subprocess, sys, textwrap
from pathlib import Path

MEMBER = re.compile(r"^(\S+\.a)\((.+)\)$")
LOADED_OBJECT = re.compile(r"^LOAD (\S+\.o(?:bj)?)$")
# Object libraries (resources, plugin initialisers) are installed as .../objects-CONFIG/TARGET/.
INSTALLED_OBJECTS = re.compile(r"(?:^|/)objects-[^/]+/([^/]+)/")
COMMON_LICENSE = re.compile(r"/usr/share/common-licenses/([A-Za-z0-9+.-]*[A-Za-z0-9+])")


def linked_files(map_file):
    """The archives of which the linker took a member, and the object files it loaded."""
    archives, objects = set(), set()
    for line in Path(map_file).read_text().splitlines():
        found = MEMBER.match(line) or LOADED_OBJECT.match(line)
        if found:
            path = os.path.normpath(found.group(1))
            (archives if path.endswith(".a") else objects).add(path)
    return archives, objects


def read_attributions(source):
    """Every entry of Qt's attribution files: (entry, its folder relative to the source tree)."""
    entries = []
    for found in sorted(source.rglob("qt_attribution.json")):
        # Written by hand: line breaks inside strings, a key given twice (the last one counts).
        data = json.loads(found.read_text(), strict=False, object_pairs_hook=dict)
        for entry in data if isinstance(data, list) else [data]:
            entries.append((entry, found.parent.relative_to(source)))
    return entries


def covered_paths(entry, folder, source):
    """The files or folders an entry speaks for: its Path, else its Files, else its folder."""
    if "Path" in entry:
        return [folder / entry["Path"]]
    named = [folder / name for name in entry.get("Files", "").split()]
    if named and all((source / path).exists() for path in named):
        return named
    return [folder]


def licence_files(entry):
    files = entry.get("LicenseFiles", [])
    return files + [entry["LicenseFile"]] if "LicenseFile" in entry else files


def entry_text(entry, folder, source):
    fields = [("Name", "Name"), ("Version", "Version"), ("Copyright", "Copyright"),
              ("License", "License"), ("SPDX", "LicenseId"), ("Homepage", "Homepage"),
              ("Used", "QtUsage")]
    lines = [f"{title}: {entry[key]}" for title, key in fields if key in entry]
    texts = [(source / folder / name).resolve().read_text(errors="replace")
             for name in licence_files(entry)]
    return "\n".join(lines) + "\n\n" + "\n\n".join(text.rstrip() + "\n" for text in texts)


def wrap(text, indent):
    return textwrap.fill(text, 98, initial_indent=indent, subsequent_indent=indent,
                         break_on_hyphens=False)


def debian_package(path):
    """The installed Debian package that holds a file."""
    for name in (path, os.path.realpath(path)):
        found = subprocess.run(["dpkg-query", "-S", name], capture_output=True, text=True)
        if found.returncode == 0:
            return found.stdout.split(":")[0].split(",")[0].strip()
    sys.exit(f"windows_notices: {path} is linked in, and is neither the program's, nor Qt's, nor"
             " a Debian package's")


def main(map_file, qt_prefix, build_dir, out, version, commit):
    qt_prefix, build_dir, out = (Path(os.path.normpath(p)) for p in (qt_prefix, build_dir, out))
    licensing = qt_prefix / "licensing"
    source = licensing / "source"
    libraries = {}
    for line in (licensing / "libraries").read_text().splitlines():
        library, *targets = line.split()
        libraries[library] = targets

    qt_targets, qt_libraries, runtime = set(), set(), {}
    archives, objects = linked_files(map_file)
    for path in sorted(archives | objects):
        path = os.path.normpath(build_dir / path)  # the link runs in the build folder
        if Path(path).is_relative_to(build_dir):
            continue  # the program's own
        if Path(path).is_relative_to(qt_prefix):
            relative = str(Path(path).relative_to(qt_prefix))
            installed = INSTALLED_OBJECTS.search(relative)
            targets = [installed.group(1)] if installed else libraries.get(relative)
            if not targets:
                sys.exit(f"windows_notices: the Qt build's record names no target for {relative}")
            qt_targets.update(targets)
            qt_libraries.add(installed.group(1) if installed else Path(relative).name)
        else:
            runtime.setdefault(debian_package(path), set()).add(os.path.basename(path))

    # The record lists each target that read a file of the source tree; one that read none (a
    # plugin's generated initialiser, say) has no list.
    read = set()
    for target in qt_targets:
        listing = licensing / "targets" / target
        read.update(listing.read_text().split() if listing.exists() else [])
    # An entry counts when a linked library read a file it speaks for, or a file that has the name,
    # less its extension, of a file it names: data that Qt generated from it and keeps elsewhere
    # (src/gui/painting/webgradients.cpp, from util/gradientgen's webgradients.css).
    stems = {Path(file).stem for file in read}
    parts = []
    for entry, folder in read_attributions(source):
        covered = [str(path) for path in covered_paths(entry, folder, source)]
        named = [Path(name.strip(",")).stem for name in entry.get("Files", "").split()]
        if (any(file == path or file.startswith(path + "/") for file in read for path in covered)
                or stems.intersection(named)):
            parts.append((entry, folder))

    if out.exists():
        shutil.rmtree(out)
    licenses = out / "licenses"
    (licenses / "qt").mkdir(parents=True)
    for name in ("LGPL-3.0-only.txt", "GPL-3.0-only.txt"):
        shutil.copyfile(source / "LICENSES" / name, licenses / "qt" / name)
    shutil.copyfile(source / "debian" / "copyright", licenses / "qt" / "debian-copyright.txt")
    copyright_files = [source / "debian" / "copyright"]
    part_lines = []
    for entry, folder in sorted(parts, key=lambda part: part[0]["Id"]):
        name = f"qt/{entry['Id']}.txt"
        if (licenses / name).exists():
            sys.exit(f"windows_notices: two attribution entries named {entry['Id']}")
        (licenses / name).write_text(entry_text(entry, folder, source))
        version_text = f" {entry['Version']}" if "Version" in entry else ""
        licence = entry.get("LicenseId") or entry.get("License", "")
        part_lines.append(f"  - {entry['Name']}{version_text}: {licence} (licenses/{name})")
    runtime_lines = []
    for package, files in sorted(runtime.items()):
        package_version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                                         capture_output=True, text=True, check=True).stdout
        copyright_file = Path("/usr/share/doc") / package / "copyright"
        copyright_files.append(copyright_file)
        (licenses / package).mkdir()
        shutil.copyfile(copyright_file, licenses / package / "copyright.txt")
        runtime_lines.append(f"  - {package} {package_version} (licenses/{package}/copyright.txt):\n"
                             + wrap(" ".join(sorted(files)), "      "))
    common = sorted({name for path in copyright_files
                     for name in COMMON_LICENSE.findall(path.read_text(errors="replace"))
                     if (Path("/usr/share/common-licenses") / name).is_file()})
    if common:
        (licenses / "common-licenses").mkdir()
    for name in common:
        shutil.copyfile(Path("/usr/share/common-licenses") / name,
                        licenses / "common-licenses" / f"{name}.txt")

    package, package_version = (licensing / "source-package").read_text().split()
    upstream = re.sub(r"^\d+:|[+-].*$", "", package_version)
    patches = (licensing / "patches").read_text().split()
    left_out = (licensing / "left-out").read_text().split()
    own_patches = (licensing / "own-patches").read_text().split()
    notice = NOTICE.format(
        version=version, commit=commit, upstream=upstream, package=package,
        package_version=package_version, patch_count=len(patches),
        patches="\n".join(f"  {number:2}. {patch}" for number, patch in enumerate(patches, 1)),
        left_out=", ".join(left_out) if left_out else "none",
        own_patches=", ".join(own_patches) if own_patches else "none",
        qt_libraries=wrap(", ".join(sorted(qt_libraries)) + ".", "  "),
        parts="\n".join(part_lines), runtime="\n".join(runtime_lines),
        common="\n".join(f"  - licenses/common-licenses/{name}.txt" for name in common))
    (out / "NOTICE.txt").write_text(notice)


NOTICE = """\
QUADRIPOLO {version} FOR WINDOWS (64-BIT): NOTICES

quadripolo.exe is the Quadripolo program (MIT licence: LICENSE) linked statically with the
libraries below; their licences and copyright notices are in the folder licenses/. The program's
source is the commit {commit} of its repository.


QT {upstream} (GNU LGPL VERSION 3)

Built from Debian's {package} source package, version {package_version}, with its
{patch_count} Debian patches applied in this order (debian/patches/series):
{patches}
Patches of the series left out: {left_out}.
Patches of the builder's own, applied after Debian's: {own_patches}.
Linked, of the static Qt (libraries, and object files by their target):
{qt_libraries}
Licence: licenses/qt/LGPL-3.0-only.txt, which adds to the GNU GPL version 3,
licenses/qt/GPL-3.0-only.txt. Who holds the copyright of which file of the source:
licenses/qt/debian-copyright.txt (Debian's copyright file of the source package).

Parts that Qt compiles into the libraries above (Qt's attribution files), each with its copyright
and licence text:
{parts}


THE C AND C++ RUNTIMES (DEBIAN'S MINGW-W64 PACKAGES)

Each package's copyright file holds its copyright notices and licences, and for GCC's runtime
libraries (libgcc, libstdc++) the GCC Runtime Library Exception:
{runtime}
The licence texts those files refer to:
{common}


QT'S SOURCE, AND LINKING THE PROGRAM WITH A CHANGED QT

The exact source of this Qt is Debian's {package} source package, version {package_version} (the
.dsc file and the archives it names), with the patches above: on Debian 12,
`apt-get source {package}={package_version}` fetches it and unpacks it with Debian's patches
applied; Debian's snapshot archive keeps every version.

To run the program with a changed Qt, build it again on Debian 12 (as root, or as a user with
sudo) from a clone of that commit:

  1. Write the changes to Qt as patches (for `patch -p1` at the top of the qt6-base source) in a
     folder, with a file `series` that names them in order.
  2. QUADRIPOLO_QT_PATCHES=/path/to/that/folder bash scripts/windows.sh --program-only

scripts/windows_qt.sh builds the static Qt from the source above with Debian's patches and then
yours; scripts/windows.sh links the program with it and packs a zip like this one in
build-windows/. The Qt build's options are in scripts/windows_qt.sh; docs/windows.md describes
the whole build.
"""

if __name__ == "__main__":
    main(*sys.argv[1:7])
