#!/usr/bin/env bash
# Builds the Debian package, checks its contents and dependencies, and installs it into a
# throw-away root to see that the program and its desktop entry land where they belong.
set -euo pipefail
build_dir=$1
cd "$build_dir"
rm -f quadripolo_*.deb
cpack -G DEB >/dev/null
package=$(ls quadripolo_*.deb)
echo "built $package"

contents=$(dpkg-deb -c "$package")
for path in ./usr/bin/quadripolo \
            ./usr/share/applications/io.github.quadripolo.Quadripolo.desktop \
            ./usr/share/icons/hicolor/scalable/apps/io.github.quadripolo.Quadripolo.svg; do
    grep -q " $path\$" <<<"$contents" || { echo "missing $path"; exit 1; }
done

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for dependency in libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-liberation; do
    grep -q "$dependency" <<<"$depends" || { echo "missing dependency $dependency"; exit 1; }
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$package" "$root"
test -x "$root/usr/bin/quadripolo"
desktop="$root/usr/share/applications/io.github.quadripolo.Quadripolo.desktop"
grep -q '^Exec=quadripolo' "$desktop"
grep -q '^Icon=io.github.quadripolo.Quadripolo' "$desktop"
echo "package contents and dependencies are complete"
