#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command of the project (by default the README's test command) inside a fresh, minimal
# Debian 13 system: debootstrap into a folder, chroot with /proc, /sys, /dev, /dev/pts and a tmpfs
# /dev/shm mounted, git installed, the committed HEAD of this repository cloned into it. Prints
# the /etc/debian_version it ran on. Everything mounted is unmounted again on every way out, and
# the folder is removed only when /proc/mounts shows nothing left inside it.
#
# Usage, as root:  bash scripts/debian13.sh [--keep DIR] [COMMAND ...]
#   --keep DIR  build the system in DIR and keep it afterwards (unmounted); a DIR that already
#               holds a Debian 13 system is used again without a new debootstrap
#   COMMAND     run in the clone instead of `bash scripts/test.sh`
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD
source scripts/dependencies.sh

keep=""
if [ "${1:-}" = --keep ]; then
    keep=${2:?--keep needs a folder}
    shift 2
fi
command=("$@")
[ ${#command[@]} -ne 0 ] || command=(bash scripts/test.sh)

[ "$(id -u)" -eq 0 ] || { echo "debian13: run as root (debootstrap, mount and chroot need it)"; exit 2; }
install_missing_packages debootstrap

# The Debian registry this machine's apt already uses: the first URIs of its deb822 sources, or
# the first deb line of the one-line format.
registry() {
    local sources=/etc/apt/sources.list.d/debian.sources
    if [ -f "$sources" ]; then
        sed -n 's/^URIs: *\([^ ]*\).*/\1/p' "$sources" | head -n 1
    elif [ -f /etc/apt/sources.list ]; then
        awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /:\/\//) { print $i; exit } }' \
            /etc/apt/sources.list
    fi
}
mirror=$(registry)
[ -n "$mirror" ] || { echo "debian13: no Debian registry found in this machine's apt sources"; exit 2; }

if [ -n "$keep" ]; then
    mkdir -p "$keep"
    root=$(cd "$keep" && pwd -P)
    # Everything below is done to this folder as the root of another system.
    [ "$root" != / ] || { echo "debian13: --keep / would be this machine itself"; exit 2; }
else
    root=$(mktemp -d /var/tmp/debian13.XXXXXX)
fi

mounted=()
# Ends what still runs inside the system, unmounts in reverse order, and removes the folder (when
# it is not kept) only if nothing is mounted below it any more.
leave() {
    local status=$?
    local process
    for process in /proc/[0-9]*; do
        if [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ]; then
            kill -9 "${process#/proc/}" 2>/dev/null || true
        fi
    done
    # A process just killed may hold a mount for a moment: each unmount is tried a few times.
    local index attempt
    for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do
        for attempt in 1 2 3 4 5; do
            umount "${mounted[index]}" 2>/dev/null && break
            [ "$attempt" -lt 5 ] || echo "debian13: could not unmount ${mounted[index]}"
            sleep 1
        done
    done
    if awk -v root="$root" '$2 == root || index($2, root "/") == 1 { found = 1 } END { exit !found }' \
        /proc/mounts; then
        echo "debian13: still mounted below $root, so it is left in place:"
        awk -v root="$root" 'index($2, root) == 1 { print "    " $2 }' /proc/mounts
        exit 1
    fi
    if [ -z "$keep" ]; then
        local started=$SECONDS
        rm -rf --one-file-system "$root"
        rm -f "$root.debootstrap.log"
        echo "debian13: system removed in $((SECONDS - started)) s"
    fi
    exit "$status"
}
trap leave EXIT
trap 'exit 130' INT TERM

if [ -f "$root/etc/debian_version" ]; then
    echo "debian13: using the system already in $root"
else
    echo "debian13: debootstrap trixie into $root from the registry of this machine's apt sources"
    started=$SECONDS
    debootstrap --variant=minbase trixie "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
        tail -n 20 "$root.debootstrap.log"
        exit 1
    }
    rm -f "$root.debootstrap.log"
    echo "debian13: debootstrap took $((SECONDS - started)) s"
fi

mount_inside() {
    local target=$root/$1
    shift
    mount "$@" "$target"
    mounted+=("$target")
}
mount_inside proc --bind /proc
mount_inside sys --bind /sys
mount_inside dev --bind /dev
mount_inside dev/pts --bind /dev/pts
mount_inside dev/shm -t tmpfs tmpfs

inside() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

started=$SECONDS
inside bash -c 'command -v git >/dev/null ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq git >/dev/null; }'

# The committed HEAD, as CI would clone it; uncommitted changes are not part of the run.
rm -rf "$root/root/quadripolo"
git clone -q "$repository" "$root/root/quadripolo"
echo "debian13: Debian $(cat "$root/etc/debian_version"), running: ${command[*]}"
inside bash -c 'cd /root/quadripolo && "$@"' command "${command[@]}"
echo "debian13: Debian $(cat "$root/etc/debian_version"): passed in $((SECONDS - started)) s"
