# SPDX-License-Identifier: MIT
# A fresh, minimal Debian system in a folder, entered with chroot. Sourced, as root, after
# scripts/dependencies.sh, by scripts/debian13.sh and scripts/install_test.sh:
#   system_open SUITE [DIR]  makes the system with debootstrap --variant=minbase from the Debian
#                            registry this machine's apt sources name (in DIR, kept afterwards
#                            and used again when it already holds one; else in a new folder),
#                            and mounts /proc, /sys, /dev, /dev/pts and a tmpfs /dev/shm in it
#   system_run COMMAND ...   runs a command inside, in a clean environment
# On every way out of the caller, what still runs inside is ended, everything mounted is
# unmounted in reverse order, and the folder (when not kept) is removed only when /proc/mounts
# shows nothing left inside it. Messages start with $system_name.
system_name=${system_name:-system}
system_root=""
system_keep=""
system_mounted=()

# The Debian registry this machine's apt already uses: the first URIs of its deb822 sources, or
# the first deb line of the one-line format.
system_registry() {
    local sources=/etc/apt/sources.list.d/debian.sources
    if [ -f "$sources" ]; then
        sed -n 's/^URIs: *\([^ ]*\).*/\1/p' "$sources" | head -n 1
    elif [ -f /etc/apt/sources.list ]; then
        awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /:\/\//) { print $i; exit } }' \
            /etc/apt/sources.list
    fi
}

system_leave() {
    local status=$?
    local process
    for process in /proc/[0-9]*; do
        if [ "$(readlink "$process/root" 2>/dev/null)" = "$system_root" ]; then
            kill -9 "${process#/proc/}" 2>/dev/null || true
        fi
    done
    # A process just killed may hold a mount for a moment: each unmount is tried a few times.
    local index attempt
    for ((index = ${#system_mounted[@]} - 1; index >= 0; index--)); do
        for attempt in 1 2 3 4 5; do
            umount "${system_mounted[index]}" 2>/dev/null && break
            [ "$attempt" -lt 5 ] || echo "$system_name: could not unmount ${system_mounted[index]}"
            sleep 1
        done
    done
    local root=$system_root
    if awk -v root="$root" '$2 == root || index($2, root "/") == 1 { found = 1 } END { exit !found }' \
        /proc/mounts; then
        echo "$system_name: still mounted below $root, so it is left in place:"
        awk -v root="$root" 'index($2, root) == 1 { print "    " $2 }' /proc/mounts
        exit 1
    fi
    if [ -z "$system_keep" ]; then
        local started=$SECONDS
        rm -rf --one-file-system "$root"
        rm -f "$root.debootstrap.log"
        echo "$system_name: system removed in $((SECONDS - started)) s"
    fi
    exit "$status"
}

system_mount() {
    local target=$system_root/$1
    shift
    mount "$@" "$target"
    system_mounted+=("$target")
}

system_open() {
    local suite=$1
    system_keep=${2:-}
    [ "$(id -u)" -eq 0 ] || { echo "$system_name: run as root (debootstrap, mount and chroot need it)"; exit 2; }
    install_missing_packages debootstrap
    local mirror
    mirror=$(system_registry)
    [ -n "$mirror" ] || { echo "$system_name: no Debian registry found in this machine's apt sources"; exit 2; }

    if [ -n "$system_keep" ]; then
        mkdir -p "$system_keep"
        system_root=$(cd "$system_keep" && pwd -P)
        # Everything below is done to this folder as the root of another system.
        [ "$system_root" != / ] || { echo "$system_name: the folder / would be this machine itself"; exit 2; }
    else
        system_root=$(mktemp -d "/var/tmp/$system_name.XXXXXX")
        chmod 755 "$system_root" # as a system's root is: apt's download user must reach inside
    fi
    trap system_leave EXIT
    trap 'exit 130' INT TERM

    local started=$SECONDS
    if [ -f "$system_root/etc/debian_version" ]; then
        echo "$system_name: using the system already in $system_root"
    else
        echo "$system_name: debootstrap $suite into $system_root from the registry of this machine's apt sources"
        debootstrap --variant=minbase "$suite" "$system_root" "$mirror" >"$system_root.debootstrap.log" 2>&1 || {
            tail -n 20 "$system_root.debootstrap.log"
            exit 1
        }
        rm -f "$system_root.debootstrap.log"
        echo "$system_name: debootstrap took $((SECONDS - started)) s"
    fi

    system_mount proc --bind /proc
    system_mount sys --bind /sys
    system_mount dev --bind /dev
    system_mount dev/pts --bind /dev/pts
    system_mount dev/shm -t tmpfs tmpfs
}

system_run() {
    chroot "$system_root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}
